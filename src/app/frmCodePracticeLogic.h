#pragma once

// The code practice window frmCodePractice ("On the Air Code Practice"):
// random groups, pasted text or live typing, sent through the CW keyer's send
// loop. "&Send" hands Text1 over one character at a time on a timer, each once
// the send loop has taken the one before, so that Stop, Faster, Slower and
// edits to Text1 take effect between characters.

#include "app/TextField.h"
#include "cw/CwKeyer.h"
#include "platform/Clock.h"
#include "platform/Timer.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <string_view>

namespace qv {

inline constexpr const char* kFrmCodePracticeCaption = "On the Air Code Practice";
inline constexpr const char* kFrmCodePracticeInstruction =
    "You can transmit morse code practice using randomly generated characters, copying and "
    "pasting text or typing text into the \"Text to Send\" text box.  Click Send to send the "
    "characters. ";

// CodePracticeCharacters: the letters (the first 26), then digits and signs.
inline constexpr std::string_view kCodePracticeCharacters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.,?/-";
inline constexpr std::size_t kCodePracticeLetters = 26;
// The longest text Generate makes, as a text box holds.
inline constexpr std::size_t kCodePracticeMaxText = 65535;

struct frmCodePracticeState {
    std::string Text1; // text to send
    std::string Text2; // text sent
    std::size_t Text1Caret = 0;
    TextField Text3;           // groups
    TextField Text4;           // characters per group
    bool lettersOnly = false;  // Option1 "Letters Only"; Option2 "All" otherwise
    std::string Label8 = "13"; // the CW speed
    bool sending = false;      // "&Send" is working through Text1
};

class frmCodePracticeLogic {
public:
    using State = frmCodePracticeState;
    static constexpr std::uint32_t kStepMs = 10;

    struct Uses {
        CwKeyer& cw;
        Clock& clock; // seeds the groups
        Timers& timers;
    };
    explicit frmCodePracticeLogic(Uses uses);

    const State& state() const { return s_; }
    State& state() { return s_; }
    // Told after each character a timer tick handed over, so the window shows it.
    void setChanged(std::function<void()> changed) { changed_ = std::move(changed); }

    // Form_Load: the speed from the CW window.
    void load();
    // The close box: refused (false) while the keyer is sending a character;
    // otherwise the send buffer and the send text are emptied.
    bool queryClose();

    void Command2_Click();                           // "&Generate Random Characters"
    void Command1_Click(std::string_view clipboard); // "&Paste from Clipboard"
    void Command3_Click();                           // "&Send"
    void Command4_Click();                           // "S&top"
    void Command6_Click() { s_.Text1.clear(); }      // "&Clear"
    void Command5_Click() { s_.Text2.clear(); }      // "Cl&ear"
    void Command7_Click();                           // "&Faster"
    void Command8_Click();                           // "S&lower"

    // Text1 edited by the operator: a to z become capitals.
    void Text1Changed(std::string text);
    // A key pressed in Text5; true when consumed (all but Tab).
    bool Text5KeyPress(int key);

    // Generates a text of groups; the random draws come from rng.
    static std::string generateGroups(int groups, int size, bool lettersOnly, std::mt19937& rng);

private:
    void step();
    void stopSending();

    Uses u_;
    State s_;
    std::unique_ptr<Timer> timer_;
    std::string sendText_;
    std::size_t position_ = 0; // characters of the send text handed over
    std::function<void()> changed_;
};

} // namespace qv
