#pragma once

// The rig interface window RigControlfrm (" Rig Interface Setup"): the radio list,
// the port and line options, the query strings, the read-outs and the buttons
// over the rig control it owns. It is loaded once, on first use, and then lives
// for the whole run; "&Done" only hides it and polling goes on.

#include "app/TextBoxes.h"
#include "core/Preferences.h"
#include "platform/ChildProcess.h"
#include "platform/Clipboard.h"
#include "platform/FileStore.h"
#include "platform/SettingsStore.h"
#include "platform/ShippedFiles.h"
#include "rig/RigControl.h"
#include "rig/RigctldProtocol.h"
#include "rig/serial/SerialPortResolver.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The two text boxes first, then the buttons.
enum class RigControlfrmControl {
    txtFreq,
    txtMode,
    Command1,
    Command2,
    Command3,
    Command4,
    cmdDone
};

// The option groups; each shows one selected button, or none.
enum class RigOptionGroup { Comm, Baud, Parity, Data, Stop, Power, Poll };

inline constexpr std::array<std::string_view, 9> kRigBauds = {
    "1200", "2400", "4800", "9600", "14400", "19200", "28800", "38400", "56000"};
inline constexpr std::array<std::string_view, 9> kRigBaudCaptions = {
    "1.2", "2.4", "4.8", "9.6", "14.4", "19.2", "28.8", "38.4", "56"};
inline constexpr std::array<char, 3> kRigParities = {'O', 'N', 'E'};
inline constexpr std::array<char, 2> kRigDataBits = {'7', '8'};
inline constexpr std::array<char, 2> kRigStopBits = {'1', '2'};
inline constexpr std::array<char, 3> kRigPowerLines = {'N', 'R', 'D'};
inline constexpr std::array<char, 4> kRigPollRates = {'F', 'M', 'S', 'R'};
// The baud rates offered for a radio that rigctld drives.
inline constexpr std::array<int, 8> kRigctldBauds = {1200,  2400,  4800,  9600,
                                                     19200, 38400, 57600, 115200};

// The rig window's part for "Hamlib rigctld": where the daemon listens and, when
// the program starts it, for which radio.
struct RigctldPanel {
    bool shown = false;                               // in place of the serial choices
    std::string host = RigctldSettings::kDefaultHost; // "rigctld host:"
    std::string port = std::to_string(RigctldSettings::kDefaultPort); // "rigctld port:"
    bool startDaemon = false;                                         // "Start rigctld"
    std::vector<HamlibModel> models; // what "rigctl -l" lists, once it has run
    int modelIndex = -1;             // the selected model, -1 for none
    int model = 1;                   // its number, kept when the list cannot be had
    std::string search;              // typed to find a model
    std::string device;              // "Serial device:"
    int baudIndex = 2;               // in kRigctldBauds
};

struct RigControlfrmState : TextBoxes<RigControlfrmControl, 2> {
    int listIndex = -1; // the radio selected in List1
    // Selected button of each group, -1 for none: Comm 0-9 (ports 1-10), Baud in
    // kRigBauds order, Parity Odd/None/Even, Data 7/8, Stop 1/2, Power None/RTS/DTR,
    // Poll 100 ms/500 ms/2 Sec/10 Sec.
    std::array<int, 7> options{0, 8, 1, 1, 0, 0, 1};
    bool convToHex = false;        // chkConvToHex
    bool convToHexEnabled = false; // only for "Other"
    bool convFromHex = false;      // ChkConvHex
    bool useFrequency = true;      // chkFrequency
    int modeBy = 1;                // 1 "Rig", 2 "Frequency", 3 "Don't Use"
    bool endTestEnabled = false;   // Command2
    bool pollingShown = false;     // "Polling Rig"
    bool label10Shown = false;     // the Icom address hint
    RigctldPanel rigctld;
    RigControlfrmControl focus = RigControlfrmControl::txtFreq;
    bool visible = false;

    int& option(RigOptionGroup g) { return options[static_cast<std::size_t>(g)]; }
    int option(RigOptionGroup g) const { return options[static_cast<std::size_t>(g)]; }
};

// The windows the rig window opens.
class RigWindows {
public:
    virtual ~RigWindows() = default;
    // The rig window itself, modally: after a failed Test while it was hidden, so
    // that the operator can correct the settings.
    virtual void showRigWindowModally() = 0;
    // The command-test window, modally.
    virtual void showFrequencyTest() = 0;
};

class RigControlfrmLogic {
public:
    using Control = RigControlfrmControl;
    using State = RigControlfrmState;

    struct Uses {
        RigControl& rig;
        FileStore& files;      // RigCntrl.txt
        ShippedFiles& shipped; // BandPlan.txt
        Preferences& prefs;    // RigType as the main window keeps it
        Dialogs& dialogs;
        Clipboard& clipboard;
        const SerialPortResolver* ports;   // the device of each port number, if known
        SettingsStore* settings = nullptr; // where the daemon is reached
        ChildProcess* programs = nullptr;  // runs "rigctl -l" for the model list
    };
    explicit RigControlfrmLogic(Uses uses);

    const State& state() const { return s_; }
    State& state() { return s_; }
    RigControl& rig() { return u_.rig; }
    const RigReadout& readout() const { return u_.rig.readout(); }
    void setWindows(RigWindows* windows) { windows_ = windows; }
    // The main window saves its preferences (which carry RigType) on "&Done".
    void setSavePreferences(std::function<void()> save) { savePrefs_ = std::move(save); }

    // The device a port number stands for on this computer, or empty text.
    std::string portDevice(int port) const;

    // Loads the settings the first time; later calls do nothing.
    void ensureLoaded();
    bool loaded() const { return loaded_; }

    // The main window at start-up: when its preferences name a radio, the window
    // is loaded and tested without being shown.
    void startUp();
    // "&Rig Interface" and Ctrl+R.
    void show();

    // Selecting a radio in the list (by the user).
    void List1Click(int index);
    // A click on a button of an option group.
    void optionClick(RigOptionGroup group, int index);
    void chkConvToHexClick(bool checked);
    void ChkConvHexClick(bool checked);
    void chkFrequencyClick(bool checked);
    void modeByClick(int modeBy);

    // The rigctld settings.
    void rigctldHostEdited(const std::string& text);
    void rigctldPortEdited(const std::string& text);
    void chkStartRigctldClick(bool checked);
    void modelSearchEdited(const std::string& text);
    void modelClick(int index);
    void rigctldDeviceEdited(const std::string& text);
    void rigctldBaudClick(int index);

    void keyPressed(Control c, int key);
    void edited(Control c);
    void moveFocus(Control to);

    void Command1Click(); // "Test"
    void Command2Click(); // "End Test"
    void Command3Click(); // "Change Frequency"
    void Command4Click(); // "Copy unprocessed data to clipboard"
    void cmdDoneClick();  // "&Done"
    // The window closed with its close box: it only hides, like "&Done" without
    // the Test and the saving.
    void closed();

private:
    void copyOptionsIntoConfig();
    void applyRadioRow(int index);
    void setConvToHex(bool checked);
    void syncQueries();
    void saveSettingsFile();
    void loadRigctldSettings();
    void saveRigctldSettings();
    void copyRigctldIntoRig();
    // Runs "rigctl -l" the first time the model list is needed.
    void ensureModels();

    Uses u_;
    State s_;
    RigWindows* windows_ = nullptr;
    std::function<void()> savePrefs_;
    bool loaded_ = false;
    bool loading_ = false;
    bool modelsAsked_ = false;
};

} // namespace qv
