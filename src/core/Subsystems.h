#pragma once

// What the main window asks of the subsystems around the log. Each subsystem
// implements its interface; until it exists, the stand-in here does nothing.

#include <string>

namespace qv {

// Spoken field names and warnings for operators who cannot see the screen.
class VoiceNavigation {
public:
    virtual ~VoiceNavigation() = default;
    // Plays the word; when navigation is on, returns once it has been spoken.
    virtual void BlindKeyPhone(const std::string& word) = 0;
};

// The CW keyer's copy of the call being typed, for messages that send it.
class KeyerCallText {
public:
    virtual ~KeyerCallText() = default;
    virtual void setCurrentCall(const std::string& call) = 0;
};

// The band map beside the entry line.
class BandMapView {
public:
    virtual ~BandMapView() = default;
    virtual bool shown() const = 0;
    virtual void rebuildForBand(const std::string& band) = 0;
};

// The windows the main window's Ctrl shortcuts open.
enum class ShortcutWindow { SpectrumMap, Spotting, Privileges, Tuning, VoiceKeyer, Rig };

class ShortcutWindows {
public:
    virtual ~ShortcutWindows() = default;
    virtual void open(ShortcutWindow window) = 0;
};

// The recorded voice messages on the function keys.
class VoiceKeyer {
public:
    virtual ~VoiceKeyer() = default;
    virtual bool repeatArmed() const = 0;
    virtual void cancelRepeat() = 0;
    virtual void FKeyPhone(int keyCode) = 0;
    virtual bool playing() const = 0;
    virtual void stop() = 0;
};

// The CW keyer: its send buffer, keyboard CW, speed and messages.
class CwKeyer {
public:
    virtual ~CwKeyer() = default;
    virtual int keyingSelection() const = 0; // 0: no keying line chosen; 5: the WinKeyer
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
    virtual void FKeyCW(int keyCode) = 0;
};

// The external WinKeyer keyer.
class WinKeyer {
public:
    virtual ~WinKeyer() = default;
    virtual bool open() const = 0;
    virtual int status() = 0; // above 0 while sending
    virtual void clearBuffer() = 0;
    virtual void backspace() = 0;
};

class NoVoiceNavigation : public VoiceNavigation {
public:
    void BlindKeyPhone(const std::string&) override {}
};

class NoKeyerCallText : public KeyerCallText {
public:
    void setCurrentCall(const std::string&) override {}
};

class NoBandMap : public BandMapView {
public:
    bool shown() const override { return false; }
    void rebuildForBand(const std::string&) override {}
};

class NoShortcutWindows : public ShortcutWindows {
public:
    void open(ShortcutWindow) override {}
};

class NoVoiceKeyer : public VoiceKeyer {
public:
    bool repeatArmed() const override { return false; }
    void cancelRepeat() override {}
    void FKeyPhone(int) override {}
    bool playing() const override { return false; }
    void stop() override {}
};

class NoCwKeyer : public CwKeyer {
public:
    int keyingSelection() const override { return 0; }
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
    void FKeyCW(int) override {}
};

class NoWinKeyer : public WinKeyer {
public:
    bool open() const override { return false; }
    int status() override { return 0; }
    void clearBuffer() override {}
    void backspace() override {}
};

} // namespace qv
