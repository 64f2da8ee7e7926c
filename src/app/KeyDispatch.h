#pragma once

// The main window sees every key before the focused field: Ctrl shortcuts, the
// function keys of the voice and CW keyers, the CW speed, keyboard CW, repeat
// cancellation and the meanings of Esc.

#include "app/EntryLine.h"
#include "app/Form1State.h"
#include "app/ShortcutWindows.h"
#include "core/OperatingState.h"
#include "cw/CwKeyer.h"
#include "cw/WinKeyer.h"
#include "voice/VoiceKeyer.h"

namespace qv {

// Key codes of the keys the dispatch knows (the platform's virtual-key numbers).
namespace keycodes {
inline constexpr int kUp = 38;
inline constexpr int kDown = 40;
inline constexpr int kF1 = 112;
inline constexpr int kF9 = 120;
inline constexpr int kF10 = 121;
inline constexpr int kF12 = 123;
} // namespace keycodes

inline constexpr Colour kKeyboardCwYellow = rgb(255, 255, 192);

struct KeyDown {
    int code = 0; // virtual-key number: letters are their capitals, F1 is 112
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

struct Keyers {
    ShortcutWindows& windows;
    VoiceKeyer& voice;
    CwKeyer& cw;
    WinKeyer& winKeyer;
};

class KeyDispatch {
public:
    KeyDispatch(Form1State& ui, const OperatingState& op, EntryLine& entry, Keyers keyers)
        : ui_(ui), op_(op), entry_(entry), k_(keyers) {}

    // A key going down; true when it is consumed here.
    bool keyDown(const KeyDown& key);
    // The character the key types (Windows-1252 or keys:: code, keys::kNone for a
    // key that types none); true when consumed here, false when it goes on to the
    // focused field.
    bool keyPress(int ch);
    // Both, for one key press: consumed when either consumes it.
    bool handle(const KeyDown& key, int ch) { return keyDown(key) || keyPress(ch); }

private:
    Form1State& ui_;
    const OperatingState& op_;
    EntryLine& entry_;
    Keyers k_;
    bool discardNext_ = false; // the key went down with Ctrl alone
};

} // namespace qv
