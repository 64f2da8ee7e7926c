#pragma once

namespace qv {

// The recorded voice messages on the function keys, as the main window's
// keyboard reaches them.
class VoiceKeyer {
public:
    virtual ~VoiceKeyer() = default;
    virtual bool repeatArmed() const = 0;
    virtual void cancelRepeat() = 0;
    virtual void FKeyPhone(int keyCode) = 0;
    virtual bool playing() const = 0;
    virtual void stop() = 0;
};

// Until the voice keyer is built: plays nothing.
class NoVoiceKeyer : public VoiceKeyer {
public:
    bool repeatArmed() const override { return false; }
    void cancelRepeat() override {}
    void FKeyPhone(int) override {}
    bool playing() const override { return false; }
    void stop() override {}
};

} // namespace qv
