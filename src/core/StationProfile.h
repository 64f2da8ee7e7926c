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

} // namespace qv
