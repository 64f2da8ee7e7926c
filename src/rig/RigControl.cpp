#include "rig/RigControl.h"

#include "rig/BandConversion.h"
#include "rig/HexText.h"
#include "rig/RadioTable.h"
#include "rig/RigCommands.h"
#include "rig/RigPort.h"
#include "rig/RigctldProtocol.h"

#include <cstdio>

namespace qv {
namespace {

constexpr const char* kPegasus = "Ten Tec Pegasus";
constexpr std::uint32_t kDrainLimitMs = 2000;
// A daemon just started needs a moment before it listens.
constexpr std::uint32_t kDaemonStartMs = 5000;
constexpr std::uint32_t kDaemonRetryMs = 100;
constexpr std::size_t kMostPending = 4096;
constexpr const char* kNoResponse = "No Response";

// Five decimals without a leading zero: 14.025 shows as 14.02500.
std::string readoutFrequency(float mhz) {
    char text[32];
    std::snprintf(text, sizeof text, "%.5f", static_cast<double>(mhz));
    std::string out = text;
    if (out.rfind("0.", 0) == 0) {
        out.erase(0, 1);
    }
    return out;
}

} // namespace

RigControl::RigControl(Uses uses) : u_(uses), timer_(u_.timers.create(1000, [this] { tick(); })) {
    if (u_.daemon) {
        u_.daemon->setFinishedHandler([this] { daemonFinished(); });
    }
}

RigControl::~RigControl() {
    if (u_.daemon) {
        u_.daemon->setFinishedHandler(nullptr);
    }
}

bool RigControl::usesRigctld() const {
    return config_.rigType == kRigctldRigType;
}

SerialLink& RigControl::link() {
    if (usesRigctld() && u_.rigctld) {
        return *u_.rigctld;
    }
    return u_.link;
}

RigQueries RigControl::queries() const {
    return {config_.rigType, config_.frequencyQuery, config_.modeQuery, config_.convertToHex};
}

bool RigControl::polling() const {
    return timer_->active();
}

bool RigControl::startPolling() {
    if (config_.rigType == "None") {
        return false;
    }
    if (usesRigctld()) {
        if (!openRigctld()) {
            return false;
        }
    } else if (config_.rigType != kPegasus) {
        if (Status s = OpenRigPort(u_.link, config_); !s) {
            u_.beeper.beep();
            u_.dialogs.messageBox(
                "Invalid Comm Settings.",
                "The comm port that you selected for rig interface is either in use, invalid or "
                "the settings that you have selected are invalid.  Please select another "
                "combination or choose None for your rig selection.",
                MessageButtons::Ok, MessageIcon::Information);
        }
        if (!u_.link.isOpen()) {
            return false;
        }
    }
    tick();
    if (const auto interval = pollIntervalMs(config_.pollRate)) {
        timer_->setInterval(*interval);
    }
    timer_->start();
    return true;
}

void RigControl::endTest() {
    timer_->stop();
    readout_ = {};
    if (link().isOpen()) {
        link().close();
    }
}

std::vector<std::string> RigControl::daemonArguments() const {
    std::vector<std::string> arguments{"-m", std::to_string(rigctld_.model)};
    if (!rigctld_.device.empty()) {
        arguments.insert(arguments.end(), {"-r", rigctld_.device});
    }
    arguments.insert(arguments.end(),
                     {"-s", std::to_string(rigctld_.baud), "-T", RigctldSettings::kDefaultHost,
                      "-t", std::to_string(rigctld_.port)});
    return arguments;
}

Status RigControl::startDaemon() {
    if (!u_.daemon) {
        return Status::failure("This program cannot start rigctld here.");
    }
    const std::vector<std::string> arguments = daemonArguments();
    if (u_.daemon->running() && arguments == daemonRunning_) {
        return Status::success();
    }
    if (u_.daemon->running()) {
        u_.daemon->stop();
    }
    daemonRunning_ = arguments;
    return u_.daemon->start("rigctld", arguments);
}

// The daemon ended by itself: what it said on the way out is shown.
void RigControl::daemonFinished() {
    if (daemonExpected_) {
        return;
    }
    u_.beeper.beep();
    std::string said = u_.daemon->errorOutput();
    u_.dialogs.messageBox("rigctld Ended",
                          "rigctld, which this program started, has ended." +
                              (said.empty() ? std::string() : "\n\n" + said),
                          MessageButtons::Ok, MessageIcon::Warning);
}

bool RigControl::openRigctld() {
    // A tick inside the wait below would start a connection of its own.
    timer_->stop();
    rigctldPending_.clear();
    const auto fail = [this](const std::string& text) {
        u_.beeper.beep();
        u_.dialogs.messageBox("rigctld Not Reachable", text, MessageButtons::Ok,
                              MessageIcon::Information);
        return false;
    };
    std::string host = rigctld_.host;
    // A daemon that ends while Test starts it is told of in Test's own box.
    daemonExpected_ = true;
    if (rigctld_.startDaemon) {
        if (Status s = startDaemon(); !s) {
            return fail("rigctld could not be started: " + s.message() +
                        "  Check that hamlib's rigctld is installed, or untick Start rigctld.");
        }
        host = RigctldSettings::kDefaultHost; // where the program's daemon listens
    }
    if (!u_.rigctld) {
        return fail("This program cannot reach rigctld here.");
    }
    RigctldLink& daemonLink = *u_.rigctld;
    daemonLink.close();
    daemonLink.setHost(host);
    daemonLink.setPort(rigctld_.port);
    const std::uint32_t start = u_.clock.milliseconds();
    Status s = daemonLink.open();
    while (!s && rigctld_.startDaemon && u_.daemon && u_.daemon->running() &&
           u_.clock.milliseconds() - start < kDaemonStartMs) {
        u_.wait.sleep(kDaemonRetryMs);
        s = daemonLink.open();
    }
    daemonExpected_ = u_.daemon == nullptr || !u_.daemon->running();
    if (s) {
        return true;
    }
    std::string text = "rigctld does not answer at " + host + " port " +
                       std::to_string(rigctld_.port) + " (" + s.message() +
                       ").  Start rigctld, tick Start rigctld, check the host and the port, or "
                       "choose None for your rig selection.";
    if (rigctld_.startDaemon && u_.daemon && !u_.daemon->running()) {
        const std::string said = u_.daemon->errorOutput();
        text += "\n\nrigctld has ended" + (said.empty() ? std::string(".") : ":\n" + said);
    }
    return fail(text);
}

void RigControl::tick() {
    if (status_.awaitingReply) {
        replyTick();
    } else {
        sendTick();
    }
}

void RigControl::sendTick() {
    if (usesRigctld() && u_.rigctld && !u_.rigctld->isOpen() && !u_.rigctld->connecting()) {
        // The daemon went away; it is looked for again, and answers once it is back.
        rigctldPending_.clear();
        u_.rigctld->reconnect();
    }
    if (link().outBufferCount() == 0) {
        const SendTick send = queriesFor(queries(), status_.queryPhase);
        status_.queryPhase = send.queryPhase;
        if (!send.bytes.empty()) {
            // A port that failed under the timer ends this tick quietly.
            (void)link().write(send.bytes);
        }
    }
    status_.rxBuffer.clear();
    status_.awaitingReply = true;
}

RigctldReply RigControl::decodeRigctld() {
    std::string text = std::move(rigctldPending_) + status_.rxBuffer;
    const RigctldReply reply = decodeRigctldReply(text);
    rigctldPending_ = text.substr(reply.consumed);
    if (rigctldPending_.size() > kMostPending) {
        rigctldPending_.clear();
    }
    if (reply.frequencyMHz) {
        status_.reading.frequencyMHz = *reply.frequencyMHz;
    }
    if (reply.modeText) {
        status_.reading.modeText = *reply.modeText;
    }
    return reply;
}

void RigControl::showNoResponse() {
    if (readout_.frequency == kNoResponse && readout_.mode == kNoResponse) {
        return;
    }
    readout_.frequency = kNoResponse;
    readout_.mode = kNoResponse;
    if (windowVisible_ && changed_) {
        changed_();
    }
}

void RigControl::replyTick() {
    const bool pegasus = config_.rigType == kPegasus;
    if (usesRigctld() && !link().isOpen()) {
        // No daemon: the radio's last values stay with the main window.
        showNoResponse();
        status_.rxBuffer.clear();
        status_.awaitingReply = false;
        return;
    }
    if (!pegasus) {
        status_.rxBuffer = link().takeInput();
    }
    if (pegasus || !status_.rxBuffer.empty()) {
        RigReading& reading = status_.reading;
        std::optional<RigctldReply> daemon;
        if (usesRigctld()) {
            daemon = decodeRigctld();
        } else if (pegasus) {
            const FileContents file = u_.pegasus.read(kPegasusOut);
            if (file.error == FileContents::Error::None) {
                decodePegasusFile(file.bytes, reading);
            }
        } else {
            decodeReply(queries(), status_.queryPhase, status_.rxBuffer, reading);
        }
        if (config_.modeSource == 2) {
            if (const auto fixed = FixedModeForFrequency(reading.frequencyMHz)) {
                reading.modeText = std::string(*fixed);
            }
        }
        if (windowVisible_) {
            if (reading.frequencyMHz > 0) {
                readout_.frequency = readoutFrequency(reading.frequencyMHz);
            }
            readout_.mode = reading.modeText;
            // The daemon's error shows where the value it stands for would have.
            if (daemon && daemon->error) {
                if (!daemon->frequencyMHz) {
                    readout_.frequency = *daemon->error;
                }
                if (!daemon->modeText) {
                    readout_.mode = *daemon->error;
                }
            }
            readout_.unprocessed =
                convertFromHex_ ? BytesToHexText(status_.rxBuffer) : status_.rxBuffer;
            if (changed_) {
                changed_();
            }
        }
        if (listener_) {
            if (config_.useFrequency) {
                listener_->BandFreqConversion(reading.frequencyMHz);
            }
            if (config_.modeSource != 3) {
                listener_->ModeSelection(reading.modeText);
            }
        }
    }
    status_.rxBuffer.clear();
    status_.awaitingReply = false;
}

void RigControl::WaitForSendDrain() {
    const std::uint32_t start = u_.clock.milliseconds();
    for (;;) {
        u_.wait.processEvents();
        if (link().outBufferCount() < 1 || u_.clock.milliseconds() - start >= kDrainLimitMs) {
            return;
        }
        u_.wait.sleep(1);
    }
}

void RigControl::PauseMs(std::uint32_t milliseconds) {
    u_.wait.processEvents();
    const std::uint32_t start = u_.clock.milliseconds();
    // A pause ending within two seconds of the counter's limit is skipped.
    if (static_cast<std::uint64_t>(start) + milliseconds + kDrainLimitMs > 0xFFFFFFFFull) {
        return;
    }
    u_.wait.sleep(milliseconds);
    u_.wait.processEvents();
}

void RigControl::ChangeFrequency(float frequencyMHz) {
    if (!timer_->active()) {
        return;
    }
    timer_->stop();
    // The daemon's answers are whole lines read in order: none is thrown away,
    // so that no answer is cut in two.
    if (config_.rigType != kPegasus && !usesRigctld()) {
        (void)link().takeInput();
    }
    status_.rxBuffer.clear();
    ChangeMode(frequencyMHz, {});
    WaitForSendDrain();
    if (Status s = sendFrequency(frequencyMHz); !s) {
        u_.dialogs.messageBox("Error Changing Frequency", s.message(), MessageButtons::Ok,
                              MessageIcon::Critical);
        return;
    }
    WaitForSendDrain();
    timer_->start();
}

Status RigControl::sendFrequency(float frequencyMHz) {
    const CommandContext context{config_.rigType, config_.frequencyQuery, config_.modeQuery,
                                 status_.reading.kenwoodVfo, status_.reading.modeText};
    const FrequencyCommand command = frequencyCommand(context, frequencyMHz);
    if (command.refusal) {
        // Nothing went to the radio: polling simply goes on.
        u_.dialogs.messageBox("Error Changing Frequency", *command.refusal, MessageButtons::Ok,
                              MessageIcon::Warning);
        return Status::success();
    }
    for (const std::uint32_t pause : command.pausesMs) {
        PauseMs(pause);
    }
    if (config_.rigType == kPegasus) {
        return u_.pegasus.replace(kPegasusIn, command.pegasusFile);
    }
    if (command.bytes.empty()) {
        return Status::success();
    }
    return link().write(command.bytes);
}

void RigControl::ChangeMode(float frequencyMHz, std::string mode) {
    if (config_.rigType == "None") {
        return;
    }
    if (mode.empty()) {
        mode = BandPlanModeForFrequency(bandPlan_, frequencyMHz);
    }
    if (mode.empty()) {
        return;
    }
    u_.wait.processEvents();
    WaitForSendDrain();
    PauseMs(99);
    const CommandContext context{config_.rigType, config_.frequencyQuery, config_.modeQuery,
                                 status_.reading.kenwoodVfo, status_.reading.modeText};
    if (const auto command = modeCommand(context, mode)) {
        if (Status s = link().write(*command); !s) {
            u_.dialogs.messageBox("Error Changing Mode", s.message() + " " + mode,
                                  MessageButtons::Ok, MessageIcon::Critical);
        }
    }
    WaitForSendDrain();
}

void RigControl::sendRaw(std::string_view bytes) {
    (void)link().write(bytes);
}

void RigControl::unload() {
    if (timer_->active()) {
        if (const std::string_view bytes = bytesAtUnload(config_.rigType); !bytes.empty()) {
            (void)link().write(bytes);
        }
    }
    timer_->stop();
    if (u_.link.isOpen()) {
        u_.link.close();
    }
    if (u_.rigctld && u_.rigctld->isOpen()) {
        u_.rigctld->close();
    }
    if (u_.daemon && u_.daemon->running()) {
        daemonExpected_ = true;
        u_.daemon->stop();
    }
}

} // namespace qv
