#pragma once

// The "Time On"/"Time Off" operating clock and the window's clocks.

#include "app/Form1Preferences.h"
#include "app/Form1State.h"
#include "core/OperatingState.h"
#include "core/StationProfile.h"
#include "platform/Clock.h"

#include <string>

namespace qv {

inline constexpr const char* kTimeOnCaption = "&Log \"Time On\"";
inline constexpr const char* kTimeOffCaption = "&Log \"Time Off\"";

// HH:MM:SS, two digits each; hours above 99 keep only their last two digits.
std::string formatOperatingTime(float seconds);

class OperatingClock {
public:
    struct Uses {
        Form1State& ui;
        OperatingState& op;
        Clock& clock;
        const StationProfile& profile;
        Form1Preferences& preferences;
    };
    explicit OperatingClock(Uses uses) : u_(uses) {}

    // cmdLogOn: starts the clock, or stops it with "Logged Off at ...".
    void cmdLogOn_Click();
    // Timer2, every second: the UTC, local and operating-time clocks.
    void tick();
    // The accumulated operating time on its display.
    void showOperatingTime();
    // Ends a running period into operatingSeconds (closing the window, "&Exit").
    void settle();

private:
    Uses u_;
};

} // namespace qv
