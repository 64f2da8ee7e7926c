#pragma once

// The seed points of the multiplier map: for each of the 71 seeds, the region
// code it stands for and the pixel of data/map.png from which its area is
// filled. Generated with the map by tools/map/make-map.py.

#include <array>
#include <string_view>

namespace qv {

struct MapSeed {
    std::string_view code; // "FL", "MI", ...
    int x = 0;             // pixel column in the map picture
    int y = 0;             // pixel row in the map picture
};

inline constexpr int kMapWidth = 479;
inline constexpr int kMapHeight = 442;
inline constexpr int kMapSeedCount = 71;
inline constexpr const char* kMapFileName = "map.png";

// Seeds by index 0..70, in the order the map window numbers them.
const std::array<MapSeed, kMapSeedCount>& mapSeeds();

} // namespace qv
