#pragma once

// One of every object the program is made of, wired together once: the log and
// its file, the station's profile and preferences, the prefix table, the archive
// and the main window's logic. The platform is handed in (the real adapters, or
// fakes in the tests and benchmarks), and so are the subsystems the main window
// reaches; a subsystem not handed in gets its stand-in.

#include "app/BlindFrmLogic.h"
#include "app/CWFrmLogic.h"
#include "app/Form1Logic.h"
#include "app/PacketSpotfrmLogic.h"
#include "app/PhoneFrmLogic.h"
#include "app/RigControlfrmLogic.h"
#include "app/ShortcutWindows.h"
#include "app/SpotDisplay.h"
#include "app/SpotReceiver.h"
#include "app/SuperCheck.h"
#include "app/TcpRigctldLink.h"
#include "app/frmWinKeyLogic.h"
#include "cw/CwKeyer.h"
#include "cw/KeyerCallText.h"
#include "cw/WinKeyer.h"
#include "platform/ChildProcess.h"
#include "platform/EventWait.h"
#include "platform/NoFileStore.h"
#include "platform/SettingsStore.h"
#include "rig/RigControl.h"
#include "rig/serial/NoSerialLink.h"
#include "rig/serial/SerialPortResolver.h"
#include "spots/AgwEngine.h"
#include "spots/BandMapView.h"
#include "spots/NoTcpLink.h"
#include "spots/SpotList.h"
#include "spots/SpotStore.h"
#include "voice/VoiceKeyer.h"
#include "voice/VoiceNavigation.h"

namespace qv {

struct Platform {
    Clock& clock;
    Timers& timers;
    Dialogs& dialogs;
    Beeper& beeper;
    FileStore& files;      // the working directory
    ShippedFiles& shipped; // the data files shipped with the program
    SettingsStore& settings;
    Clipboard& clipboard;
};

struct Subsystems {
    VoiceNavigation* voice = nullptr;
    KeyerCallText* keyerCall = nullptr;
    BandMapView* bandMap = nullptr;
    ShortcutWindows* shortcuts = nullptr;
    VoiceKeyer* voiceKeyer = nullptr;
    CwKeyer* cw = nullptr;
    WinKeyer* winKeyer = nullptr;
};

// The station's devices as the program reaches them; a device not handed in is
// absent (its port never opens, its folder holds nothing).
struct Devices {
    SerialLink* rigLink = nullptr;
    EventWait* wait = nullptr;                 // the pauses between a radio's commands
    FileStore* pegasus = nullptr;              // the Pegasus radio's exchange folder
    const SerialPortResolver* ports = nullptr; // port numbers to device paths
    SerialLink* spotLink = nullptr;            // the TNC's port
    TcpLink* telnet = nullptr;                 // the DX cluster
    TcpLink* engineLink = nullptr;             // the packet engine
    TcpLink* rigctld = nullptr;                // hamlib's rig daemon
    ChildProcess* rigctldDaemon = nullptr;     // rigctld started by the program, rigctl -l
};

// The windows the main window opens, reached once the window exists: until it
// attaches itself, opening one does nothing.
class Form1WindowsSlot : public Form1Windows {
public:
    void attach(Form1Windows* windows) { windows_ = windows; }
    bool showStationWindow() override;
    EditOutcome editContact(std::size_t k) override;
    void showSummarySheet() override;
    void showText(const std::string& title, const std::string& text) override;

private:
    Form1Windows* windows_ = nullptr;
};

class Program {
public:
    explicit Program(Platform platform, Subsystems subsystems = {}, Devices devices = {});
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Platform platform;

private:
    // The stand-ins come first: the parts below take references to them.
    NoVoiceNavigation noVoice_;
    NoKeyerCallText noKeyerCall_;
    NoVoiceKeyer noVoiceKeyer_;
    NoCwKeyer noCw_;
    NoWinKeyer noWinKeyer_;
    NoSerialLink noRigLink_;
    NoEventWait noWait_;
    NoFileStore noPegasus_;
    NoSerialLink noSpotLink_;
    NoTcpLink noTelnet_;
    NoTcpLink noEngineLink_;
    NoTcpLink noRigctld_;

public:
    VoiceNavigation& voice;
    KeyerCallText& keyerCall;
    BandMapView& bandMap;
    // The Ctrl shortcuts' windows; the main window attaches its own.
    ShortcutWindowsSlot shortcuts;
    Keyers keyers;

    ContestLog log;
    OperatingState op;
    MultiplierTable multipliers;
    StationProfile profile;
    Preferences prefs;
    PrefixTable prefixes;
    LogFile logFile;
    WorkingLog working;
    LogArchive archive;

    TcpRigctldLink rigctldLink;
    RigControl rig;
    RigControlfrmLogic rigWindow;

    Form1State ui;
    // DX spotting: the 50 latest spots, the main window's list of them and its
    // band map, the spot routine, the packet engine and the spotting window.
    SpotStore spots;
    SpotList spotList;
    SpotDisplay spotDisplay;

    Form1WindowsSlot windows;
    Form1Logic form1;
    // Known calls as the call is typed, once MASTER.SCP has been read.
    SuperCheck superCheck;

    // The windows of subsystems the composition root made, when it made them.
    BlindFrmLogic* blindWindow = nullptr;   // "&Voice Navigation"
    PhoneFrmLogic* phoneWindow = nullptr;   // "&Voice Setup" and Ctrl+P
    CWFrmLogic* cwWindow = nullptr;         // "&CW Setup" (hidden) and the CW keyer
    frmWinKeyLogic* winKeyWindow = nullptr; // "Configure Winkey"

    SpotReceiver spotReceiver;
    AgwEngine engine;
    PacketSpotfrmLogic spotWindow;
};

} // namespace qv
