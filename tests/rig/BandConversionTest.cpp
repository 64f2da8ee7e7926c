// From the radio's frequency to the log's band, frequency text and modes.

#include "rig/BandConversion.h"

#include <limits>

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(BandForFrequency, OpenIntervalsOfTheLogsBands) {
    struct Case {
        float mhz;
        const char* band; // nullptr: no band
    };
    const Case cases[] = {
        {14.025f, "20"},    {1.8f, "160"},      {1.7999f, nullptr},  {2.0001f, nullptr},
        {2.0f, "160"},      {3.4999f, nullptr}, {3.5f, "80"},        {4.0f, "80"},
        {7.0f, "40"},       {7.3f, "40"},       {7.3001f, nullptr},  {14.35f, "20"},
        {21.45f, "15"},     {28.0f, "10"},      {29.7f, "10"},       {50.0f, "6"},
        {54.0f, "6"},       {144.0f, "2"},      {148.0f, "2"},       {148.0001f, nullptr},
        {10.125f, nullptr}, {5.357f, nullptr},  {18.1f, nullptr},    {24.95f, nullptr},
        {432.1f, nullptr},  {0.0f, nullptr},    {-14.025f, nullptr},
    };
    for (const Case& c : cases) {
        const std::optional<std::string_view> band = bandForFrequency(c.mhz);
        if (c.band) {
            ASSERT_TRUE(band) << c.mhz;
            EXPECT_EQ(*band, c.band) << c.mhz;
        } else {
            EXPECT_FALSE(band) << c.mhz;
        }
    }
}

TEST(FrequencyText, ThreeDecimalsWithoutALeadingZero) {
    struct Case {
        float mhz;
        const char* text;
    };
    const Case cases[] = {
        {14.025f, "14.025"}, {7.0f, "7.000"},      {0.0f, ".000"},       {0.5f, ".500"},
        {10.125f, "10.125"}, {3.8f, "3.800"},      {14.0245f, "14.025"}, {14.0244f, "14.024"},
        {7.0625f, "7.063"},  {7.0005f, "7.001"},   {0.0004f, ".000"},    {0.0005f, ".001"},
        {9.9996f, "10.000"}, {0.9999f, "1.000"},   {144.39f, "144.390"}, {1240.0f, "1240.000"},
        {432.1f, "432.100"}, {28.4855f, "28.486"}, {-0.5f, "-.500"},     {-0.0f, ".000"},
        {-0.0001f, ".000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(frequencyText(c.mhz), c.text) << c.mhz;
    }
}

TEST(FrequencyText, ANumberThatIsNotShowsAsZero) {
    EXPECT_EQ(frequencyText(std::numeric_limits<float>::quiet_NaN()), ".000");
    EXPECT_EQ(frequencyText(std::numeric_limits<float>::infinity()), ".000");
}

TEST(FixedModeForFrequency, FirstOpenIntervalGivesTheMode) {
    struct Case {
        float mhz;
        const char* mode; // nullptr: the caller keeps its mode
    };
    const Case cases[] = {
        {7.15f, nullptr},  {7.1f, "CW"},    {7.2f, "PH"},    {3.6f, "CW"},     {3.75f, nullptr},
        {3.9f, "PH"},      {4.0f, nullptr}, {10.12f, "CW"},  {14.05f, "CW"},   {14.15f, nullptr},
        {14.2f, "PH"},     {18.08f, "CW"},  {18.13f, "PH"},  {21.05f, "CW"},   {21.3f, "PH"},
        {24.9f, "CW"},     {24.95f, "PH"},  {28.1f, "CW"},   {28.4f, "PH"},    {50.05f, "CW"},
        {50.125f, "PH"},   {144.05f, "CW"}, {146.52f, "PH"}, {1.84f, nullptr}, {5.357f, nullptr},
        {432.1f, nullptr}, {0.0f, nullptr}, {3.5f, nullptr},
    };
    for (const Case& c : cases) {
        const std::optional<std::string_view> mode = FixedModeForFrequency(c.mhz);
        if (c.mode) {
            ASSERT_TRUE(mode) << c.mhz;
            EXPECT_EQ(*mode, c.mode) << c.mhz;
        } else {
            EXPECT_FALSE(mode) << c.mhz;
        }
    }
}

BandPlanRow row(const char* band, const char* mode, float lower, float upper) {
    return BandPlanRow{band, "E", mode, lower, upper};
}

TEST(BandPlanModeForFrequency, PhoneBecomesTheSidebandOfTheBand) {
    const std::vector<BandPlanRow> rows = {
        row("160", "PH", 1.8f, 2.0f),     row("80", "CW", 3.5f, 3.6f),
        row("80", "PH", 3.6f, 4.0f),      row("60", "PH", 5.3515f, 5.3665f),
        row("40", "CW", 7.0f, 7.125f),    row("40", "PH", 7.125f, 7.3f),
        row("20", "CW", 14.0f, 14.15f),   row("20", "PH", 14.15f, 14.35f),
        row("10", "PH", 28.3f, 29.7f),    row("2", "PH", 144.1f, 148.0f),
        row("30", "RTTY", 10.1f, 10.15f),
    };
    struct Case {
        float mhz;
        const char* mode;
    };
    const Case cases[] = {
        {3.8f, "LSB"},    {14.2f, "USB"}, {5.357f, "LSB"}, {7.2f, "LSB"},    {28.4f, "USB"},
        {146.52f, "USB"}, {3.55f, "CW"},  {14.05f, "CW"},  {10.12f, "RTTY"}, {1.84f, ""},
        {3.6f, ""},       {14.35f, ""},   {24.95f, ""},    {0.0f, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BandPlanModeForFrequency(rows, c.mhz), c.mode) << c.mhz;
    }
}

TEST(BandPlanModeForFrequency, TheEarlierOfOverlappingRowsWins) {
    const std::vector<BandPlanRow> rows = {row("20", "CW", 14.0f, 14.2f),
                                           row("20", "PH", 14.1f, 14.35f)};
    EXPECT_EQ(BandPlanModeForFrequency(rows, 14.15f), "CW");
    EXPECT_EQ(BandPlanModeForFrequency(rows, 14.25f), "USB");

    const std::vector<BandPlanRow> reversed = {rows[1], rows[0]};
    EXPECT_EQ(BandPlanModeForFrequency(reversed, 14.15f), "USB");
}

TEST(BandPlanModeForFrequency, ModeTextsAreComparedExactly) {
    const std::vector<BandPlanRow> rows = {row("80", "ph", 3.6f, 4.0f),
                                           row("80m", "PH", 3.5f, 3.6f)};
    EXPECT_EQ(BandPlanModeForFrequency(rows, 3.8f), "ph");
    EXPECT_EQ(BandPlanModeForFrequency(rows, 3.55f), "USB");
}

TEST(BandPlanModeForFrequency, AnEmptyTableGivesNothing) {
    EXPECT_EQ(BandPlanModeForFrequency({}, 14.2f), "");
}

} // namespace
} // namespace qv
