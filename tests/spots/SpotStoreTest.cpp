// The fifty most recent spots and the band-map label of a call.

#include "spots/SpotStore.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

const DateTime kNow = *DateTime::fromFields(2007, 1, 13, 9, 0, 0);

TEST(SpotLabel, PrefixOfTheCall) {
    struct Case {
        const char* call;
        const char* label;
    };
    const Case cases[] = {
        {"W1AW", "W1"},
        {"JA1ABC", "JA1"},
        {"3DA0XYZ", "3DA0"},
        {"VP2/W1AW", "VP2"},
        {"W1AW/3", "W3"},
        {"W1AW/VP2", "VP2"},
        {"W1AW/P", "P"},
        {"KB1ABC/M", "M"},
        {"W1", ""},
        {"", ""},
        {"ABC", "ABC"},
        {"K1A", "K1"},
        {"VP2/W1A", "VP2"},
        {"ABCD/EF", "EF"},
        {"W1AW/", ""},
        {"/W1AW", ""},
        {"KB1ABC/XYZW", "XYZ"},
        {"DL/W1AW/P", "P"},
        {"W1AW/33", "W33"},
        {"JA1ABC/7", "JA7"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(spotLabel(c.call), c.label) << c.call;
    }
}

TEST(SpotStore, TheFiftyFirstSpotPushesTheFirstOut) {
    SpotStore store;
    for (int i = 0; i <= 50; ++i) {
        store.add("C" + std::to_string(i) + "X", 14.0f + static_cast<float>(i) / 1000, kNow);
    }
    EXPECT_EQ(store.slot(0).call, "C1X");
    EXPECT_EQ(store.slot(49).call, "C50X");
    EXPECT_EQ(store.slot(49).label, "C50");
    EXPECT_FLOAT_EQ(store.slot(49).frequencyMHz, 14.05f);
    EXPECT_EQ(store.slot(49).received, kNow);
    for (const SpotRecord& r : store.records()) {
        EXPECT_NE(r.call, "C0X");
    }
}

TEST(SpotStore, AnEmptyStoreHasNoTimes) {
    SpotStore store;
    store.add("W1AW", 14.025f, kNow);
    EXPECT_FALSE(store.slot(48).received);
    EXPECT_EQ(store.slot(48).frequencyMHz, 0.0f);
    EXPECT_EQ(store.slot(48).call, "");
}

TEST(SpotStore, ANewSpotOfACallZeroesItsNewestOlderEntryButNotSlotZero) {
    struct Case {
        int between;      // other spots stored between the two of the call
        std::size_t slot; // where the first one stands afterwards
        float frequency;  // and its frequency then
    };
    const Case cases[] = {{0, 48, 0.0f}, {10, 38, 0.0f}, {47, 1, 0.0f}, {48, 0, 7.01f}};
    for (const Case& c : cases) {
        SpotStore store;
        store.add("W1AW", 7.01f, kNow);
        for (int i = 0; i < c.between; ++i) {
            store.add("K" + std::to_string(i) + "X", 14.1f, kNow);
        }
        store.add("w1aw", 14.2f, kNow);
        EXPECT_EQ(store.slot(c.slot).call, "W1AW") << c.between;
        EXPECT_EQ(store.slot(c.slot).frequencyMHz, c.frequency) << c.between;
        EXPECT_FLOAT_EQ(store.slot(49).frequencyMHz, 14.2f);
        EXPECT_FLOAT_EQ(store.slot(47).frequencyMHz, c.between > 0 ? 14.1f : 0.0f);
    }
}

TEST(SpotStore, RemovedSpotsKeepTheirPlaceAndALaterSpotBringsTheCallBack) {
    SpotStore store;
    store.add("W1AW", 14.025f, kNow);
    store.add("JA1ABC", 14.1f, kNow);
    store.remove(48);
    store.remove(50); // past the last slot: nothing
    EXPECT_EQ(store.slot(48).call, "W1AW");
    EXPECT_EQ(store.slot(48).frequencyMHz, 0.0f);
    store.add("W1AW", 14.026f, kNow);
    EXPECT_FLOAT_EQ(store.slot(49).frequencyMHz, 14.026f);
}

} // namespace
} // namespace qv
