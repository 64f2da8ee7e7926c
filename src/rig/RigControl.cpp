#include "rig/RigControl.h"

#include "rig/BandConversion.h"
#include "rig/HexText.h"
#include "rig/RadioTable.h"
#include "rig/RigCommands.h"
#include "rig/RigPort.h"

#include <cstdio>

namespace qv {
namespace {

constexpr const char* kPegasus = "Ten Tec Pegasus";
constexpr std::uint32_t kDrainLimitMs = 2000;

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

RigControl::RigControl(Uses uses) : u_(uses), timer_(u_.timers.create(1000, [this] { tick(); })) {}

RigControl::~RigControl() = default;

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
    if (config_.rigType != kPegasus) {
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
    if (u_.link.isOpen()) {
        u_.link.close();
    }
}

void RigControl::tick() {
    if (status_.awaitingReply) {
        replyTick();
    } else {
        sendTick();
    }
}

void RigControl::sendTick() {
    if (u_.link.outBufferCount() == 0) {
        const SendTick send = queriesFor(queries(), status_.queryPhase);
        status_.queryPhase = send.queryPhase;
        if (!send.bytes.empty()) {
            // A port that failed under the timer ends this tick quietly.
            (void)u_.link.write(send.bytes);
        }
    }
    status_.rxBuffer.clear();
    status_.awaitingReply = true;
}

void RigControl::replyTick() {
    const bool pegasus = config_.rigType == kPegasus;
    if (!pegasus) {
        status_.rxBuffer = u_.link.takeInput();
    }
    if (pegasus || !status_.rxBuffer.empty()) {
        RigReading& reading = status_.reading;
        if (pegasus) {
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
        if (u_.link.outBufferCount() < 1 || u_.clock.milliseconds() - start >= kDrainLimitMs) {
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
    if (config_.rigType != kPegasus) {
        (void)u_.link.takeInput();
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
    return u_.link.write(command.bytes);
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
        if (Status s = u_.link.write(*command); !s) {
            u_.dialogs.messageBox("Error Changing Mode", s.message() + " " + mode,
                                  MessageButtons::Ok, MessageIcon::Critical);
        }
    }
    WaitForSendDrain();
}

void RigControl::sendRaw(std::string_view bytes) {
    (void)u_.link.write(bytes);
}

void RigControl::unload() {
    if (timer_->active()) {
        if (const std::string_view bytes = bytesAtUnload(config_.rigType); !bytes.empty()) {
            (void)u_.link.write(bytes);
        }
    }
    timer_->stop();
    if (u_.link.isOpen()) {
        u_.link.close();
    }
}

} // namespace qv
