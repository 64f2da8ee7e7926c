#pragma once

// The WinKeyer setup window frmWinKey (" WinKey Setup"): the keyer's port,
// speed, weight, push-to-talk lead-in and tail, ratio, keyer mode and pin
// configuration; Open, Close, Stop, Test and Done. The settings live in "WK.txt"
// beside the program, or in the user's settings folder when the program's
// folder cannot be written. The logic lives for the whole run; the window is
// loaded (WK.txt read) on first use.

#include "app/TextBoxes.h"
#include "cw/CwKeyer.h"
#include "cw/CwSendBuffer.h"
#include "cw/winkeyer/KeyerDevicePortRule.h"
#include "cw/winkeyer/WinKeyerFile.h"
#include "cw/winkeyer/WinKeyerSender.h"
#include "platform/Dialogs.h"
#include "platform/FileStore.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace qv {

enum class frmWinKeyControl {
    txtWKComPort,
    txtWKWPM,
    txtWeight,
    txtLeadIn,
    txtTail,
    txtRatio,
    cmdOpenWinkey,
    cmdCloseWinkey,
    cmdStop,
    Command3,
    cmdDone,
    optIambicB,
    optIambicA,
    optUltimatic,
    optBug,
    optKey5Off3Out,
    optPTT,
    optTone,
    optKey5Out3Off,
};

inline constexpr std::size_t kFrmWinKeyBoxes = 6;
inline constexpr std::size_t kFrmWinKeyControls = 19;

inline constexpr const char* kFrmWinKeyCaption = " WinKey Setup";
inline constexpr const char* kWinKeyClosed = "Closed";
inline constexpr const char* kWinKeyVersionLabel = "Version #";
inline constexpr const char* kWinKeyOpenFailedTitle = "Unable to establish connection with Winkey.";
inline constexpr const char* kWinKeyErrorTitle = "Error!";

// The keyer mode and pin configuration bytes each option selects.
inline constexpr std::uint8_t kModeIambicB = 0;
inline constexpr std::uint8_t kModeIambicA = 16;
inline constexpr std::uint8_t kModeUltimatic = 32;
inline constexpr std::uint8_t kModeBug = 48;
inline constexpr std::uint8_t kPinsKey5Off3Out = 4;
inline constexpr std::uint8_t kPinsPtt = 5;
inline constexpr std::uint8_t kPinsTone = 6;
inline constexpr std::uint8_t kPinsKey5Out3Off = 8;

// The text shown for an open result, or nothing for a number without one.
std::optional<std::string> winKeyResultText(int result);
// The message shown when no keyer answered on a port.
std::string winKeyOpenFailedText(int port);

struct frmWinKeyState : TextBoxes<frmWinKeyControl, kFrmWinKeyBoxes> {
    std::string lblOpenStatus = kWinKeyClosed;
    std::string lblVersion = kWinKeyVersionLabel;
    std::uint8_t mode = kModeIambicB;   // WinKeyerMode
    std::uint8_t pinConfig = kPinsTone; // WinKeyerPinConfig
    std::uint8_t port = 5;              // WinKeyerPort
    frmWinKeyControl focus = frmWinKeyControl::txtWKComPort;
    bool visible = false;
    bool loaded = false;
};

// Where WK.txt lives: the program's folder when it can be written, else the
// user's settings folder (read from there first, then from the program's).
struct WinKeyerFiles {
    FileStore& programDir;
    FileStore& userDir;
    bool programDirWritable = true;
};

class frmWinKeyLogic : public WinKeyerWindow {
public:
    using Control = frmWinKeyControl;
    using State = frmWinKeyState;

    struct Uses {
        WinKeyerSender& sender;
        CwKeyer& cw; // the CW window's speed
        CwSendBuffer& buffer;
        KeyerDevicePortRule& ports;
        WinKeyerFiles files;
        Dialogs& dialogs;
        std::function<std::string()> ownCall; // the station's call, for "Test"
    };
    explicit frmWinKeyLogic(Uses uses);
    ~frmWinKeyLogic() override;
    frmWinKeyLogic(const frmWinKeyLogic&) = delete;
    frmWinKeyLogic& operator=(const frmWinKeyLogic&) = delete;

    const State& state() const { return s_; }
    State& state() { return s_; }

    // Form_Load: the defaults, WK.txt, then the CW window's speed. Once.
    void load();
    // Shown modally by "Configure Winkey".
    void show();
    // The close box hides the window as "&Done" does, without writing the file.
    void closed() { s_.visible = false; }

    void keyPressed(Control c, int key);
    void edited(Control c);
    void moveFocus(Control to);
    void optionClick(Control option);

    void cmdOpenWinkey_Click();
    void cmdCloseWinkey_Click();
    void cmdStop_Click();
    void Command3_Click(); // "Test"
    void cmdDone_Click();

    void ApplyWinKeyerSettings();

    // WinKeyerWindow: the sender opens and closes through the window.
    void openKeyer() override;
    void closeKeyer() override { cmdCloseWinkey_Click(); }

private:
    enum class Leaving { LeadIn, Tail };
    // Sends a field's number to the keyer when it lies from low to high; a
    // field that is no number gets its default back.
    void applyByte(Control c, const char* fallback, int low, int high,
                   void (WinKeyerLibrary::*set)(std::uint8_t));
    void applySpeed();
    void applyWeight();
    void applyLeadTail(Leaving resetWhich);
    void applyRatio();
    void leavePort();
    void leave(Control c);
    void focusDone();
    WinKeyerFile fileSettings() const;

    Uses u_;
    State s_;
};

} // namespace qv
