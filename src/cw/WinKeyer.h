#pragma once

namespace qv {

// The external WinKeyer keyer, as the main window's keyboard reaches it.
class WinKeyer {
public:
    virtual ~WinKeyer() = default;
    virtual bool open() const = 0;
    virtual int status() = 0; // above 0 while sending
    virtual void clearBuffer() = 0;
    virtual void backspace() = 0;
};

// Until the WinKeyer is built: never open.
class NoWinKeyer : public WinKeyer {
public:
    bool open() const override { return false; }
    int status() override { return 0; }
    void clearBuffer() override {}
    void backspace() override {}
};

} // namespace qv
