#pragma once

// The voice keyer: F1 to F9 play the operator's recorded messages (or speak a
// key's text when it has no recording) with push-to-talk held on a serial
// line, the parallel port, or both; a 40 ms watch drops push-to-talk once the
// message has ended, and F1 can repeat after a pause. It lives for the whole
// run; its window only edits the settings it holds.

#include "platform/Beeper.h"
#include "platform/Dialogs.h"
#include "platform/Timer.h"
#include "rig/serial/SerialLink.h"
#include "voice/KeyingPortRule.h"
#include "voice/ParallelPort.h"
#include "voice/TextSpeaker.h"
#include "voice/VoiceKeyer.h"
#include "voice/WavePlayer.h"
#include "voice/WaveSettings.h"

#include <cstdint>
#include <memory>

namespace qv {

inline constexpr int kKeyF1 = 112;
inline constexpr int kKeyF9 = 120;

inline constexpr const char* kInvalidPhonePortTitle = "Invalid port.";
inline constexpr const char* kInvalidPhonePortText =
    "The port you have selected for Phone keying is invalid.  Please select another or enter 0 "
    "for none.";

// The keyer's own window, which it shows when the port it was given fails.
class PhoneKeyerWindow {
public:
    virtual ~PhoneKeyerWindow() = default;
    virtual bool windowVisible() const = 0;
    virtual void showWindowModally() = 0;
};

class PhoneKeyer : public VoiceKeyer {
public:
    static constexpr std::uint32_t kWatchMs = 40;

    struct Uses {
        WavePlayer& player;
        SerialLink& link; // the push-to-talk port, owned by the keyer alone
        ParallelPort& parallel;
        Timers& timers;
        Dialogs& dialogs;
        Beeper& beeper;
        KeyingPortRule& portRule;
        TextSpeaker* speaker = nullptr; // none: keys without a file stay silent
    };
    explicit PhoneKeyer(Uses uses);
    ~PhoneKeyer() override;
    PhoneKeyer(const PhoneKeyer&) = delete;
    PhoneKeyer& operator=(const PhoneKeyer&) = delete;

    void setWindow(PhoneKeyerWindow* window) { window_ = window; }

    // The settings in force; the window edits them in place.
    const WaveSettings& settings() const { return settings_; }
    WaveSettings& settings() { return settings_; }
    // Settings read from the file: the repeat interval follows their loop text.
    void applySettings(const WaveSettings& settings);

    std::uint32_t repeatInterval() const;
    void setRepeatInterval(std::uint32_t milliseconds);

    // VoiceKeyer
    bool repeatArmed() const override { return repeatArmed_; }
    void cancelRepeat() override;
    void FKeyPhone(int keyCode) override;
    bool playing() const override;
    void stop() override;

    // (Re)opens the push-to-talk link on the chosen port; a port that does not
    // open is reported and, when the window is hidden, the window is shown so
    // that the operator can correct it. True when the link is open.
    bool PhoneSetup();

    // What the keyer holds up right now.
    bool pttRaised() const { return raisedRts_ || raisedDtr_ || raisedParallel_; }

private:
    void Timer1Tick();
    void tmrRepeatTick();
    bool raisePtt();
    void dropPtt();

    Uses u_;
    WaveSettings settings_;
    std::unique_ptr<Timer> timer1_;
    std::unique_ptr<Timer> tmrRepeat_;
    PhoneKeyerWindow* window_ = nullptr;
    bool repeatArmed_ = false;
    // The lines raised for the message, dropped at its end even if the
    // settings change meanwhile.
    bool raisedRts_ = false;
    bool raisedDtr_ = false;
    bool raisedParallel_ = false;
    std::uint32_t parallelBase_ = 0; // the address the parallel port was opened at
};

} // namespace qv
