#pragma once

// The WinKeyer as the rest of the program reaches it: WinKeyerOpen (the version
// of the open keyer, 0 when closed), its status, and WKTransmit, which hands the
// CW send buffer over one character at a time on a 10 ms timer, holding back
// while the keyer reports its buffer full. Opening and closing go through the
// setup window when it exists, so that its status texts follow.

#include "cw/CwSendBuffer.h"
#include "cw/WinKeyer.h"
#include "cw/winkeyer/WinKeyerLibrary.h"
#include "platform/Timer.h"

#include <cstdint>
#include <memory>

namespace qv {

// The setup window's Open and Close.
class WinKeyerWindow {
public:
    virtual ~WinKeyerWindow() = default;
    virtual void openKeyer() = 0;
    virtual void closeKeyer() = 0;
};

class WinKeyerSender : public WinKeyer {
public:
    static constexpr std::uint32_t kCharacterMs = 10;

    struct Uses {
        WinKeyerLibrary& device;
        CwSendBuffer& buffer;
        Timers& timers;
    };
    explicit WinKeyerSender(Uses uses);

    void setWindow(WinKeyerWindow* window) { window_ = window; }
    // The port opened when there is no window to open the keyer.
    void setPort(std::uint8_t port) { port_ = port; }

    std::uint8_t version() const { return version_; }
    void setVersion(std::uint8_t version) { version_ = version; }
    int lastStatus() const { return status_; }
    // The hand-over is running.
    bool transmitting() const { return timer_->active(); }
    WinKeyerLibrary& device() { return u_.device; }

    // WinKeyer
    bool open() const override { return version_ != 0; }
    int status() override;
    void clearBuffer() override { u_.device.wk_clearbuf(); }
    void backspace() override { u_.device.wk_backspace(); }
    void WKTransmit() override;
    void speedChanged(int wpm) override;
    void close() override;

private:
    void tick();

    Uses u_;
    std::unique_ptr<Timer> timer_;
    WinKeyerWindow* window_ = nullptr;
    std::uint8_t port_ = 5;
    std::uint8_t version_ = 0;
    int status_ = 0;
};

} // namespace qv
