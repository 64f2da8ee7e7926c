#include "app/KeyDispatch.h"

#include "base/Cp1252.h"

namespace qv {
namespace {

struct Shortcut {
    int letter;
    ShortcutWindow window;
};
constexpr Shortcut kShortcuts[] = {
    {'B', ShortcutWindow::SpectrumMap}, {'D', ShortcutWindow::Spotting},
    {'F', ShortcutWindow::Privileges},  {'G', ShortcutWindow::Tuning},
    {'P', ShortcutWindow::VoiceKeyer},  {'R', ShortcutWindow::Rig},
};

} // namespace

bool KeyDispatch::keyDown(const KeyDown& key) {
    discardNext_ = key.ctrl && !key.shift && !key.alt;
    if (discardNext_) {
        for (const Shortcut& s : kShortcuts) {
            if (key.code == s.letter) {
                k_.windows.open(s.window);
                return true;
            }
        }
    }

    if (k_.cw.repeatArmed()) {
        if (k_.winKeyer.open()) {
            k_.winKeyer.clearBuffer();
        }
        k_.cw.clearBuffer();
        k_.cw.cancelRepeat();
    }
    if (k_.voice.repeatArmed()) {
        k_.voice.cancelRepeat();
    }

    const bool phone = equalsIgnoreCase(op_.currentMode, "PH");
    const bool functionKey = key.code >= keycodes::kF1 && key.code <= keycodes::kF12;
    if (!phone && k_.cw.keyingSelection() != KeyingSelection::None) {
        if (key.code == keycodes::kDown || key.code == keycodes::kUp) {
            const int wpm =
                key.code == keycodes::kDown ? k_.cw.UpDown1_DownClick() : k_.cw.UpDown1_UpClick();
            setStatus(ui_, std::to_string(wpm) + " WPM");
            return true;
        }
        if (functionKey) {
            if (key.code == keycodes::kF12) {
                const bool on = !k_.cw.keyboardMode();
                k_.cw.setKeyboardMode(on);
                setStatus(ui_,
                          on ? "Keyboard CW mode is ON!  Press F12 to exit keyboard CW mode." : "");
                ui_.lblDialogBack = on ? kKeyboardCwYellow : kStatusTeal;
            } else {
                // F10 is reported as 124 to the keyer's message table.
                k_.cw.FKeyCW(key.code == keycodes::kF10 ? 124 : key.code);
            }
            return true;
        }
    }
    if (phone) {
        if (key.code == keycodes::kF10) {
            return true;
        }
        if (key.code >= keycodes::kF1 && key.code <= keycodes::kF9) {
            k_.voice.FKeyPhone(key.code);
            return true;
        }
    }
    return false;
}

bool KeyDispatch::keyPress(int ch) {
    if (discardNext_) {
        discardNext_ = false;
        // A Ctrl combination types no character of its own; its editing command
        // (copy, paste) stays with the field.
        return ch != keys::kNone;
    }
    if (ch == keys::kNone) {
        return false;
    }
    const bool phone = equalsIgnoreCase(op_.currentMode, "PH");
    if (ch == keys::kEscape) {
        if (phone && k_.voice.playing()) {
            k_.voice.stop();
            return true;
        }
        if (k_.cw.keyingSelection() == KeyingSelection::WinKeyer && k_.winKeyer.open() &&
            k_.winKeyer.status() > 0) {
            k_.winKeyer.clearBuffer();
            k_.cw.clearBuffer();
            return true;
        }
        if (!k_.cw.sending()) {
            entry_.cmdClear_Click();
        } else {
            k_.cw.clearBuffer(); // stops after the character being sent
        }
        return true;
    }
    int winKeyerStatus = 0;
    if (k_.winKeyer.open()) {
        winKeyerStatus = k_.winKeyer.status();
    }
    if (!k_.cw.keyboardMode()) {
        return false;
    }
    if (ch == keys::kBackspace && winKeyerStatus > 0) {
        k_.winKeyer.backspace();
        return true;
    }
    if (ch == keys::kBackspace && k_.cw.sending() && !k_.cw.bufferEmpty()) {
        k_.cw.removeLastFromBuffer();
        return true;
    }
    if (equalsIgnoreCase(op_.currentMode, "CW")) {
        k_.cw.appendToBuffer(static_cast<char>(capital(ch)));
        if (!k_.cw.sending()) {
            k_.cw.LoopThroughCWBuffer();
        }
        return true;
    }
    return false;
}

} // namespace qv
