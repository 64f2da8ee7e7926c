#pragma once

#include <string>

namespace qv {

// The label texts beside "Bearing" and "Miles": whole degrees and whole miles
// each followed by one blank; both empty when the arithmetic fails (the same
// place, the antipode, rounding outside -1..1).
struct BearingDistance {
    std::string bearing;  // Label22
    std::string distance; // Label23
};

// Beam heading and great-circle distance from the own station (ownLat, ownLong)
// to (cntlat, cntlong); degrees, north and west positive.
BearingDistance HDCalc(float ownLat, float ownLong, float cntlat, float cntlong);

} // namespace qv
