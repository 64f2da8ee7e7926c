// The band privileges chart as data: which bars, where, and what they say.

#include "displays/BandPlanChart.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

constexpr ChartArea kArea{1000, 800, 100, 1.5}; // bars spread over 0.8 * 700 = 560

const LicenceClassButton& button(std::string_view licenceClass) {
    for (const LicenceClassButton& b : kLicenceClassButtons) {
        if (b.licenceClass == licenceClass) {
            return b;
        }
    }
    throw std::logic_error("no such class");
}

BandPlan plan(std::vector<BandPlanRow> rows) {
    return BandPlan{"2026", std::move(rows)};
}

BandPlan smallPlan() {
    return plan({
        {"80", "O", "", 3.5f, 4.0f},
        {"80", "G", "CW", 3.525f, 3.6f},
        {"80", "G", "PH", 3.8f, 4.0f},
        {"80", "E", "CW", 3.5f, 3.6f},
        {"80", "E", "PH", 3.6f, 4.0f},
        {"30", "O", "", 10.1f, 10.15f},
        {"30", "G", "CW", 10.1f, 10.15f},
        {"70", "O", "", 420.0f, 450.0f},
        {"70", "E", "PH", 420.0f, 450.0f},
        {"23", "O", "", 1240.0f, 1300.0f},
        {"23", "E", "PH", 1240.0f, 1300.0f},
    });
}

void expectBox(const ChartBox& box, double left, double top, double width, double height,
               const std::string& what) {
    EXPECT_NEAR(box.left, left, 1e-3) << what;
    EXPECT_NEAR(box.top, top, 1e-3) << what;
    EXPECT_NEAR(box.width, width, 1e-3) << what;
    EXPECT_NEAR(box.height, height, 1e-3) << what;
}

TEST(LicenceClassButtons, CaptionsClassesAndTitles) {
    const char* expected[][3] = {
        {"Novice", "N", "Novice Frequency Privileges"},
        {"Technician", "T", "Technician Frequency Privileges"},
        {"Tech +", "P", "Technician Plus Frequency Privileges"},
        {"General", "G", "General Frequency Privileges"},
        {"Advanced", "A", "Advanced Frequency Privileges"},
        {"Extra", "E", "Extra Frequency Privileges"},
    };
    for (std::size_t i = 0; i < kLicenceClassButtons.size(); ++i) {
        EXPECT_EQ(kLicenceClassButtons[i].caption, expected[i][0]);
        EXPECT_EQ(kLicenceClassButtons[i].licenceClass, expected[i][1]);
        EXPECT_EQ(kLicenceClassButtons[i].title, expected[i][2]);
    }
    EXPECT_EQ(kLicenceClassButtons[kExtraClassButton].licenceClass, "E");
}

TEST(BandPlanChart, BarsTagsAndSegmentsOfTheClass) {
    const BandPlanChart chart = chartForClass(smallPlan(), button("E"), kArea);
    EXPECT_EQ(chart.title, "Extra Frequency Privileges");

    ASSERT_EQ(chart.bars.size(), 3u);
    const double step = 560.0 / 3;
    const char* bands[] = {"80", "70", "23"};
    const char* hovers[] = {"80  3.500 - 4.000", "70  420.000 - 450.000",
                            "23  1,240.000 - 1,300.000"};
    for (std::size_t i = 0; i < 3; ++i) {
        const BandBar& bar = chart.bars[i];
        EXPECT_EQ(bar.band, bands[i]);
        EXPECT_EQ(bar.hover, hovers[i]);
        expectBox(bar.box, 100, 100 + double(i + 1) * step, 850, 32, bar.band);

        const BandTag& tag = chart.tags.at(i);
        EXPECT_EQ(tag.text, bands[i]);
        EXPECT_EQ(tag.hover, hovers[i]);
        EXPECT_DOUBLE_EQ(tag.fontPoints, 12);
        expectBox(tag.box, 40, bar.box.top, 50, 32, tag.text);
    }

    ASSERT_EQ(chart.segments.size(), 4u);
    const PrivilegeSegment& cw = chart.segments[0];
    EXPECT_EQ(cw.bar, 0u);
    EXPECT_TRUE(cw.cw);
    EXPECT_EQ(cw.back, kCwBack);
    EXPECT_EQ(cw.fore, kCwText);
    EXPECT_EQ(cw.text, "3.500 - 3.600");
    EXPECT_EQ(cw.hover, "CW  3.500 - 3.600");
    EXPECT_DOUBLE_EQ(cw.fontPoints, 10.5);
    expectBox(cw.box, 100, chart.bars[0].box.top, 850 * 0.2, 32, "80 m CW");

    const PrivilegeSegment& phone = chart.segments[1];
    EXPECT_FALSE(phone.cw);
    EXPECT_EQ(phone.back, kPhoneBack);
    EXPECT_EQ(phone.fore, kPhoneText);
    EXPECT_EQ(phone.hover, "PH  3.600 - 4.000");
    EXPECT_NEAR(phone.box.left, 100 + 850 * 0.2, 1e-3);
    EXPECT_NEAR(phone.box.width, 850 * 0.8, 1e-3);

    EXPECT_EQ(chart.segments[3].bar, 2u);
    EXPECT_EQ(chart.segments[3].text, "1,240.000 - 1,300.000");
}

TEST(BandPlanChart, AClassWithoutRowsDrawsNothingButHasItsTitle) {
    const BandPlanChart chart = chartForClass(smallPlan(), button("N"), kArea);
    EXPECT_EQ(chart.title, "Novice Frequency Privileges");
    EXPECT_TRUE(chart.bars.empty());
    EXPECT_TRUE(chart.tags.empty());
    EXPECT_TRUE(chart.segments.empty());

    const BandPlanChart none = chartForClass(BandPlan{}, button("T"), kArea);
    EXPECT_EQ(none.title, "Technician Frequency Privileges");
    EXPECT_TRUE(none.bars.empty());
}

// 70 cm and 23 cm hold only Extra rows: General gets two bars, spread over the
// whole area.
TEST(BandPlanChart, BandsWithoutTheClassAreLeftOutAndTheRestSpread) {
    const BandPlanChart chart = chartForClass(smallPlan(), button("G"), kArea);
    ASSERT_EQ(chart.bars.size(), 2u);
    EXPECT_EQ(chart.bars[0].band, "80");
    EXPECT_EQ(chart.bars[1].band, "30");
    EXPECT_NEAR(chart.bars[0].box.top, 100 + 280, 1e-6);
    EXPECT_NEAR(chart.bars[1].box.top, 100 + 560, 1e-6);
    ASSERT_EQ(chart.segments.size(), 3u);
    EXPECT_EQ(chart.segments[2].bar, 1u);
}

TEST(BandPlanChart, ASegmentCoveringTheBandFillsItsBar) {
    const BandPlanChart chart = chartForClass(smallPlan(), button("E"), kArea);
    for (const PrivilegeSegment& s : chart.segments) {
        if (s.bar == 0) {
            continue;
        }
        const ChartBox& bar = chart.bars[s.bar].box;
        expectBox(s.box, bar.left, bar.top, bar.width, bar.height, s.text);
    }
}

TEST(BandPlanChart, RecordsOfABandWithoutAnORowAreNotDrawn) {
    const BandPlanChart chart = chartForClass(plan({
                                                  {"20", "E", "CW", 14.0f, 14.15f},
                                                  {"40", "O", "", 7.0f, 7.3f},
                                                  {"40", "E", "PH", 7.125f, 7.3f},
                                                  {"17", "E", "PH", 18.11f, 18.168f},
                                              }),
                                              button("E"), kArea);
    ASSERT_EQ(chart.bars.size(), 1u);
    EXPECT_EQ(chart.bars[0].band, "40");
    ASSERT_EQ(chart.segments.size(), 1u);
    EXPECT_EQ(chart.segments[0].text, "7.125 - 7.300");
}

// The group ends at the first row of another band; a row of the class after it
// still draws on the band's bar, and the bar takes the edges of the band's first
// record.
TEST(BandPlanChart, TheGroupEndsAtAnotherBandAndEdgesComeFromTheFirstRecord) {
    const BandPlanChart chart = chartForClass(plan({
                                                  {"15", "G", "PH", 21.0f, 21.5f},
                                                  {"15", "O", "", 21.0f, 21.45f},
                                                  {"15", "E", "CW", 21.0f, 21.25f},
                                                  {"12", "O", "", 24.89f, 24.99f},
                                                  {"12", "G", "CW", 24.89f, 24.93f},
                                                  {"15", "G", "CW", 21.0f, 21.25f},
                                              }),
                                              button("G"), kArea);
    ASSERT_EQ(chart.bars.size(), 1u);
    EXPECT_EQ(chart.bars[0].band, "12");

    const BandPlanChart extra = chartForClass(plan({
                                                  {"15", "E", "PH", 21.0f, 21.5f},
                                                  {"15", "O", "", 21.0f, 21.45f},
                                                  {"15", "E", "CW", 21.0f, 21.25f},
                                              }),
                                              button("E"), kArea);
    ASSERT_EQ(extra.bars.size(), 1u);
    EXPECT_EQ(extra.bars[0].upperMHz, 21.5f);
    EXPECT_EQ(extra.bars[0].hover, "15  21.000 - 21.500");
    ASSERT_EQ(extra.segments.size(), 2u);
    EXPECT_NEAR(extra.segments[1].box.width, 850 * 0.5, 1e-3);
}

TEST(BandPlanChart, StopsAtTwentyBars) {
    std::vector<BandPlanRow> rows;
    for (int i = 0; i < 25; ++i) {
        const std::string band = std::to_string(100 + i);
        rows.push_back({band, "O", "", 1.0f, 2.0f});
        rows.push_back({band, "E", "CW", 1.0f, 2.0f});
    }
    const BandPlanChart chart = chartForClass(plan(rows), button("E"), kArea);
    ASSERT_EQ(chart.bars.size(), kMaxChartBars);
    EXPECT_EQ(chart.bars.back().band, "119");
    EXPECT_NEAR(chart.bars.back().box.top, 100 + 560, 1e-6);
    EXPECT_EQ(chart.tags.size(), kMaxChartBars);
    EXPECT_EQ(chart.segments.size(), kMaxChartBars);
}

TEST(BandPlanChart, ABarWithoutWidthGetsNoSegments) {
    const BandPlanChart chart = chartForClass(plan({
                                                  {"6", "O", "", 50.0f, 50.0f},
                                                  {"6", "E", "CW", 50.0f, 50.1f},
                                              }),
                                              button("E"), kArea);
    ASSERT_EQ(chart.bars.size(), 1u);
    EXPECT_TRUE(chart.segments.empty());
}

TEST(BandPlanChart, ClassesAreComparedExactly) {
    const BandPlanChart chart = chartForClass(plan({
                                                  {"6", "O", "", 50.0f, 54.0f},
                                                  {"6", "e", "CW", 50.0f, 50.1f},
                                              }),
                                              button("E"), kArea);
    EXPECT_TRUE(chart.bars.empty());
}

TEST(ChartEdgeText, ThreeDecimalsWithThousandsSeparated) {
    struct Case {
        float mhz;
        const char* text;
    };
    const Case cases[] = {
        {1240.0f, "1,240.000"},   {14.025f, "14.025"},      {3.5f, "3.500"},
        {5.3306f, "5.331"},       {450.0f, "450.000"},      {0.5f, ".500"},
        {0.0f, ".000"},           {10000.5f, "10,000.500"}, {1234567.0f, "1,234,567.000"},
        {999.9996f, "1,000.000"}, {-1240.0f, "-1,240.000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(chartEdgeText(c.mhz), c.text) << c.mhz;
    }
}

TEST(ChartFontScale, ScreenTwipsOverTheDesignWidthAtMostOneAndAHalf) {
    EXPECT_DOUBLE_EQ(chartFontScale(640), 1.0);
    EXPECT_DOUBLE_EQ(chartFontScale(800), 1.25);
    EXPECT_DOUBLE_EQ(chartFontScale(1366), 1.5);
    EXPECT_DOUBLE_EQ(chartFontScale(320), 0.5);
}

TEST(ChartDescription, EachBandWithItsSegments) {
    EXPECT_EQ(chartDescription(chartForClass(smallPlan(), button("G"), kArea)),
              "General Frequency Privileges.\n"
              "80: CW 3.525 - 3.600, Phone 3.800 - 4.000\n"
              "30: CW 10.100 - 10.150");
    EXPECT_EQ(chartDescription(chartForClass(smallPlan(), button("N"), kArea)),
              "Novice Frequency Privileges.");
}

} // namespace
} // namespace qv
