#pragma once

namespace qv {

// The windows the main window's Ctrl shortcuts open.
enum class ShortcutWindow { SpectrumMap, Spotting, Privileges, Tuning, VoiceKeyer, Rig };

class ShortcutWindows {
public:
    virtual ~ShortcutWindows() = default;
    virtual void open(ShortcutWindow window) = 0;
};

// The windows as the main window reaches them once they exist: until a window
// set is attached, opening one does nothing.
class ShortcutWindowsSlot : public ShortcutWindows {
public:
    void attach(ShortcutWindows* windows) { windows_ = windows; }
    void open(ShortcutWindow window) override {
        if (windows_) {
            windows_->open(window);
        }
    }

private:
    ShortcutWindows* windows_ = nullptr;
};

} // namespace qv
