#include "geo/BearingDistance.h"

#include <cstdlib>

#include <gtest/gtest.h>

namespace qv {
namespace {

int number(const std::string& label) {
    std::string digits;
    for (char c : label) {
        if (c >= '0' && c <= '9') {
            digits += c;
        }
    }
    return std::atoi(digits.c_str());
}

TEST(HDCalc, NewJerseyToLondon) {
    const auto r = HDCalc(40, 75, 51.5f, 0.1f);
    EXPECT_GE(number(r.bearing), 50);
    EXPECT_LE(number(r.bearing), 52);
    EXPECT_GE(number(r.distance), 3500);
    EXPECT_LE(number(r.distance), 3600);
    EXPECT_EQ(r.bearing.back(), ' ');
    EXPECT_EQ(r.distance.substr(1, 1), ","); // "3,5xx "
}

TEST(HDCalc, DueWestOnTheEquatorIs270) {
    EXPECT_EQ(HDCalc(0, 0, 0, 30).bearing, "270 ");
    EXPECT_EQ(HDCalc(0, 30, 0, 0).bearing, "90 ");
}

TEST(HDCalc, DueNorthAndSouthHaveABearing) {
    const auto south = HDCalc(40, 75, 20, 75);
    EXPECT_EQ(south.bearing, "180 ");
    EXPECT_EQ(south.distance, "1,381 ");
    const auto north = HDCalc(20, 75, 40, 75);
    EXPECT_EQ(north.bearing, "360 "); // same longitude: 360 - 0
    EXPECT_EQ(north.distance, "1,381 ");
}

TEST(HDCalc, DistancesGroupThousandsWithATrailingBlank) {
    // 12345.6 miles due west along the equator.
    const float longitude = static_cast<float>(12345.6 / 3955.75791314991 * 57.29577951);
    EXPECT_EQ(HDCalc(0, 0, 0, longitude).distance, "12,346 ");
}

TEST(HDCalc, ArithmeticFailuresLeaveBothLabelsEmpty) {
    const struct {
        float lat1, lon1, lat2, lon2;
    } cases[] = {
        {40, 75, 40, 75}, // the same place
        {0, 0, 0, 180},   // the antipode
    };
    for (const auto& c : cases) {
        const auto r = HDCalc(c.lat1, c.lon1, c.lat2, c.lon2);
        EXPECT_EQ(r.bearing, "") << c.lat1 << " " << c.lon1 << " " << c.lat2 << " " << c.lon2;
        EXPECT_EQ(r.distance, "");
    }
}

} // namespace
} // namespace qv
