#pragma once

// The start-up check of the profile's UTC offset against the computer's clocks.

#include "base/DateTime.h"
#include "core/StationProfile.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"

#include <string>

namespace qv {

inline constexpr const char* kUtcOffsetTitle = "Update the Local Time / UTC Offset?";

// UTC minus local time in whole minutes, in hours rounded to two decimals.
float recommendedUtcOffset(const DateTime& utc, const DateTime& local);

// The input box's prompt.
std::string utcOffsetPrompt(const DateTime& utc, const DateTime& local, float recommended,
                            float current);

// Proposes the clocks' offset when it differs from the profile's; a numeric answer
// becomes the profile's offset. True when it did: the caller then saves the
// preferences file.
bool CheckUtcOffset(StationProfile& profile, Clock& clock, Dialogs& dialogs);

} // namespace qv
