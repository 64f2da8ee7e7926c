#include "cw/winkeyer/WinKeyerDevice.h"

#include "cw/winkeyer/WinKeyerCodec.h"

namespace qv {

namespace wk = winkeyer;

WinKeyerDevice::WinKeyerDevice(Uses uses) : u_(uses) {
    u_.link.setEventHandler([this](const SerialEvent& event) { linkEvent(event); });
}

WinKeyerDevice::~WinKeyerDevice() {
    wk_close();
    u_.link.setEventHandler({});
}

void WinKeyerDevice::linkEvent(const SerialEvent& event) {
    if (event.kind == SerialEvent::Kind::Error) {
        // The port went away (an adapter pulled out): the keyer is gone with it.
        open_ = false;
        statusFlags_ = 0;
        return;
    }
    pump();
}

void WinKeyerDevice::pump() {
    for (const wk::Reply& r : wk::decode(u_.link.takeInput())) {
        switch (r.kind) {
        case wk::Reply::Kind::Status:
            statusFlags_ = r.value;
            break;
        case wk::Reply::Kind::SpeedPot:
            speedPot_ = r.value;
            break;
        case wk::Reply::Kind::Data:
            // Only the open waits for plain bytes; echoed characters are not kept.
            if (data_.size() < 64) {
                data_.push_back(r.value);
            }
            break;
        }
    }
}

bool WinKeyerDevice::awaitData(std::uint32_t timeoutMs, std::uint8_t& byte) {
    const std::uint32_t start = u_.clock.milliseconds();
    for (;;) {
        pump();
        if (!data_.empty()) {
            byte = data_.front();
            data_.pop_front();
            return true;
        }
        if (!u_.link.isOpen() || u_.clock.milliseconds() - start >= timeoutMs) {
            return false;
        }
        u_.wait.sleep(kPollMs);
    }
}

void WinKeyerDevice::dropLink() {
    u_.link.close();
    open_ = false;
    statusFlags_ = 0;
    data_.clear();
}

WinKeyerResult WinKeyerDevice::wk_open(std::uint8_t& version, std::uint8_t port) {
    if (open_) {
        return WinKeyerResult::AlreadyOpen;
    }
    u_.link.setPort(port);
    u_.link.setSettings(wk::kLineSettings);
    u_.link.setHandshaking(Handshaking::None);
    if (!u_.link.open().ok()) {
        return WinKeyerResult::ComOpenFailed;
    }
    // Some keyers draw their power from DTR; RTS stays low.
    (void)u_.link.setDtr(true);
    (void)u_.link.setRts(false);
    (void)u_.link.takeInput();
    data_.clear();
    statusFlags_ = 0;

    std::uint8_t answer = 0;
    if (!u_.link.write(wk::resync() + wk::echoTest(wk::kEchoProbe)).ok() ||
        !awaitData(kEchoTimeoutMs, answer)) {
        dropLink();
        return WinKeyerResult::NoEchoResponse;
    }
    if (answer != wk::kEchoProbe) {
        dropLink();
        return WinKeyerResult::EchoMismatch;
    }
    data_.clear();
    if (!u_.link.write(wk::hostOpen()).ok() || !awaitData(kOpenTimeoutMs, answer) || answer == 0) {
        dropLink();
        return WinKeyerResult::NoOpenResponse;
    }
    open_ = true;
    version = answer;
    return WinKeyerResult::Success;
}

void WinKeyerDevice::wk_close() {
    if (open_) {
        send(wk::hostClose());
    }
    if (u_.link.isOpen()) {
        u_.link.close();
    }
    open_ = false;
    statusFlags_ = 0;
    data_.clear();
}

void WinKeyerDevice::send(const std::string& bytes) {
    if (!open_) {
        return;
    }
    if (!u_.link.write(bytes).ok()) {
        open_ = false; // the port closed under us
    }
}

void WinKeyerDevice::wk_char(std::uint8_t code) {
    if (const auto bytes = wk::character(code)) {
        send(*bytes);
    }
}

int WinKeyerDevice::wk_getstatus() {
    if (!open_) {
        return wk::kStatusIdle;
    }
    pump();
    data_.clear();
    return wk::statusValue(statusFlags_);
}

void WinKeyerDevice::wk_clearbuf() {
    send(wk::clearBuffer());
}
void WinKeyerDevice::wk_backspace() {
    send(wk::backspace());
}
void WinKeyerDevice::wk_wpm(std::uint8_t wpm) {
    send(wk::speed(wpm));
}
void WinKeyerDevice::wk_weight(std::uint8_t weight) {
    send(wk::weight(weight));
}
void WinKeyerDevice::wk_ptt_leadtail(std::uint8_t leadIn, std::uint8_t tail) {
    send(wk::pttLeadTail(leadIn, tail));
}
void WinKeyerDevice::wk_ditdah_ratio(std::uint8_t ratio) {
    send(wk::ditDahRatio(ratio));
}
void WinKeyerDevice::wk_pincfg(std::uint8_t config) {
    send(wk::pinConfig(config));
}
void WinKeyerDevice::wk_setmode(std::uint8_t mode) {
    send(wk::mode(mode));
}

} // namespace qv
