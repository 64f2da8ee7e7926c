#pragma once

#include "cw/KeyingSelection.h"

namespace qv {

// The CW keyer as the main window's keyboard reaches it: its send buffer,
// keyboard CW, speed and messages.
class CwKeyer {
public:
    virtual ~CwKeyer() = default;
    virtual KeyingSelection keyingSelection() const = 0;
    virtual bool repeatArmed() const = 0;
    virtual void cancelRepeat() = 0;
    virtual bool sending() const = 0;
    virtual bool bufferEmpty() const = 0;
    virtual void clearBuffer() = 0;
    virtual void appendToBuffer(char ch) = 0;
    virtual void removeLastFromBuffer() = 0;
    virtual void LoopThroughCWBuffer() = 0;
    virtual bool keyboardMode() const = 0;
    virtual void setKeyboardMode(bool on) = 0;
    // The speed after the change, in words per minute.
    virtual int UpDown1_UpClick() = 0;
    virtual int UpDown1_DownClick() = 0;
    // The speed in force (Text11), in words per minute.
    virtual int speedWpm() const = 0;
    virtual void FKeyCW(int keyCode) = 0;
};

// Until the CW keyer is built: no keying line, nothing to send.
class NoCwKeyer : public CwKeyer {
public:
    KeyingSelection keyingSelection() const override { return KeyingSelection::None; }
    bool repeatArmed() const override { return false; }
    void cancelRepeat() override {}
    bool sending() const override { return false; }
    bool bufferEmpty() const override { return true; }
    void clearBuffer() override {}
    void appendToBuffer(char) override {}
    void removeLastFromBuffer() override {}
    void LoopThroughCWBuffer() override {}
    bool keyboardMode() const override { return false; }
    void setKeyboardMode(bool) override {}
    int UpDown1_UpClick() override { return 0; }
    int UpDown1_DownClick() override { return 0; }
    int speedWpm() const override { return 0; }
    void FKeyCW(int) override {}
};

} // namespace qv
