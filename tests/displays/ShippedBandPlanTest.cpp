// The shipped data/BandPlan.txt: its form, its limits, and the privileges it
// charts.

#include "displays/BandPlanChart.h"
#include "platform/posix/PosixFileStore.h"
#include "rig/BandConversion.h"

#include <map>
#include <set>

#include <gtest/gtest.h>

namespace qv {
namespace {

std::string shippedText() {
    PosixFileStore data(QV_DATA_DIR);
    const FileContents file = data.read("BandPlan.txt");
    EXPECT_EQ(file.error, FileContents::Error::None) << file.reason;
    return file.bytes;
}

BandPlan shippedPlan() {
    BandPlanParse parse = parseBandPlan(shippedText());
    EXPECT_TRUE(parse.plan);
    return parse.plan ? std::move(*parse.plan) : BandPlan{};
}

// Like every shipped text: Windows-1252 (here plain ASCII), CR LF after every line.
TEST(ShippedBandPlan, IsPlainTextWithCrLfLines) {
    const std::string bytes = shippedText();
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c == '\r') {
            ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "CR at " << i;
        } else if (c == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at " << i;
        } else {
            ASSERT_TRUE(c >= 0x20 && c < 0x7F) << "byte " << int(c) << " at " << i;
        }
    }
}

TEST(ShippedBandPlan, ReadsWithinTheRecordLimitWithAMargin) {
    const BandPlan plan = shippedPlan();
    EXPECT_EQ(plan.effective, "February 13, 2026");
    EXPECT_GT(plan.rows.size(), 100u);
    EXPECT_LE(plan.rows.size(), BandPlan::kMaxRows - 40);
}

// Every band is one "O" row followed by its class rows, each CW or PH and inside
// the band's edges; Technician Plus holds what Technician holds.
TEST(ShippedBandPlan, EachBandIsAGroupOfClassRowsInsideItsEdges) {
    const BandPlan plan = shippedPlan();
    const std::vector<std::string> bands = {"160", "80", "60", "40", "30", "20",   "17",
                                            "15",  "12", "10", "6",  "2",  "1.25", "70"};
    const std::set<std::string> kClasses = {"N", "T", "P", "G", "A", "E"};
    std::vector<std::string> seen;
    const BandPlanRow* band = nullptr;
    std::map<std::string, std::vector<std::string>> byClass;
    for (const BandPlanRow& row : plan.rows) {
        const std::string what = row.band + " " + row.licenceClass + " " + row.mode;
        EXPECT_LT(row.lowerMHz, row.upperMHz) << what;
        if (row.licenceClass == "O") {
            band = &row;
            seen.push_back(row.band);
            continue;
        }
        ASSERT_NE(band, nullptr) << what;
        EXPECT_EQ(row.band, band->band) << what;
        EXPECT_TRUE(row.mode == "CW" || row.mode == "PH") << what;
        EXPECT_TRUE(kClasses.contains(row.licenceClass)) << what;
        EXPECT_GE(row.lowerMHz, band->lowerMHz) << what;
        EXPECT_LE(row.upperMHz, band->upperMHz) << what;
        byClass[row.licenceClass].push_back(row.band + row.mode + frequencyText(row.lowerMHz) +
                                            frequencyText(row.upperMHz));
    }
    EXPECT_EQ(seen, bands);
    EXPECT_EQ(byClass["P"], byClass["T"]);
}

TEST(ShippedBandPlan, ChartsEveryClass) {
    const BandPlan plan = shippedPlan();
    const ChartArea area{1366, 768, 80, 1.5};
    const std::size_t expectedBars[] = {5, 8, 8, 14, 14, 14}; // N, T, P, G, A, E
    for (std::size_t i = 0; i < kLicenceClassButtons.size(); ++i) {
        const BandPlanChart chart = chartForClass(plan, kLicenceClassButtons[i], area);
        EXPECT_EQ(chart.bars.size(), expectedBars[i]) << kLicenceClassButtons[i].caption;
        for (const PrivilegeSegment& s : chart.segments) {
            const ChartBox& bar = chart.bars[s.bar].box;
            EXPECT_GE(s.box.left, bar.left - 1e-6) << s.hover;
            EXPECT_LE(s.box.left + s.box.width, bar.left + bar.width + 1e-6) << s.hover;
        }
    }
}

TEST(ShippedBandPlan, GivesRigControlTheExtraModes) {
    const std::vector<BandPlanRow> extra = extraClassRows(shippedText());
    EXPECT_EQ(extra.size(), 27u);
    struct Case {
        float mhz;
        const char* mode;
    };
    const Case cases[] = {
        {1.84f, ""},    {3.52f, "CW"},    {3.8f, "LSB"},    {5.357f, "LSB"}, {5.332f, "LSB"},
        {5.34f, ""},    {7.05f, "CW"},    {7.2f, "LSB"},    {10.12f, "CW"},  {14.025f, "CW"},
        {14.2f, "USB"}, {18.1f, "CW"},    {21.3f, "USB"},   {24.95f, "USB"}, {28.4f, "USB"},
        {50.09f, "CW"}, {50.125f, "USB"}, {146.52f, "USB"}, {223.5f, "USB"}, {432.1f, "USB"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BandPlanModeForFrequency(extra, c.mhz), c.mode) << c.mhz;
    }
}

} // namespace
} // namespace qv
