#pragma once

#include "base/DateTime.h"
#include "core/ContestLog.h"

#include <optional>

namespace qv {

struct QsoRates {
    int lastHour = 0;          // contacts less than 60 minutes old
    int lastTwentyMinutes = 0; // contacts less than 20 minutes old, times 3
};

// UTC from the local clock: local time plus offsetHours x 60 minutes.
DateTime utcFromLocal(const DateTime& local, float offsetHours);

// The contact rates at nowUtc, scanning newest first and stopping at the first
// record an hour old or older. nullopt when a record's date and time cannot be
// read: the displayed rates then keep their previous values.
std::optional<QsoRates> TimeStats(const ContestLog& log, const DateTime& nowUtc);

} // namespace qv
