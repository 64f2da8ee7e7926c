#include "app/UtcOffsetCheck.h"

#include "base/Numbers.h"

namespace qv {

float recommendedUtcOffset(const DateTime& utc, const DateTime& local) {
    // The two clocks are read a moment apart, so the nearest whole minute is the
    // zone's difference even when a minute turned over in between.
    const auto minutes = roundHalfEven(static_cast<double>(utc.secondsSince(local)) / 60.0);
    const auto hundredths = roundHalfEven(static_cast<double>(minutes) * 100.0 / 60.0);
    return static_cast<float>(static_cast<double>(hundredths) / 100.0);
}

std::string utcOffsetPrompt(const DateTime& utc, const DateTime& local, float recommended,
                            float current) {
    const std::string gap = "\r\n\r\n";
    return "Would you like to adjust the UTC offset in this program for your local time setting?" +
           gap + "Current System Time: " + utc.hourMinuteText() + gap +
           "Current Local Time: " + local.hourMinuteText() + gap +
           "Recommended Offset Setting: " + formatShortest(recommended) + gap +
           "Current Offset Setting: " + formatShortest(current) + gap +
           "Please click OK to accept the recommended change or Cancel to keep the current "
           "setting.";
}

bool CheckUtcOffset(StationProfile& profile, Clock& clock, Dialogs& dialogs) {
    const DateTime utc = clock.utcNow();
    const DateTime local = clock.localNow();
    const float recommended = recommendedUtcOffset(utc, local);
    if (profile.utcOffsetHours == recommended) {
        return false;
    }
    const std::string answer = dialogs.inputBox(
        kUtcOffsetTitle, utcOffsetPrompt(utc, local, recommended, profile.utcOffsetHours),
        formatShortest(recommended));
    if (!isNumeric(answer) || !withinLimit(leadingNumber(answer), kUtcOffsetLimit)) {
        return false;
    }
    profile.utcOffsetHours = static_cast<float>(leadingNumber(answer));
    return true;
}

} // namespace qv
