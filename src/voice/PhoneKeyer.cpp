#include "voice/PhoneKeyer.h"

#include "base/Numbers.h"

namespace qv {
namespace {

bool blank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

// The push-to-talk port as the settings give it; 0 or less is none.
double portValue(const WaveSettings& s) {
    return leadingNumber(s.port);
}

} // namespace

PhoneKeyer::PhoneKeyer(Uses uses) : u_(uses) {
    timer1_ = u_.timers.create(kWatchMs, [this] { Timer1Tick(); });
    tmrRepeat_ = u_.timers.create(
        0, [this] { tmrRepeatTick(); }, true);
}

PhoneKeyer::~PhoneKeyer() {
    // The transmitter is never left keyed when the program ends.
    dropPtt();
}

void PhoneKeyer::applySettings(const WaveSettings& settings) {
    settings_ = settings;
    setRepeatInterval(repeatIntervalOf(settings_.loopSeconds));
}

std::uint32_t PhoneKeyer::repeatInterval() const {
    return tmrRepeat_->interval();
}

void PhoneKeyer::setRepeatInterval(std::uint32_t milliseconds) {
    tmrRepeat_->setInterval(milliseconds);
}

void PhoneKeyer::cancelRepeat() {
    repeatArmed_ = false;
    tmrRepeat_->stop();
}

bool PhoneKeyer::playing() const {
    return u_.player.playing() || (u_.speaker && u_.speaker->speaking());
}

void PhoneKeyer::stop() {
    u_.player.stop();
    if (u_.speaker) {
        u_.speaker->stop();
    }
}

void PhoneKeyer::FKeyPhone(int keyCode) {
    if (keyCode < kKeyF1 || keyCode > kKeyF9) {
        return;
    }
    // A new message ends the one playing and any pause before a repeat.
    stop();
    tmrRepeat_->stop();
    const auto key = static_cast<std::size_t>(keyCode - kKeyF1);
    const std::string& file = settings_.files[key];
    if (keyCode == kKeyF1 && leadingNumber(settings_.loopSeconds) > 0) {
        repeatArmed_ = true;
    }
    const bool hasFile = !blank(file);
    const std::string& words = settings_.speak[key];
    if (!hasFile && (!u_.speaker || blank(words))) {
        return;
    }
    if (!raisePtt()) {
        return;
    }
    if (hasFile) {
        u_.player.play(file);
    } else {
        u_.speaker->say(words);
    }
    timer1_->start();
}

bool PhoneKeyer::PhoneSetup() {
    const double value = portValue(settings_);
    if (!(value > 0)) {
        return false;
    }
    u_.portRule.beforeVoiceLinkOpens();
    if (u_.link.isOpen()) {
        u_.link.close();
    }
    const std::int64_t port = value < 32768 ? roundHalfEven(value) : 0;
    Status opened = Status::failure("not a port number");
    if (port >= 1) {
        u_.link.setPort(static_cast<int>(port));
        // Both lines start low: the transmitter must not key as the port opens.
        (void)u_.link.setDtr(false);
        (void)u_.link.setRts(false);
        opened = u_.link.open();
    }
    if (opened) {
        return true;
    }
    u_.beeper.beep();
    u_.dialogs.messageBox(kInvalidPhonePortTitle, kInvalidPhonePortText, MessageButtons::Ok,
                          MessageIcon::Information);
    if (window_ && !window_->windowVisible()) {
        window_->showWindowModally();
    }
    return false;
}

bool PhoneKeyer::raisePtt() {
    if (portValue(settings_) > 0) {
        if (!u_.link.isOpen() && !PhoneSetup()) {
            return false;
        }
        const bool dtr = settings_.line == PttLine::Dtr;
        if (!(dtr ? u_.link.setDtr(true) : u_.link.setRts(true))) {
            return false;
        }
        (dtr ? raisedDtr_ : raisedRts_) = true;
    }
    if (settings_.line == PttLine::Parallel) {
        const double base = leadingNumber(settings_.parallelBase);
        const bool valid = base >= 1 && base <= 0xFFFF;
        const auto address = valid ? static_cast<std::uint32_t>(roundHalfEven(base)) : 0U;
        if (valid && (!u_.parallel.isOpen() || parallelBase_ != address)) {
            parallelBase_ = address;
            if (!u_.parallel.open(address)) {
                u_.parallel.close();
            }
        }
        if (!valid || !u_.parallel.isOpen() || !u_.parallel.write(ParallelRegister::Control, 3)) {
            // Half a push-to-talk is none: the serial line goes down again.
            dropPtt();
            return false;
        }
        raisedParallel_ = true;
    }
    return true;
}

void PhoneKeyer::dropPtt() {
    if (raisedDtr_) {
        (void)u_.link.setDtr(false);
    }
    if (raisedRts_) {
        (void)u_.link.setRts(false);
    }
    raisedDtr_ = false;
    raisedRts_ = false;
    if (raisedParallel_ && u_.parallel.isOpen()) {
        (void)u_.parallel.write(ParallelRegister::Control, 2);
    }
    raisedParallel_ = false;
}

void PhoneKeyer::Timer1Tick() {
    if (playing()) {
        return;
    }
    timer1_->stop();
    dropPtt();
    if (repeatArmed_ && tmrRepeat_->interval() > 0) {
        tmrRepeat_->start();
    }
}

void PhoneKeyer::tmrRepeatTick() {
    tmrRepeat_->stop();
    FKeyPhone(kKeyF1);
}

} // namespace qv
