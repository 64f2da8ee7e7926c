// The band maps as data: scales, marks, and which spots are shown where and in
// what colour.

#include "spots/BandMapLayout.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

const DateTime kNow = *DateTime::fromFields(2007, 1, 13, 9, 0, 0);

struct Spot {
    const char* call;
    float mhz;
    std::int64_t ageSeconds = 0;
};

SpotStore storeOf(std::initializer_list<Spot> spots) {
    SpotStore store;
    for (const Spot& s : spots) {
        store.add(s.call, s.mhz, kNow.addSeconds(-s.ageSeconds));
    }
    return store;
}

std::vector<std::string> callsOf(const std::vector<SpotLabel>& labels) {
    std::vector<std::string> calls;
    for (const SpotLabel& label : labels) {
        calls.push_back(label.tip.substr(0, label.tip.find(' ')));
    }
    return calls;
}

using Marks = std::array<std::string, 5>;

TEST(BandMapRange, BandsOfTheMainWindow) {
    struct Case {
        const char* band;
        double low;
        double high;
    };
    const Case cases[] = {{"160", 1.8, 2.0}, {"20", 14.0, 14.35}, {"10", 28.0, 29.7},
                          {"2", 144, 148},   {"440", 420, 450},   {"70", 0, 0},
                          {"", 0, 0},        {"30", 0, 0}};
    for (const Case& c : cases) {
        const BandRange r = bandMapRange(c.band);
        EXPECT_EQ(r.low, c.low) << c.band;
        EXPECT_EQ(r.high, c.high) << c.band;
    }
}

TEST(SpotAgeColour, YellowWhiteSilverThenNothing) {
    struct Case {
        std::int64_t age;
        std::optional<Colour> colour;
    };
    const Colour yellow = rgb(255, 255, 128);
    const Colour white = rgb(255, 255, 255);
    const Colour silver = rgb(192, 192, 192);
    const Case cases[] = {{-5, yellow},         {0, yellow},    {599, yellow},
                          {600, white},         {1799, white},  {1800, silver},
                          {59 * 60, silver},    {3599, silver}, {3600, std::nullopt},
                          {86400, std::nullopt}};
    for (const Case& c : cases) {
        EXPECT_EQ(spotAgeColour(c.age), c.colour) << c.age;
    }
}

TEST(ZoomedScale, TheScaleZoomsOntoTwoOrMoreSpots) {
    struct Case {
        std::initializer_list<Spot> spots;
        Marks marks;
    };
    const Case cases[] = {
        {{{"JA1ABC", 14.025f}, {"W1AW", 14.195f}},
         {"14.024", "14.067", "14.110", "14.153", "14.196"}},
        {{{"JA1ABC", 14.195f}, {"W1AW", 14.025f}, {"K1TTT", 14.1f}},
         {"14.024", "14.067", "14.110", "14.153", "14.196"}},
        {{{"JA1ABC", 14.025f}}, {"14.000", "14.088", "14.175", "14.262", "14.350"}},
        {{{"JA1ABC", 14.025f}, {"W1AW", 14.025f}},
         {"14.000", "14.088", "14.175", "14.262", "14.350"}},
        // The band edges are outside the band.
        {{{"JA1ABC", 14.0f}, {"W1AW", 14.35f}}, {"14.000", "14.088", "14.175", "14.262", "14.350"}},
        {{{"JA1ABC", 14.025f}, {"W1AW", 7.1f}}, {"14.000", "14.088", "14.175", "14.262", "14.350"}},
    };
    for (const Case& c : cases) {
        const Scale scale = zoomedScale(storeOf(c.spots), bandMapRange("20"));
        EXPECT_EQ(scale.marks, c.marks) << c.marks[0];
        EXPECT_EQ(scale.low, std::stod(c.marks[0]));
        EXPECT_EQ(scale.high, std::stod(c.marks[4]));
    }
}

TEST(ZoomedScale, SlotZeroIsNotLookedAt) {
    SpotStore store = storeOf({{"JA1ABC", 14.3f}, {"W1AW", 14.025f}});
    for (int i = 0; i < 48; ++i) {
        store.add("K" + std::to_string(i) + "X", 14.1f, kNow);
    }
    ASSERT_EQ(store.slot(0).call, "JA1ABC");
    EXPECT_EQ(zoomedScale(store, bandMapRange("20")).marks[4], "14.101");
}

TEST(ZoomedScale, MarksBelowOneHaveNoLeadingZero) {
    const Scale none = zoomedScale(SpotStore(), bandMapRange("70"));
    EXPECT_EQ(none.marks, (Marks{".000", ".000", ".000", ".000", ".000"}));
    const Scale low = zoomedScale(storeOf({{"A1A", 0.4f}, {"B1B", 0.9f}}), {0.1, 1.2});
    EXPECT_EQ(low.marks, (Marks{".399", ".524", ".650", ".775", ".901"}));
    EXPECT_DOUBLE_EQ(low.low, 0.399);
}

TEST(LayoutBandMap, SpotsOfTheBandPlacedAlongTheAxisNewestFirst) {
    const SpotStore store =
        storeOf({{"JA1ABC", 14.025f}, {"DL1ABC", 7.01f}, {"W1AW/3", 14.195f}, {"VK2XX", 14.0f}});
    const BandMapLayout layout = layoutBandMap(store, "20", kNow, 5);
    ASSERT_EQ(layout.labels.size(), 2u);
    const SpotLabel& newest = layout.labels[0];
    EXPECT_EQ(newest.slot, 48u);
    EXPECT_EQ(newest.caption, "W3");
    EXPECT_EQ(newest.tip, "W1AW/3  14.195  14:00:00");
    EXPECT_EQ(newest.colour, rgb(255, 255, 128));
    EXPECT_EQ(newest.row, 0);
    EXPECT_NEAR(newest.position, (14.195 - 14.024) / 0.172, 1e-5);
    EXPECT_EQ(layout.labels[1].slot, 46u);
    EXPECT_NEAR(layout.labels[1].position, (14.025 - 14.024) / 0.172, 1e-5);
    for (const SpotLabel& label : layout.labels) {
        EXPECT_GT(label.position, 0.0);
        EXPECT_LT(label.position, 1.0);
    }
}

TEST(LayoutBandMap, TheTipShowsUtc) {
    SpotStore store;
    store.add("JA1ABC", 14.025f, *DateTime::fromFields(2007, 1, 13, 1, 2, 3));
    const DateTime now = *DateTime::fromFields(2007, 1, 13, 1, 5, 0);
    EXPECT_EQ(layoutBandMap(store, "20", now, -5).labels.at(0).tip, "JA1ABC  14.025  20:02:03");
    EXPECT_EQ(layoutBandMap(store, "20", now, 0).labels.at(0).tip, "JA1ABC  14.025  01:02:03");
}

TEST(LayoutBandMap, AgesColoursAndTheHourThatEndsTheWalk) {
    struct Case {
        std::initializer_list<Spot> spots; // oldest first
        std::vector<std::string> shown;    // newest first
        std::vector<Colour> colours;
    };
    const Colour yellow = rgb(255, 255, 128);
    const Colour white = rgb(255, 255, 255);
    const Colour silver = rgb(192, 192, 192);
    const Case cases[] = {
        {{{"A1A", 14.01f, 59 * 60}, {"B1B", 14.02f, 20 * 60}, {"C1C", 14.03f, 9 * 60}},
         {"C1C", "B1B", "A1A"},
         {yellow, white, silver}},
        {{{"A1A", 14.01f, 10}, {"B1B", 14.02f, 3600}, {"C1C", 14.03f, 0}}, {"C1C"}, {yellow}},
        // An old spot on another band does not end the walk.
        {{{"A1A", 14.01f, 10}, {"B1B", 7.02f, 7200}, {"C1C", 14.03f, 0}},
         {"C1C", "A1A"},
         {yellow, yellow}},
    };
    for (const Case& c : cases) {
        const BandMapLayout layout = layoutBandMap(storeOf(c.spots), "20", kNow, 0);
        EXPECT_EQ(callsOf(layout.labels), c.shown);
        std::vector<Colour> colours;
        for (const SpotLabel& label : layout.labels) {
            colours.push_back(label.colour);
        }
        EXPECT_EQ(colours, c.colours);
    }
}

TEST(LayoutBandMap, RemovedSpotsAndThe70cmBandShowNothing) {
    SpotStore store = storeOf({{"JA1ABC", 14.025f}, {"W1AW", 432.1f}});
    EXPECT_TRUE(layoutBandMap(store, "70", kNow, 0).labels.empty());
    store.remove(48);
    EXPECT_TRUE(layoutBandMap(store, "20", kNow, 0).labels.empty());
}

TEST(LayoutSpectrum, EachSpotOnTheRowOfItsFixedRange) {
    const SpotStore store = storeOf({{"A1A", 10.12f},
                                     {"B1B", 10.16f},
                                     {"C1C", 14.025f},
                                     {"D1D", 14.195f},
                                     {"E1E", 432.1f},
                                     {"F1F", 1.85f}});
    const SpectrumLayout layout = layoutSpectrum(store, kNow, 0);
    ASSERT_EQ(callsOf(layout.labels), (std::vector<std::string>{"F1F", "D1D", "C1C", "A1A"}));
    EXPECT_EQ(layout.labels[0].row, 0);
    EXPECT_EQ(layout.labels[1].row, 4);
    EXPECT_EQ(layout.labels[3].row, 3);
    EXPECT_EQ(std::string(kSpectrumRows[3].band), "30");
    EXPECT_NEAR(layout.labels[3].position, (10.12 - 10.1) / 0.05, 1e-5);
    EXPECT_NEAR(layout.labels[2].position, (14.025 - 14.024) / 0.172, 1e-5);

    EXPECT_EQ(layout.scales[4].marks, (Marks{"14.024", "14.067", "14.110", "14.153", "14.196"}));
    EXPECT_EQ(layout.scales[0].marks, (Marks{"1.800", "1.850", "1.900", "1.950", "2.000"}));
    EXPECT_EQ(layout.scales[10].marks,
              (Marks{"144.000", "145.000", "146.000", "147.000", "148.000"}));
}

TEST(LayoutSpectrum, AnHourOldSpotEndsTheWalkOnEveryRow) {
    const SpotStore store =
        storeOf({{"A1A", 7.01f, 10}, {"B1B", 432.1f, 3600}, {"C1C", 14.03f, 1800}});
    const SpectrumLayout layout = layoutSpectrum(store, kNow, 0);
    EXPECT_EQ(callsOf(layout.labels), (std::vector<std::string>{"C1C"}));
    EXPECT_EQ(layout.labels.at(0).colour, rgb(192, 192, 192));
}

} // namespace
} // namespace qv
