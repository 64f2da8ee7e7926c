#include "core/TimeStats.h"

#include "fakes/Records.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

const DateTime kNow = *DateTime::fromFields(2007, 1, 13, 15, 0, 0);

ContactRecord secondsAgo(std::int64_t seconds) {
    const DateTime t = kNow.addSeconds(-seconds);
    auto r = test::contact("W1AW");
    r.date = t.dateText();
    r.time = t.timeText();
    return r;
}

ContestLog logOf(std::initializer_list<std::int64_t> ages) {
    ContestLog log;
    for (auto age : ages) {
        log.append(secondsAgo(age));
    }
    return log;
}

TEST(TimeStats, CountsTheLastHourAndTheLastTwentyMinutes) {
    struct Case {
        std::initializer_list<std::int64_t> ages; // oldest first, as logged
        int hour;
        int twenty;
    };
    const Case cases[] = {
        {{}, 0, 0},
        {{1199}, 1, 3},
        {{1200}, 1, 0},
        {{3599}, 1, 0},
        {{3600}, 0, 0},
        {{5000, 3000, 100}, 2, 3},
        {{100, 5000, 10}, 1, 3}, // stops at the first record an hour old
        {{-60}, 1, 3},           // a time in the future counts in both
    };
    for (const auto& c : cases) {
        const auto rates = TimeStats(logOf(c.ages), kNow);
        ASSERT_TRUE(rates.has_value());
        EXPECT_EQ(rates->lastHour, c.hour);
        EXPECT_EQ(rates->lastTwentyMinutes, c.twenty);
    }
}

TEST(TimeStats, TwelveContactsInTwentyMinutesShowThirtySix) {
    ContestLog log;
    for (int i = 12; i >= 1; --i) {
        log.append(secondsAgo(i * 90));
    }
    EXPECT_EQ(TimeStats(log, kNow)->lastTwentyMinutes, 36);
}

TEST(TimeStats, PostContestRecordsCarryHoursAndMinutes) {
    ContestLog log;
    auto r = test::contact("W1AW");
    r.date = "2007/01/13";
    r.time = "14:50";
    log.append(r);
    EXPECT_EQ(TimeStats(log, kNow)->lastTwentyMinutes, 3);
}

TEST(TimeStats, AnUnreadableDateGivesNoRates) {
    ContestLog log = logOf({100});
    auto bad = secondsAgo(50);
    bad.time = "99:99";
    log.append(bad);
    EXPECT_FALSE(TimeStats(log, kNow).has_value());
}

TEST(TimeStats, UtcIsLocalPlusTheOffset) {
    const auto local = *DateTime::fromFields(2007, 1, 13, 20, 30, 10);
    EXPECT_EQ(utcFromLocal(local, 5).timeText(), "01:30:10");
    EXPECT_EQ(utcFromLocal(local, -3.5f).timeText(), "17:00:10");
    EXPECT_EQ(utcFromLocal(local, 5.5f).timeText(), "02:00:10");
}

} // namespace
} // namespace qv
