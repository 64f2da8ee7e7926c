#pragma once

namespace qv {

// The windows the main window's Ctrl shortcuts open.
enum class ShortcutWindow { SpectrumMap, Spotting, Privileges, Tuning, VoiceKeyer, Rig };

class ShortcutWindows {
public:
    virtual ~ShortcutWindows() = default;
    virtual void open(ShortcutWindow window) = 0;
};

// Until those windows are built: opens none.
class NoShortcutWindows : public ShortcutWindows {
public:
    void open(ShortcutWindow) override {}
};

} // namespace qv
