#pragma once

// The WinKeyer on its serial port: open with the echo test and the host open,
// the settings, the characters, and the status byte the keyer reports whenever
// its state changes. Every call but the open returns at once; calls made while
// the keyer is closed do nothing.

#include "cw/winkeyer/WinKeyerLibrary.h"
#include "platform/Clock.h"
#include "platform/EventWait.h"
#include "rig/serial/SerialLink.h"

#include <cstdint>
#include <deque>

namespace qv {

class WinKeyerDevice : public WinKeyerLibrary {
public:
    // How long the keyer has to answer the echo test and the host open.
    static constexpr std::uint32_t kEchoTimeoutMs = 2000;
    static constexpr std::uint32_t kOpenTimeoutMs = 1000;
    static constexpr std::uint32_t kPollMs = 10;

    struct Uses {
        SerialLink& link; // the keyer's own port
        Clock& clock;
        EventWait& wait; // the open waits for the keyer's answers, letting events run
    };
    explicit WinKeyerDevice(Uses uses);
    ~WinKeyerDevice() override;
    WinKeyerDevice(const WinKeyerDevice&) = delete;
    WinKeyerDevice& operator=(const WinKeyerDevice&) = delete;

    // WinKeyerLibrary. The open puts the keyer in host mode: an echo test, then
    // the host open, which the keyer answers with its version.
    [[nodiscard]] WinKeyerResult wk_open(std::uint8_t& version, std::uint8_t port) override;
    void wk_close() override;
    void wk_char(std::uint8_t code) override;
    int wk_getstatus() override;
    void wk_clearbuf() override;
    void wk_backspace() override;
    void wk_wpm(std::uint8_t wpm) override;
    void wk_weight(std::uint8_t weight) override;
    void wk_ptt_leadtail(std::uint8_t leadIn, std::uint8_t tail) override;
    void wk_ditdah_ratio(std::uint8_t ratio) override;
    void wk_pincfg(std::uint8_t config) override;
    void wk_setmode(std::uint8_t mode) override;

    bool isOpen() const { return open_; }
    // The last speed-pot reading, 0 to 63, if the keyer sent one.
    int speedPot() const { return speedPot_; }

private:
    void send(const std::string& bytes);
    // Routes what has arrived: status and pot readings kept, plain bytes queued.
    void pump();
    // The next plain byte, waiting up to timeoutMs for it.
    bool awaitData(std::uint32_t timeoutMs, std::uint8_t& byte);
    void linkEvent(const SerialEvent& event);
    void dropLink();

    Uses u_;
    bool open_ = false;
    std::uint8_t statusFlags_ = 0;
    int speedPot_ = -1;
    std::deque<std::uint8_t> data_;
};

} // namespace qv
