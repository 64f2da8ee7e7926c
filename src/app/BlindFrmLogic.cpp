#include "app/BlindFrmLogic.h"

namespace qv {

BlindFrmLogic::BlindFrmLogic(Uses uses) : u_(uses) {}

void BlindFrmLogic::load() {
    s_.label7 = std::string(kBlindFrmLabel7) + u_.files.directory();
    const int mode = u_.prefs.navigationMode;
    s_.option = mode == 1 || mode == 2 ? mode : 0;
    loaded_ = true;
}

void BlindFrmLogic::show() {
    if (!loaded_) {
        load();
    }
    s_.visible = true;
}

void BlindFrmLogic::optionClick(int option) {
    if (option < 0 || option > 2) {
        return;
    }
    s_.option = option;
    if (option == 0) {
        u_.voice.BlindKeyPhone("NavDis");
        return;
    }
    u_.voice.BlindKeyPhone("NavEn");
    if (option == 1) {
        u_.voice.waitForWord();
        u_.voice.BlindKeyPhone("Call");
    }
}

void BlindFrmLogic::Command1Click() {
    u_.prefs.navigationMode = static_cast<std::uint8_t>(s_.option);
    s_.visible = false;
    if (savePrefs_) {
        savePrefs_();
    }
}

void BlindFrmLogic::closed() {
    s_.visible = false;
    loaded_ = false;
}

} // namespace qv
