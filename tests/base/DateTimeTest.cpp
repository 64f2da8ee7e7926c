#include "base/DateTime.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(DateTime, ValidatesCalendarDates) {
    EXPECT_TRUE(DateTime::fromFields(2008, 2, 29).has_value());
    EXPECT_FALSE(DateTime::fromFields(2007, 2, 29).has_value());
    EXPECT_FALSE(DateTime::fromFields(2007, 13, 1).has_value());
    EXPECT_FALSE(DateTime::fromFields(2007, 4, 31).has_value());
    EXPECT_FALSE(DateTime::fromFields(2007, 1, 1, 24, 0, 0).has_value());
    EXPECT_FALSE(DateTime::fromFields(2007, 1, 1, 0, 60, 0).has_value());
}

TEST(DateTime, FormatsLogTexts) {
    const auto t = *DateTime::fromFields(2007, 1, 13, 14, 22, 5);
    EXPECT_EQ(t.dateText(), "2007/01/13");
    EXPECT_EQ(t.timeText(), "14:22:05");
    EXPECT_EQ(t.hourMinuteText(), "14:22");
}

TEST(DateTime, ShiftsAcrossDayMonthAndYear) {
    const auto local = *DateTime::fromFields(2007, 1, 13, 20, 30, 10);
    const auto utc = local.addMinutes(5 * 60);
    EXPECT_EQ(utc.dateText(), "2007/01/14");
    EXPECT_EQ(utc.timeText(), "01:30:10");
    const auto back = local.addMinutes(-3.5 * 60);
    EXPECT_EQ(back.timeText(), "17:00:10");
    const auto newYear = DateTime::fromFields(2007, 12, 31, 23, 59, 59)->addSeconds(1);
    EXPECT_EQ(newYear.dateText(), "2008/01/01");
    EXPECT_EQ(newYear.timeText(), "00:00:00");
    EXPECT_EQ(utc.secondsSince(local), 5 * 3600);
}

TEST(DateTime, ReadsLogDateAndTime) {
    EXPECT_EQ(parseLogDateTime("2007/01/13", "14:22:05"),
              DateTime::fromFields(2007, 1, 13, 14, 22, 5));
    EXPECT_EQ(parseLogDateTime("2007/01/13", "07:15"), DateTime::fromFields(2007, 1, 13, 7, 15, 0));
    EXPECT_EQ(parseLogDateTime("2007-1-3", "7:05:00"), DateTime::fromFields(2007, 1, 3, 7, 5, 0));
    const char* bad[][2] = {
        {"2007/13/01", "10:00:00"}, {"2007/01/13", "25:00:00"}, {"", "10:00"},
        {"2007/01/13", ""},         {"2007/01/13x", "10:00"},   {"2007/01-13", "10:00"},
        {"2007/01/13", "10:00:"},   {"13/01/2007", "10:00"}};
    for (const auto& b : bad) {
        EXPECT_FALSE(parseLogDateTime(b[0], b[1]).has_value()) << b[0] << " " << b[1];
    }
}

} // namespace
} // namespace qv
