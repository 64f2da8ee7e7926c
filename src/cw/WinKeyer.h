#pragma once

namespace qv {

// The external WinKeyer keyer, as the main window's keyboard and the CW send
// loop reach it. Every call is harmless while the keyer is closed.
class WinKeyer {
public:
    virtual ~WinKeyer() = default;
    // WinKeyerOpen: the device has been opened and answered.
    virtual bool open() const = 0;
    virtual int status() = 0; // WinKeyerStatus: above 0 while sending
    virtual void clearBuffer() = 0;
    virtual void backspace() = 0;
    // WKTransmit: hands the shared CwSendBuffer to the keyer a character at a
    // time, opening the keyer first when it is closed; with no keyer to open,
    // the buffer is emptied. Returns at once; the hand-over runs on timers.
    virtual void WKTransmit() = 0;
    // A change of the CW window's speed, forwarded while the keyer is open.
    virtual void speedChanged(int wpm) = 0;
    // Closes the device when it is open (program end, or the voice keyer
    // taking the port).
    virtual void close() = 0;
};

// Where no keyer device is wired: never open, discards what it is handed.
class NoWinKeyer : public WinKeyer {
public:
    bool open() const override { return false; }
    int status() override { return 0; }
    void clearBuffer() override {}
    void backspace() override {}
    void WKTransmit() override {}
    void speedChanged(int) override {}
    void close() override {}
};

} // namespace qv
