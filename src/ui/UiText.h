#pragma once

#include "base/Colour.h"

#include <string_view>

#include <QString>

class QLabel;
class QWidget;

namespace qv {

// A label caption as the window shows it: "&&" stands for one "&".
QString captionText(std::string_view caption);

// A value label's text, which is also what a screen reader says of it. Windows are
// shown after every key, so an unchanged text is left alone.
void showValue(QLabel* label, const QString& text);

// "background-color: rgb(r,g,b);" for a colour value.
QString backgroundStyle(Colour c);
// Style sheets are costly to apply; only a changed one is set.
void setStyleIfChanged(QWidget* widget, const QString& style);

} // namespace qv
