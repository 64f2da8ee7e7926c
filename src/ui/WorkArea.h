#pragma once

class QWidget;

namespace qv {

// Sizes a window to the whole working area of its screen, title bar included
// once the window manager has framed it; until then the style's title bar
// stands in.
void fillWorkingArea(QWidget& window);

// For a window's moveEvent: the first move after the window manager framed the
// window sizes it once more, now that the frame is known. done remembers it.
void fillAgainOnceFramed(QWidget& window, bool& done);

} // namespace qv
