#pragma once

// The live side of rig control, owned by the rig window for the whole run: the
// radio's port, the poll timer and what the radio last said. It asks the radio
// on alternate ticks and reads the answer on the others, passes what it read to
// the main window, and tunes the radio on request.

#include "platform/Beeper.h"
#include "platform/ChildProcess.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/EventWait.h"
#include "platform/FileStore.h"
#include "platform/Timer.h"
#include "rig/BandPlan.h"
#include "rig/RigConfig.h"
#include "rig/RigProtocol.h"
#include "rig/RigctldLink.h"
#include "rig/RigctldProtocol.h"
#include "rig/serial/SerialLink.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qv {

// The main window's part in each answer.
class RigListener {
public:
    virtual ~RigListener() = default;
    // The radio's frequency, when "Use Frequency" is checked.
    virtual void BandFreqConversion(float frequencyMHz) = 0;
    // The radio's mode, unless "Mode by:" is "Don't Use".
    virtual void ModeSelection(const std::string& mode) = 0;
};

// The read-outs of the rig window, kept while it is visible.
struct RigReadout {
    std::string frequency;   // lblFreq
    std::string mode;        // lblMode
    std::string unprocessed; // lblUnProcess
};

// Where hamlib's rig daemon is reached, and whether the program starts it itself.
struct RigctldSettings {
    static constexpr const char* kDefaultHost = "127.0.0.1";
    static constexpr std::uint16_t kDefaultPort = 4532;

    std::string host = kDefaultHost;
    std::uint16_t port = kDefaultPort;
    bool startDaemon = false; // "Start rigctld"
    int model = 1;            // hamlib's model number (1: its dummy radio)
    std::string device;       // the radio's serial device; empty: none given
    int baud = 4800;
};

struct RigStatus {
    std::string rxBuffer;
    RigReading reading;
    std::uint8_t queryPhase = 0;
    bool awaitingReply = false;
};

class RigControl {
public:
    static constexpr const char* kPegasusOut = "PEGASUS.OUT";
    static constexpr const char* kPegasusIn = "PEGASUS.IN";

    struct Uses {
        SerialLink& link;
        Timers& timers;
        EventWait& wait;
        Clock& clock;
        Dialogs& dialogs;
        Beeper& beeper;
        FileStore& pegasus;             // the Pegasus radio's exchange folder
        RigctldLink* rigctld = nullptr; // hamlib's rig daemon, when it can be reached
        ChildProcess* daemon = nullptr; // rigctld started by the program
    };
    explicit RigControl(Uses uses);
    ~RigControl();
    RigControl(const RigControl&) = delete;
    RigControl& operator=(const RigControl&) = delete;

    RigConfig& config() { return config_; }
    RigctldSettings& rigctld() { return rigctld_; }
    // The daemon is reached over TCP rather than a serial port.
    bool usesRigctld() const;
    const RigStatus& status() const { return status_; }
    RigReadout& readout() { return readout_; }
    void setListener(RigListener* listener) { listener_ = listener; }
    // Told after every tick that changed the read-outs.
    void setChangedHandler(std::function<void()> changed) { changed_ = std::move(changed); }
    void setWindowVisible(bool visible) { windowVisible_ = visible; }
    void setConvertFromHex(bool on) { convertFromHex_ = on; }
    void setBandPlan(std::vector<BandPlanRow> extraRows) { bandPlan_ = std::move(extraRows); }
    const std::vector<BandPlanRow>& bandPlan() const { return bandPlan_; }

    // Opens the port (no port for the Pegasus radio; a connection to rigctld, which
    // "Start rigctld" starts first) and, once it is open, runs one tick at once and
    // starts the poll timer. A port that does not open is reported ("Invalid Comm
    // Settings.", or where rigctld was looked for) and false is returned.
    bool startPolling();
    // Stops the poll timer and closes the port.
    void endTest();
    bool polling() const;
    // One tick of the poll timer: a send tick or a reply tick, alternately.
    void tick();
    // "Mode by:" changed, or a Test begins: the radio's mode is unknown again.
    void clearMode() { status_.reading.modeText.clear(); }

    // Tunes the radio: first the mode the band plan gives for the frequency, then
    // the frequency. Only while polling; polling pauses meanwhile.
    void ChangeFrequency(float frequencyMHz);
    // Sets the radio's mode; an empty mode is taken from the band plan.
    void ChangeMode(float frequencyMHz, std::string mode);
    // Sends a command as it stands (the command-test window); failures are ignored.
    void sendRaw(std::string_view bytes);

    // The window goes away: a five-byte Yaesu that is being polled is told so, and
    // a daemon the program started is ended.
    void unload();

private:
    SerialLink& link();
    [[nodiscard]] bool openRigctld();
    // The arguments of rigctld as "Start rigctld" runs it.
    std::vector<std::string> daemonArguments() const;
    [[nodiscard]] Status startDaemon();
    void daemonFinished();
    // Reads the daemon's answers into the reading.
    RigctldReply decodeRigctld();
    void showNoResponse();
    void replyTick();
    void sendTick();
    void WaitForSendDrain();
    void PauseMs(std::uint32_t milliseconds);
    [[nodiscard]] Status sendFrequency(float frequencyMHz);
    RigQueries queries() const;

    Uses u_;
    RigConfig config_;
    RigStatus status_;
    RigReadout readout_;
    std::vector<BandPlanRow> bandPlan_;
    std::unique_ptr<Timer> timer_; // tmrGetData
    RigListener* listener_ = nullptr;
    std::function<void()> changed_;
    bool windowVisible_ = false;
    bool convertFromHex_ = false;
    RigctldSettings rigctld_;
    std::string rigctldPending_;             // an answer cut short, read on the next tick
    std::vector<std::string> daemonRunning_; // the arguments the daemon was started with
    bool daemonExpected_ = false;            // a start or stop of ours: no box for its end
};

} // namespace qv
