// The rate graph as data: rates per column, gap filling, smoothing, the band
// strip's colours, the axis labels and where a degenerate log stops.

#include "displays/RateGraph.h"

#include "base/DateTime.h"

#include <vector>

#include <gtest/gtest.h>

namespace qv {
namespace {

const DateTime kStart = *DateTime::fromFields(2007, 1, 13, 23, 58, 0);
constexpr Colour kGreen = rgb(0, 255, 0);
constexpr Colour kRed = rgb(255, 0, 0);

ContactRecord at(std::int64_t seconds, std::string band = "20") {
    const DateTime t = kStart.addSeconds(seconds);
    ContactRecord r;
    r.call = "K1ABC";
    r.date = t.dateText();
    r.time = t.timeText();
    r.band = std::move(band);
    return r;
}

// count contacts, one every `every` seconds from the start.
std::vector<ContactRecord> evenly(int count, std::int64_t every) {
    std::vector<ContactRecord> log;
    for (int i = 0; i < count; ++i) {
        log.push_back(at(i * every));
    }
    return log;
}

TEST(RateGraph, SevenContactsAMinuteApartRiseBySixPerHour) {
    // T = 360 s, so a column spans 0.24 s and contact k falls in column 250 (k - 1).
    const RateGraph g = computeRateGraph(evenly(7, 60), kGraphBlack);
    ASSERT_EQ(g.reached, RateGraph::Reached::Complete);
    EXPECT_EQ(g.rate[1], 6);
    for (int k = 2; k <= 7; ++k) {
        EXPECT_EQ(g.rate[250 * (k - 1)], 6 * k) << "contact " << k;
    }
    // Gaps of 250 columns are filled only over the 15 columns before a contact,
    // so the curve drops to 0 between contacts.
    EXPECT_EQ(g.smooth[400], 0);
    EXPECT_FLOAT_EQ(g.rate[1499], 39.2f); // 14 / 15 of the way up to 42
    // The highest point is the smoothing's tail after the 36 of contact 6, where
    // no ramp pulls the average down; the last column averages 42 with its ramp.
    EXPECT_FLOAT_EQ(g.smooth[1500], 33.6f);
    EXPECT_EQ(g.minimum, 0);
    EXPECT_EQ(g.maximum, 36);
    EXPECT_EQ(g.rateLabels[0], "0.0");
    EXPECT_EQ(g.rateLabels[4], "9.0");
    EXPECT_EQ(g.rateLabels[8], "18.0");
    EXPECT_EQ(g.rateLabels[16], "36.0");
}

TEST(RateGraph, TimeAndDateLabelsSpanTheLog) {
    const RateGraph g = computeRateGraph(evenly(7, 60), kGraphBlack);
    EXPECT_EQ(g.timeLabels[0], "23:58");
    EXPECT_EQ(g.dateLabels[0], "01/13");
    EXPECT_EQ(g.timeLabels[7], "00:01"); // 180 s in
    EXPECT_EQ(g.dateLabels[7], "01/14");
    EXPECT_EQ(g.timeLabels[14], "00:04");
    EXPECT_EQ(g.dateLabels[14], "01/14");
}

TEST(RateGraph, TenMinutesWithoutAContactRestartTheCount) {
    struct Case {
        std::int64_t gap;
        float lastRate;
    };
    // Six contacts a minute apart, then the last one after the gap: 599 s still
    // counts the contact before it, 600 s does not.
    for (const Case c : {Case{599, 12}, Case{600, 6}, Case{1200, 6}}) {
        std::vector<ContactRecord> log = evenly(6, 60);
        log.push_back(at(300 + c.gap));
        const RateGraph g = computeRateGraph(log, kGraphBlack);
        EXPECT_EQ(g.rate[1500], c.lastRate) << "gap " << c.gap;
    }
}

TEST(RateGraph, ShortGapsAreFilledAndSmoothed) {
    // 151 contacts ten minutes apart each count alone and fall every 10 columns.
    const RateGraph g = computeRateGraph(evenly(151, 610), kGraphBlack);
    for (int i = 1; i <= kRateGraphColumns; ++i) {
        ASSERT_GT(g.smooth[i], 0) << "column " << i;
    }
}

TEST(RateGraph, TwoHoursWithoutContactsCutTheCurveAndTheStrip) {
    // Ten hours, a contact every two minutes except from hour 4 to hour 6:
    // a column spans 24 s, so the silence runs from column 600 to column 900.
    std::vector<ContactRecord> log;
    for (std::int64_t s = 0; s <= 36000; s += 120) {
        if (s <= 4 * 3600 || s >= 6 * 3600) {
            log.push_back(at(s));
        }
    }
    const RateGraph g = computeRateGraph(log, kGraphBlack);
    ASSERT_EQ(g.reached, RateGraph::Reached::Complete);
    EXPECT_GT(g.smooth[300], 0);
    EXPECT_GT(g.smooth[1200], 0);
    EXPECT_EQ(g.colour[300], kGreen);
    // The smoothing carries the last rate six columns on, and the filling reaches
    // 15 columns back from the next contact; in between nothing.
    for (int i = 607; i <= 885; ++i) {
        ASSERT_EQ(g.smooth[i], 0) << "column " << i;
        ASSERT_EQ(g.colour[i], kGraphBlack) << "column " << i;
    }
}

TEST(RateGraph, ABandWithoutLegendColourShowsTheBandBefore) {
    struct Case {
        const char* band;
        Colour shown;
    };
    // 200 contacts 30 s apart on 20 m, a column every 3.98 s: contact 100 falls in
    // column 746.
    for (const Case c : {Case{"160", kGreen}, Case{"70", kGreen}, Case{"40", kRed}}) {
        std::vector<ContactRecord> log = evenly(200, 30);
        log[99].band = c.band;
        const RateGraph g = computeRateGraph(log, kGraphBlack);
        EXPECT_EQ(g.colour[746], c.shown) << c.band;
        EXPECT_EQ(g.colour[760], kGreen) << c.band;
    }
}

TEST(RateGraph, TheBackgroundMarksColumnsWithoutBand) {
    const RateGraph g = computeRateGraph(evenly(7, 60), kGraphWhite);
    EXPECT_EQ(g.colour[250], kGreen);
    EXPECT_EQ(g.colour[256], kGreen); // carried while the smoothing keeps the curve up
    EXPECT_EQ(g.colour[400], kGraphWhite);
}

TEST(RateGraph, FewerThanSevenContactsComputeNothing) {
    const RateGraph g = computeRateGraph(evenly(6, 60), kGraphBlack);
    EXPECT_EQ(g.reached, RateGraph::Reached::NotEnoughContacts);
    EXPECT_EQ(g.timeLabels[0], "");
}

TEST(RateGraph, AllContactsInOneSecondStopAfterTheTimeAxis) {
    const RateGraph g = computeRateGraph(evenly(9, 0), kGraphBlack);
    EXPECT_EQ(g.reached, RateGraph::Reached::TimeAxis);
    EXPECT_EQ(g.timeLabels[14], "23:58");
    EXPECT_EQ(g.rateLabels[0], "");
}

TEST(RateGraph, AFlatCurveStopsAfterTheRateAxis) {
    // 151 contacts exactly ten minutes apart: every column's rate is 6.
    const RateGraph g = computeRateGraph(evenly(151, 600), kGraphBlack);
    EXPECT_EQ(g.reached, RateGraph::Reached::RateAxis);
    EXPECT_EQ(g.minimum, 6);
    EXPECT_EQ(g.maximum, 6);
    EXPECT_EQ(g.rateLabels[0], "6.0");
    EXPECT_EQ(g.rateLabels[16], "6.0");
}

TEST(RateGraph, ContactsOutOfTimeOrderAreLeftOut) {
    std::vector<ContactRecord> log = evenly(8, 60);
    log[3] = at(-3600); // before the first contact
    log[4] = at(99999); // after the last one
    log[5].time = "xx";
    const RateGraph g = computeRateGraph(log, kGraphBlack);
    EXPECT_EQ(g.reached, RateGraph::Reached::Complete);
    EXPECT_GT(g.rate[1500], 0);
}

TEST(RateGraph, RatesFormatWithOneDecimal) {
    EXPECT_EQ(formatRate(0), "0.0");
    EXPECT_EQ(formatRate(42), "42.0");
    EXPECT_EQ(formatRate(12345.67f), "12345.7");
}

} // namespace
} // namespace qv
