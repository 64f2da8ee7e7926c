#include "app/frmCWStringsLogic.h"

namespace qv {

void frmCWStringsLogic::activated() {
    for (std::size_t i = 0; i + 1 < kCWStringsKeys; ++i) {
        s_.lblCWString[i] = cw_.message(i);
    }
    s_.lblCWString[kCWStringsKeys - 1] = "Keyboard";
}

void frmCWStringsLogic::labelClicked(std::size_t index) {
    if (index >= kCWStringsKeys || cw_.keyingSelection() == KeyingSelection::None) {
        return;
    }
    int code = kCwKeyF1 + static_cast<int>(index);
    if (code == 123) {
        return; // F12 switches keyboard CW only from the main window
    }
    if (code == 121) {
        code = kCwKeyF10;
    }
    cw_.FKeyCW(code);
}

} // namespace qv
