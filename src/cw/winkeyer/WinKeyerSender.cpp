#include "cw/winkeyer/WinKeyerSender.h"

#include "cw/winkeyer/WinKeyerCodec.h"

namespace qv {

WinKeyerSender::WinKeyerSender(Uses uses)
    : u_(uses), timer_(u_.timers.create(kCharacterMs, [this] { tick(); })) {}

int WinKeyerSender::status() {
    status_ = u_.device.wk_getstatus();
    return status_;
}

void WinKeyerSender::WKTransmit() {
    if (!open()) {
        if (window_) {
            window_->openKeyer();
        } else {
            std::uint8_t version = 0;
            if (u_.device.wk_open(version, port_) != WinKeyerResult::AlreadyOpen && version != 0) {
                version_ = version;
            }
        }
        if (!open()) {
            u_.buffer.clear();
            return;
        }
    }
    // A running hand-over picks up what was added; otherwise the first
    // character goes at the next tick.
    if (!timer_->active() && !u_.buffer.empty()) {
        timer_->start();
    }
}

void WinKeyerSender::tick() {
    if (u_.buffer.empty()) {
        timer_->stop();
        return;
    }
    if (status() >= winkeyer::kStatusBufferFull) {
        return; // the keyer holds enough: try again at the next tick
    }
    const auto code = static_cast<std::uint8_t>(u_.buffer.takeFirst());
    if (code > 0) {
        u_.device.wk_char(code);
    }
    if (u_.buffer.empty()) {
        timer_->stop();
    }
}

void WinKeyerSender::speedChanged(int wpm) {
    if (open() && wpm > 4 && wpm < 100) {
        u_.device.wk_wpm(static_cast<std::uint8_t>(wpm));
    }
}

void WinKeyerSender::close() {
    if (!open()) {
        return;
    }
    if (window_) {
        window_->closeKeyer();
    } else {
        u_.device.wk_close();
        version_ = 0;
    }
}

} // namespace qv
