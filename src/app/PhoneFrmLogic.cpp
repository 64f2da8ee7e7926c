#include "app/PhoneFrmLogic.h"

#include "app/TextField.h"
#include "base/Numbers.h"

namespace qv {
namespace {

using C = PhoneFrmControl;
using Boxes = TextBoxes<C, kPhoneFrmBoxes>;

} // namespace

PhoneFrmLogic::PhoneFrmLogic(Uses uses) : u_(uses) {
    u_.keyer.setWindow(this);
    showSettings();
}

void PhoneFrmLogic::startUp() {
    WaveSettings settings;
    const FileContents file = u_.files.read(WaveSettings::kFileName);
    if (file.error == FileContents::Error::None) {
        settings = parseWaveSettings(file.bytes);
    }
    u_.keyer.applySettings(settings);
    showSettings();
}

void PhoneFrmLogic::showSettings() {
    const WaveSettings& w = u_.keyer.settings();
    for (std::size_t k = 0; k < WaveSettings::kKeys; ++k) {
        s_[phoneFileBox(k)].setText(w.files[k]);
        s_[phoneSpeakBox(k)].setText(w.speak[k]);
    }
    s_[C::Text10].setText(w.port);
    s_[C::Text11].setText(w.parallelBase);
    s_[C::txtPHLoop].setText(w.loopSeconds);
    s_.line = w.line;
}

void PhoneFrmLogic::syncSettings() {
    WaveSettings& w = u_.keyer.settings();
    for (std::size_t k = 0; k < WaveSettings::kKeys; ++k) {
        w.files[k] = s_[phoneFileBox(k)].text;
        w.speak[k] = s_[phoneSpeakBox(k)].text;
    }
    w.port = s_[C::Text10].text;
    w.parallelBase = s_[C::Text11].text;
    w.loopSeconds = s_[C::txtPHLoop].text;
    w.line = s_.line;
}

void PhoneFrmLogic::show() {
    s_.visible = true;
    s_.stopShown = u_.keyer.repeatArmed();
}

void PhoneFrmLogic::closed() {
    s_.visible = false;
    u_.keyer.stop();
}

void PhoneFrmLogic::showWindowModally() {
    if (windows_) {
        windows_->showPhoneFrmModally();
    }
}

void PhoneFrmLogic::optionClick(PttLine line) {
    s_.line = line;
    syncSettings();
}

void PhoneFrmLogic::keyPressed(Control c, int key) {
    if (!Boxes::isBox(c) || key == keys::kQuote || key == keys::kEnter) {
        return; // a double quote could not be written to wave2.txt
    }
    if (c == C::txtPHLoop) {
        if (key != keys::kBackspace && key != '.' && (key < '0' || key > '9')) {
            return;
        }
    } else if (c == C::Text11) {
        key = capital(key);
    }
    typeKey(s_[c], key);
    syncSettings();
}

void PhoneFrmLogic::edited(Control c) {
    if (Boxes::isBox(c)) {
        sanitize(s_[c]);
        syncSettings();
    }
}

void PhoneFrmLogic::moveFocus(Control to) {
    if (to == s_.focus) {
        return;
    }
    const Control from = s_.focus;
    s_.focus = to;
    leave(from);
    if (to == C::Text10) {
        s_[C::Text10].selectAll();
    }
}

void PhoneFrmLogic::leave(Control c) {
    if (c == C::Text10) {
        if (!isNumeric(s_[C::Text10].text)) {
            s_[C::Text10].setText("0");
        }
        syncSettings();
        (void)u_.keyer.PhoneSetup();
    } else if (c == C::txtPHLoop) {
        TextField& box = s_[C::txtPHLoop];
        const double seconds = isNumeric(box.text) ? leadingNumber(box.text) : -1;
        if (seconds >= 0 && seconds < 60) {
            u_.keyer.setRepeatInterval(static_cast<std::uint32_t>(roundHalfEven(seconds * 1000)));
        } else {
            box.setText("0");
            u_.keyer.setRepeatInterval(0);
            u_.beeper.beep();
        }
        syncSettings();
    }
}

void PhoneFrmLogic::browseClick(std::size_t key) {
    if (key >= WaveSettings::kKeys) {
        return;
    }
    const std::string path =
        u_.dialogs.openFileName("Open", u_.files.directory(), kPhoneFrmBrowseFilter);
    if (path.empty()) {
        u_.beeper.beep();
        return;
    }
    s_[phoneFileBox(key)].setText(path);
    syncSettings();
    s_.focus = C::Command1;
}

void PhoneFrmLogic::Command11Click() {
    u_.keyer.FKeyPhone(kKeyF1);
    if (s_.visible) {
        s_.focus = C::Command1;
    }
    if (u_.keyer.repeatArmed()) {
        s_.stopShown = true;
    }
}

void PhoneFrmLogic::Command12Click() {
    u_.keyer.cancelRepeat();
    s_.stopShown = false;
    if (s_.focus == C::Command12) {
        s_.focus = C::Command1;
    }
}

void PhoneFrmLogic::Command1Click() {
    s_.visible = false;
    syncSettings();
    std::string text;
    if (formatWaveSettings(u_.keyer.settings(), text)) {
        // A failed write is not reported: the window still hides.
        (void)u_.files.replace(WaveSettings::kFileName, text);
    }
}

} // namespace qv
