#pragma once

// The CW setup window CWFrm ("CW String Selections") and the CW keyer it holds
// for the whole run: the eleven messages, the keying option, speed, word space,
// timing method and loop calibration, the F1 repeat; the send loop that hands
// the shared send buffer to the Morse engine one character at a time (or to the
// WinKeyer whole); and what the main window's keys reach (CwKeyer). "Done"
// hides the window and writes CW.txt.

#include "app/TextBoxes.h"
#include "cw/CwKeyer.h"
#include "cw/CwSendBuffer.h"
#include "cw/CwSettings.h"
#include "cw/KeyerCallText.h"
#include "cw/MorseKeyer.h"
#include "cw/WinKeyer.h"
#include "platform/FileStore.h"
#include "platform/SettingsStore.h"
#include "platform/Timer.h"

#include <functional>
#include <memory>
#include <optional>

namespace qv {

class Form1Logic;

// The text boxes first, then the buttons.
enum class CWFrmControl {
    Text1,
    Text2,
    Text3,
    Text4,
    Text5,
    Text6,
    Text7,
    Text8,
    Text9,
    Text10,   // keying serial port
    Text11,   // speed in WPM
    Text12,   // F10
    Text13,   // F11
    Text14,   // parallel port address
    txtSpace, // word-space adjustment
    txtLoop,  // loops per 60 ms
    txtCWLoop,
    Command2,      // "Faster"
    Command3,      // "Slower"
    Command6,      // "More"
    Command5,      // "Less"
    cmdLoopFaster, // "F"
    cmdLoopSlower, // "S"
    cmdTest,       // "&Test"
    Command7,      // "Send Code Practice"
    cmdConfWinkey, // "Configure Winkey"
    cmdDone,       // "Done"
};

inline constexpr std::size_t kCWFrmBoxes = 17;
inline constexpr std::size_t kCWFrmControls = 27;

inline constexpr const char* kCWFrmCaption = "CW String Selections";
inline constexpr const char* kCWFrmWildcards =
    "Wildcards are $ for Call, * for RST  and # for Number (where applicable).";
inline constexpr const char* kCWFrmModeHelp = "You must be in CW mode.";
inline constexpr const char* kCWFrmSpeedHelp = "Up / Down arrows on main form change speed.";
inline constexpr const char* kCWFrmKeysHelp =
    "Each text box corresponds to a function key.  Enter the characters you would like to "
    "associate with the function key. From the main logging page, press the appropriate "
    "function key each time you wish to send the string.  A ! in the string enters the contact.";
inline constexpr const char* kCWFrmTestHelp =
    "Press the test command button to send the text in the F9 text box.";
inline constexpr const char* kCWFrmTimingAdvice =
    "For the most precise timing, do not run any other programs, virus software etc. while "
    "transmitting.";
inline constexpr const char* kCWFrmEchoCaption = "Display CW text on main form (NA for WinKey).";
inline constexpr const char* kKeyboardCwOnText = "Keyboard CW Mode is on.  Press F12 to exit.";

inline constexpr int kCwKeyF1 = 112;
inline constexpr int kCwKeyF9 = 120;
inline constexpr int kCwKeyF10 = 124; // F10 reaches the messages under F13's code

// The box of a message key code (112-120, 124, 122); nothing for another code.
std::optional<CWFrmControl> cwMessageBox(int keyCode);

// Replaces "$" by the call, "#" by nothing (the contest has no number) and "*"
// by the report sent ("5NN" for "599" or none), in that order.
std::string substituteCwMessage(std::string message, std::string_view call,
                                std::string_view rstSent);

struct CWFrmState : TextBoxes<CWFrmControl, kCWFrmBoxes> {
    KeyingSelection selection = KeyingSelection::None;
    std::optional<TimingMethod> method = TimingMethod::Timer; // none: no button selected
    bool check1 = false;              // echo the text being sent on the main window
    bool label23Visible = false;      // "Sending!"
    bool confWinkeyVisible = false;   // once WinKey has been chosen
    bool loopControlsEnabled = false; // txtLoop, lblLoop, F, S
    CWFrmControl focus = CWFrmControl::Text1;
    bool visible = false;
};

// How the windows of the CW keyer are shown when the logic needs them.
class CWFrmWindows {
public:
    virtual ~CWFrmWindows() = default;
    virtual void showCWFrmModally() = 0;
    virtual void showCWStringsMinimised() = 0;
};

class CWFrmLogic : public CwKeyer, public KeyerCallText, private MorseKeyerHost {
public:
    using Control = CWFrmControl;
    using State = CWFrmState;

    struct Uses {
        MorseKeyer::Uses engine;
        CwSendBuffer& buffer; // shared with the WinKeyer and code practice
        WinKeyer& winKeyer;
        Timers& timers;
        FileStore& files; // CW.txt
        SettingsStore& settings;
    };
    explicit CWFrmLogic(Uses uses);
    ~CWFrmLogic() override;
    CWFrmLogic(const CWFrmLogic&) = delete;
    CWFrmLogic& operator=(const CWFrmLogic&) = delete;

    const State& state() const { return s_; }
    State& state() { return s_; }
    MorseKeyer& engine() { return engine_; }
    void setWindows(CWFrmWindows* windows) { windows_ = windows; }
    // The main window, for "!" and the echo on its status line.
    void attachMainWindow(Form1Logic* main) { main_ = main; }
    // Told when sending moved on by itself (between characters, the repeat), so
    // the windows show the state.
    void setChangedHandler(std::function<void()> changed) { changed_ = std::move(changed); }

    // At start-up: CW.txt into the fields (defaults for a missing file), the timing
    // method and the loop count from the settings store.
    void startUp();
    // "&CW Setup".
    void show();
    // The close box hides the window.
    void closed() { s_.visible = false; }

    void optionClick(KeyingSelection selection);
    void timingClick(TimingMethod method);
    void check1Click(bool ticked) { s_.check1 = ticked; }
    void keyPressed(Control c, int key);
    void edited(Control c);
    void moveFocus(Control to);

    void Command2Click() { (void)UpDown1_UpClick(); }
    void Command3Click() { (void)UpDown1_DownClick(); }
    void Command6Click() { stepWordSpace(1); }
    void Command5Click() { stepWordSpace(-1); }
    void cmdLoopFasterClick() { scaleLoop(0.9); }
    void cmdLoopSlowerClick() { scaleLoop(1.111111111111); }
    void cmdTestClick();
    void cmdDoneClick();
    // After the WinKeyer window closed.
    void cmdConfWinkeyDone() { s_.focus = Control::cmdDone; }

    // The keying thread finished a character (queued onto this thread).
    void characterSent(const KeyingResult& result);
    // The F1 repeat interval in force.
    std::uint32_t repeatInterval() const { return tmrRepeat_->interval(); }
    // The messages as frmCWStrings lists them: F1-F9, F10, F11.
    std::string message(std::size_t index) const;

    // KeyerCallText
    void setCurrentCall(const std::string& call) override { call_ = call; }

    // CwKeyer
    KeyingSelection keyingSelection() const override { return s_.selection; }
    bool repeatArmed() const override { return repeatArmed_; }
    void cancelRepeat() override;
    bool sending() const override { return sending_; }
    bool bufferEmpty() const override { return u_.buffer.empty(); }
    void clearBuffer() override { u_.buffer.clear(); }
    void appendToBuffer(char ch) override { u_.buffer.append(ch); }
    void removeLastFromBuffer() override { u_.buffer.removeLast(); }
    void LoopThroughCWBuffer() override;
    bool keyboardMode() const override { return keyboardMode_; }
    void setKeyboardMode(bool on) override { keyboardMode_ = on; }
    int UpDown1_UpClick() override { return changeSpeed(1); }
    int UpDown1_DownClick() override { return changeSpeed(-1); }
    int speedWpm() const override;
    void FKeyCW(int keyCode) override;

private:
    // MorseKeyerHost
    const MorseSettings& morseSettings() const override;
    std::string callText() const override { return call_; }
    void Mains() override;
    bool setupVisible() const override { return s_.visible; }
    void showSetupModally() override;

    void apply(const CwSettings& settings);
    CwSettings collect() const;
    void sendNext();
    void finishSending();
    void echo(const std::string& text);
    void changed();
    void leave(Control c);
    void afterChange(Control c);
    int changeSpeed(int step);
    void stepWordSpace(int step);
    void scaleLoop(double factor);
    void setRepeatFromText();
    void tmrRepeatTick();

    Uses u_;
    State s_;
    MorseKeyer engine_;
    std::unique_ptr<Timer> tmrRepeat_;
    CWFrmWindows* windows_ = nullptr;
    Form1Logic* main_ = nullptr;
    std::function<void()> changed_;
    std::string call_;
    mutable MorseSettings morse_;
    double loopsPer60ms_ = 0;
    bool sending_ = false;
    bool keyboardMode_ = false;
    bool repeatArmed_ = false;
};

} // namespace qv
