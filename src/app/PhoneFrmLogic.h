#pragma once

// The voice keyer window PhoneFrm ("Phone Wave Selections"): the wave file and
// spoken text of each function key, the push-to-talk port and line, the
// parallel port's address and the F1 repeat, over the voice keyer that lives for
// the whole run. "Done" hides the window and writes wave2.txt.

#include "app/TextBoxes.h"
#include "platform/Beeper.h"
#include "platform/Dialogs.h"
#include "platform/FileStore.h"
#include "voice/PhoneKeyer.h"

#include <array>
#include <cstddef>

namespace qv {

// The text boxes first (F1-F9 paths, port, address, loop, F1-F9 spoken texts),
// then the buttons: Browse for F1-F9, Test, Stop, Done.
enum class PhoneFrmControl {
    Text1,
    Text2,
    Text3,
    Text4,
    Text5,
    Text6,
    Text7,
    Text8,
    Text9,
    Text10,
    Text11,
    txtPHLoop,
    txtSpeak1,
    txtSpeak2,
    txtSpeak3,
    txtSpeak4,
    txtSpeak5,
    txtSpeak6,
    txtSpeak7,
    txtSpeak8,
    txtSpeak9,
    Command2,
    Command3,
    Command4,
    Command5,
    Command6,
    Command7,
    Command8,
    Command9,
    Command10,
    Command11,
    Command12,
    Command1,
};

inline constexpr std::size_t kPhoneFrmBoxes = 21;
inline constexpr std::size_t kPhoneFrmControls = 33;

inline constexpr const char* kPhoneFrmCaption = "Phone Wave Selections";
inline constexpr const char* kPhoneFrmCaution = "Caution, RF feedback can damage your PC!";
inline constexpr const char* kPhoneFrmModeHelp =
    "From the main form click Settings, Transmit, Select Mode, Phone.";
inline constexpr const char* kPhoneFrmKeysHelp =
    "Each wave file corresponds to a function key.  Select the wave file you would like to "
    "associate with the function key. From the main logging page, key your transmitter and "
    "press the appropriate function key each time you wish to play a wave file.";
inline constexpr const char* kPhoneFrmBrowseFilter = "(*.wav)|*.wav";

// The box of a key's path and of its spoken text, key 0 being F1.
constexpr PhoneFrmControl phoneFileBox(std::size_t key) {
    return static_cast<PhoneFrmControl>(static_cast<std::size_t>(PhoneFrmControl::Text1) + key);
}
constexpr PhoneFrmControl phoneSpeakBox(std::size_t key) {
    return static_cast<PhoneFrmControl>(static_cast<std::size_t>(PhoneFrmControl::txtSpeak1) + key);
}
constexpr PhoneFrmControl phoneBrowseButton(std::size_t key) {
    return static_cast<PhoneFrmControl>(static_cast<std::size_t>(PhoneFrmControl::Command2) + key);
}

struct PhoneFrmState : TextBoxes<PhoneFrmControl, kPhoneFrmBoxes> {
    PttLine line = PttLine::Rts; // Option1 "RTS", Option2 "DTR", Option3 "Parallel"
    bool stopShown = false;      // Command12, while a repeat is armed
    PhoneFrmControl focus = PhoneFrmControl::Text1;
    bool visible = false;
};

// How the window is shown when the keyer needs it and it is hidden.
class PhoneFrmWindows {
public:
    virtual ~PhoneFrmWindows() = default;
    virtual void showPhoneFrmModally() = 0;
};

class PhoneFrmLogic : public PhoneKeyerWindow {
public:
    using Control = PhoneFrmControl;
    using State = PhoneFrmState;

    struct Uses {
        PhoneKeyer& keyer;
        FileStore& files; // wave2.txt
        Dialogs& dialogs;
        Beeper& beeper;
    };
    explicit PhoneFrmLogic(Uses uses);

    const State& state() const { return s_; }
    State& state() { return s_; }
    PhoneKeyer& keyer() { return u_.keyer; }
    void setWindows(PhoneFrmWindows* windows) { windows_ = windows; }

    // The main window at start-up: reads wave2.txt into the keyer. A missing or
    // short file leaves the defaults for what it lacks.
    void startUp();
    // Ctrl+P and "&Voice Setup".
    void show();
    // The close box: the window hides and the message playing ends.
    void closed();

    void optionClick(PttLine line);
    void keyPressed(Control c, int key);
    void edited(Control c);
    void moveFocus(Control to);

    void browseClick(std::size_t key); // Command2 ... Command10, "Browse"
    void Command11Click();             // "Test"
    void Command12Click();             // "Stop"
    void Command1Click();              // "Done"

    // PhoneKeyerWindow
    bool windowVisible() const override { return s_.visible; }
    void showWindowModally() override;

private:
    void leave(Control c);
    void showSettings();
    void syncSettings();

    Uses u_;
    State s_;
    PhoneFrmWindows* windows_ = nullptr;
};

} // namespace qv
