#include "displays/MapPainting.h"

#include "base/Cp1252.h"
#include "displays/FloodFill.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace qv {
namespace {

std::uint8_t randomLevel(const MapRandom& random) {
    const double level = std::floor(random() * 254.0);
    return static_cast<std::uint8_t>(std::clamp(level, 0.0, 253.0));
}

} // namespace

long paintWorkedMultipliers(PixelImage& map, std::span<const MapSeed> seeds,
                            std::span<const MapMultiplier> multipliers, const MapRandom& random) {
    long painted = 0;
    for (const MapMultiplier& m : multipliers) {
        const std::uint8_t red = randomLevel(random);
        const std::uint8_t green = randomLevel(random);
        const std::uint8_t blue = randomLevel(random);
        if (!m.worked) {
            continue;
        }
        for (const MapSeed& seed : seeds) {
            if (equalsIgnoreCase(seed.code, m.caption)) {
                painted += floodFill(map, seed.x, seed.y, rgb(red, green, blue));
            }
        }
    }
    return painted;
}

} // namespace qv
