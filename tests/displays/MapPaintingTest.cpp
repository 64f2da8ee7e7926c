// The multiplier map's painting on a small drawn map: which areas, which colour.

#include "displays/MapPainting.h"

#include <deque>
#include <vector>

#include <gtest/gtest.h>

namespace qv {
namespace {

constexpr Colour kLand = rgb(250, 250, 220);
constexpr Colour kBorder = rgb(0, 0, 0);

// 9 x 5 pixels: three areas of land split by two border columns (x 3 and x 6);
// "QU" has seeds in two of them.
PixelImage threeAreas() {
    PixelImage map(9, 5, kLand);
    for (int y = 0; y < 5; ++y) {
        map.at(3, y) = kBorder;
        map.at(6, y) = kBorder;
    }
    return map;
}

const std::vector<MapSeed> kSeeds = {{"ON", 1, 2}, {"QU", 4, 2}, {"PR", 5, 0}, {"qu", 8, 4}};

// Random numbers from a list, then 0.
MapRandom scripted(std::deque<double> values) {
    return [values]() mutable {
        if (values.empty()) {
            return 0.0;
        }
        const double v = values.front();
        values.pop_front();
        return v;
    };
}

std::vector<Colour> column(const PixelImage& map, int x) {
    std::vector<Colour> c;
    for (int y = 0; y < map.height; ++y) {
        c.push_back(map.at(x, y));
    }
    return c;
}

TEST(MapPainting, OnlyTheWorkedAreaIsPaintedInItsDrawnColour) {
    PixelImage map = threeAreas();
    const std::vector<MapMultiplier> labels = {{"QU", false}, {"ON", true}};
    // Every label draws its colour, worked or not: ON takes the second three.
    const long painted =
        paintWorkedMultipliers(map, kSeeds, labels, scripted({0.1, 0.2, 0.3, 0.4, 0.5, 0.999999}));
    EXPECT_EQ(painted, 15);
    const Colour drawn = rgb(101, 127, 253);
    for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(column(map, x), std::vector<Colour>(5, drawn)) << "x " << x;
    }
    for (int x = 3; x < 9; ++x) {
        EXPECT_EQ(column(map, x), column(threeAreas(), x)) << "x " << x;
    }
}

TEST(MapPainting, EveryPieceOfACodeTakesTheSameColour) {
    PixelImage map = threeAreas();
    const std::vector<MapMultiplier> labels = {{"Qu", true}};
    EXPECT_EQ(paintWorkedMultipliers(map, kSeeds, labels, scripted({0.5, 0.5, 0.5})), 20);
    EXPECT_EQ(map.at(4, 0), rgb(127, 127, 127));
    EXPECT_EQ(map.at(8, 0), rgb(127, 127, 127));
    EXPECT_EQ(map.at(0, 0), kLand);
}

TEST(MapPainting, CaptionsWithoutSeedPaintNothing) {
    PixelImage map = threeAreas();
    const std::vector<MapMultiplier> labels = {{"XX", true}, {"", true}, {"ON", false}};
    EXPECT_EQ(paintWorkedMultipliers(map, kSeeds, labels, scripted({})), 0);
    EXPECT_EQ(map.pixels, threeAreas().pixels);
}

} // namespace
} // namespace qv
