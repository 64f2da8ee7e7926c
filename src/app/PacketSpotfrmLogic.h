#pragma once

// The DX spotting window PacketSpotfrm (" DX Spotting Setup"): the spot source
// (a TNC on a serial port, a Telnet DX cluster, a packet engine), its settings
// and PackSpot.txt, opening and closing the source, the receive and send boxes,
// and the 333 ms timer that reads the TNC and the engine. Created on its first
// showing, which opens the saved source; "&Done" only hides it, so spots keep
// coming until the program ends.

#include "app/TextBoxes.h"
#include "core/ContestLog.h"
#include "core/StationProfile.h"
#include "platform/Beeper.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/FileStore.h"
#include "platform/Timer.h"
#include "rig/serial/SerialLink.h"
#include "spots/AgwEngine.h"
#include "spots/ReceiveBox.h"
#include "spots/SpotIntake.h"
#include "spots/SpotSettings.h"
#include "spots/TcpLink.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace qv {

enum class PacketSpotfrmControl {
    txtSent,
    txtTelnetHost,
    txtTelnetPort,
    txtHex,
    Command1, // "Open Port"
    Command2, // "Close Port"
    cmdDone,
    Command3, // "&Spot Last"
    List1,
    txtUnProcessed,
};

// The option groups; each shows one selected button, or none.
enum class SpotOptionGroup { Handshaking, Baud, Parity, Data, Stop, Comm, Power };

inline constexpr std::array<std::string_view, 4> kSpotKinds = {"None", "TNC", "Telnet",
                                                               "AGW Packet Engine"};
inline constexpr std::array<std::string_view, 6> kSpotBauds = {"1200", "2400",  "4800",
                                                               "9600", "14400", "19200"};
inline constexpr std::array<char, 3> kSpotParities = {'O', 'N', 'E'};
inline constexpr std::array<char, 2> kSpotDataBits = {'7', '8'};
inline constexpr std::array<char, 2> kSpotStopBits = {'1', '2'};
inline constexpr std::array<char, 3> kSpotPowerLines = {'N', 'R', 'D'};

// Which controls a kind enables.
enum class SpotControls { None, Tnc, Telnet, Engine };

struct PacketSpotfrmState : TextBoxes<PacketSpotfrmControl, 4> {
    std::string caption = " DX Spotting Setup";
    int listIndex = -1; // the kind selected in List1
    // Selected button of each group, -1 for none: Handshaking None/Xon Xoff/RTS/
    // RTS OnOff, Baud in kSpotBauds order, Parity Odd/None/Even, Data 7/8,
    // Stop 1/2, Comm 0-9 (ports 1-10), Power None/RTS/DTR.
    std::array<int, 7> options{-1, -1, -1, -1, -1, -1, -1};
    bool listDisplay = false; // OptList; OptBand otherwise
    bool dxOnly = false;      // chkDX
    bool convToHex = false;   // chkConvToHex, always disabled
    SpotControls enabled = SpotControls::None;
    bool openCloseEnabled = false;
    std::string label6;     // the send box's caption
    bool listening = false; // Label4 "Listening"
    ReceiveBox received;    // txtUnProcessed
    PacketSpotfrmControl focus = PacketSpotfrmControl::List1;
    std::uint32_t focusRequest = 0;
    bool visible = false;

    int& option(SpotOptionGroup g) { return options[static_cast<std::size_t>(g)]; }
    int option(SpotOptionGroup g) const { return options[static_cast<std::size_t>(g)]; }
};

// What the spotting window asks of the windows around it.
class SpotWindows {
public:
    virtual ~SpotWindows() = default;
    // The spotting window, modally: a source failed to open while it was hidden.
    virtual void showSpottingWindowModally() = 0;
    // "&Done": the main window lays out its spot display again.
    virtual void layOutSpotDisplay() = 0;
    // About two minutes without a new spot: the band map's ages are redrawn.
    virtual void refreshBandMap() = 0;
};

class PacketSpotfrmLogic : public SpotSink {
public:
    using Control = PacketSpotfrmControl;
    using State = PacketSpotfrmState;

    struct Uses {
        SerialLink& tnc;
        TcpLink& telnet;
        AgwEngine& engine;
        Timers& timers;
        Clock& clock;     // the time a burst of TNC text may take in one tick
        FileStore& files; // PackSpot.txt
        Dialogs& dialogs;
        Beeper& beeper;
        const StationProfile& profile; // the own call
        const ContestLog& log;         // "&Spot Last"
        SpotSink& spots;               // the main window's spot routine
    };
    explicit PacketSpotfrmLogic(Uses uses);
    ~PacketSpotfrmLogic() override;
    PacketSpotfrmLogic(const PacketSpotfrmLogic&) = delete;
    PacketSpotfrmLogic& operator=(const PacketSpotfrmLogic&) = delete;

    const State& state() const { return s_; }
    State& state() { return s_; }
    void setWindows(SpotWindows* windows) { windows_ = windows; }
    // The main window stores its preferences on "&Done".
    void setSavePreferences(std::function<void()> save) { savePrefs_ = std::move(save); }
    // The program name given to the packet engine (the main window's title).
    void setProgramName(std::string name) { programName_ = std::move(name); }
    // Told whenever an event from a source or the timer changed the state.
    void setChangedHandler(std::function<void()> changed) { changed_ = std::move(changed); }

    bool loaded() const { return loaded_; }
    // The kind stored, as the main window's spot display reads it.
    const std::string& kind() const { return settings_.kind; }
    bool listDisplay() const { return s_.listDisplay; }
    bool dxOnly() const { return s_.dxOnly; }

    // "&Configure" and Ctrl+D, or a click on the band map: the first showing
    // loads the window, which opens the saved source.
    void show();
    // The close box: the window only hides.
    void closed();

    void List1Click(int index);
    void optionClick(SpotOptionGroup group, int index);
    void displayClick(bool list);
    void chkDXClick(bool checked);

    // A key typed into a box (Enter and Esc included).
    void keyPressed(Control c, int key);
    void edited(Control c);
    void moveFocus(Control to);
    // Esc or Ctrl+C anywhere in the window; true when the key is used up.
    bool escapeOrCtrlC();

    void Command1Click(); // "Open Port"
    void Command2Click(); // "Close Port"
    void cmdDoneClick();  // "&Done"
    void Command3Click(); // "&Spot Last"

    // tmrSpot, every 333 ms while a source is open.
    void tick();
    // The program ends.
    void unload();

    // A spot line from the source: counted as news, then stored by the main window.
    void addSpot(const std::string& frequencyText, const std::string& call,
                 const std::string& spotText) override;

    // The ticks without a spot since the last one.
    int labelRefreshCounter() const { return labelRefresh_; }

private:
    void load();
    void applySettings(const SpotSettings& settings);
    void saveSettingsFile();
    void showHelp(std::string_view kind);
    void enableFor(std::string_view kind);
    void Open();
    void Close();
    void openTnc();
    void tncFailed();
    void connectTelnet();
    void onTelnet(const TcpEvent& event);
    void startEngine();
    void engineStarted(bool accepted);
    void fetchFrame();
    void readTnc();
    void sendText();
    void sendToEngine(const std::string& text);
    void copyChoicesIntoSettings();
    void focusOn(Control c);
    void scroll();
    void changed();
    bool isKind(std::string_view kind) const;

    Uses u_;
    State s_;
    SpotSettings settings_;
    TncLineAssembler tncBuffer_;
    std::string tncPending_; // TNC text not yet worked through (a burst)
    std::string connectedStation_;
    std::string programName_ = "Velmark's Quorvane Log 1.5";
    std::unique_ptr<Timer> timer_; // tmrSpot
    SpotWindows* windows_ = nullptr;
    std::function<void()> savePrefs_;
    std::function<void()> changed_;
    int labelRefresh_ = 0;
    bool loaded_ = false;
    bool loading_ = false;
};

} // namespace qv
