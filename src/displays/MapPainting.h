#pragma once

// The multiplier map's painting: every worked multiplier's area filled from
// its seeds in a random colour of its own.

#include "displays/MapSeeds.h"
#include "displays/PixelImage.h"

#include <functional>
#include <span>
#include <string>

namespace qv {

// One of the main window's multiplier labels as the map sees it.
struct MapMultiplier {
    std::string caption; // the abbreviation, "ON"
    bool worked = false; // drawn in the worked colour
};

// A random number in [0, 1).
using MapRandom = std::function<double()>;

// For each label in order a colour is drawn (red, green and blue each 0..253),
// whether or not it was worked; a worked label's colour fills the area under
// every seed whose code equals its caption, ignoring case. Returns the number
// of pixels painted.
long paintWorkedMultipliers(PixelImage& map, std::span<const MapSeed> seeds,
                            std::span<const MapMultiplier> multipliers, const MapRandom& random);

} // namespace qv
