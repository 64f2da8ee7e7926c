#pragma once

#include <string>

namespace qv {

// The operator's own station.
struct StationProfile {
    std::string ownCall;
    std::string ownSpc;
    float utcOffsetHours = 0; // UTC = local time + this many hours
    std::string ownCountry;
    float ownLongitude = 0; // degrees, west positive
    float ownLatitude = 0;  // degrees, north positive
    std::string ownContinent;
    std::string ownCategory;
    std::string ownName;
};

// The widest values a profile holds. A number beyond them is a typing slip or a
// damaged file and is treated as not numeric: it never reaches the date and
// distance arithmetic.
inline constexpr double kUtcOffsetLimit = 24; // hours either way
inline constexpr double kLongitudeLimit = 180;
inline constexpr double kLatitudeLimit = 90;

inline bool withinLimit(double value, double limit) {
    return value >= -limit && value <= limit;
}

} // namespace qv
