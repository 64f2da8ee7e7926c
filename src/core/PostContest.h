#pragma once

// Dates and times typed in post-contest mode.

#include "base/DateTime.h"

#include <optional>
#include <string>
#include <string_view>

namespace qv {

// A date as typed: year first ("2007/01/13", "2007-1-13") or in the month/day/year
// order of the system's short date ("1/13/2007", "1/13/07"; two-digit years 00-29
// are 2000-2029, 30-99 are 1930-1999). Separators "/", "-" or ".". Only real
// calendar dates.
std::optional<DateTime> parseTypedDate(std::string_view text);

// A time as typed, "h:mm" or "hh:mm" with optional ":ss", 24-hour. Returns the
// time of day in seconds.
std::optional<int> parseTypedTime(std::string_view text);

// "930" -> "9:30", "1430" -> "14:30": three or four digits get a colon before the
// last two.
std::string insertTimeColon(std::string_view text);

} // namespace qv
