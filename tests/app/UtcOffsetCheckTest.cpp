#include "app/UtcOffsetCheck.h"

#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

DateTime at(int day, int hour, int minute, int second = 0) {
    return *DateTime::fromFields(2007, 1, day, hour, minute, second);
}

TEST(UtcOffsetCheck, RecommendsTheClocksDifference) {
    struct Case {
        DateTime utc;
        DateTime local;
        float hours;
    };
    const Case cases[] = {
        {at(13, 14, 0), at(13, 9, 0), 5},         // US Eastern standard time
        {at(13, 14, 0), at(13, 15, 0), -1},       // Central European time
        {at(13, 14, 0), at(13, 19, 30), -5.5f},   // 5 h 30 min ahead of UTC
        {at(13, 14, 0), at(13, 10, 30), 3.5f},    // 3 h 30 min behind it
        {at(13, 14, 0), at(13, 19, 45), -5.75f},  // 5 h 45 min ahead
        {at(14, 2, 0), at(13, 21, 0), 5},         // across midnight
        {at(13, 14, 20), at(13, 14, 0), 0.33f},   // two decimals
        {at(13, 14, 0, 0), at(13, 8, 59, 59), 5}, // the clocks read a second apart
        {at(13, 14, 0), at(13, 14, 0), 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(recommendedUtcOffset(c.utc, c.local), c.hours)
            << c.utc.timeText() << " " << c.local.timeText();
    }
}

class UtcOffsetCheckTest : public ::testing::Test {
protected:
    test::FakeClock clock;
    test::FakeDialogs dialogs;
    StationProfile profile;

    void clocks(DateTime utc, DateTime local) {
        clock.utc = utc;
        clock.local = local;
    }
};

TEST_F(UtcOffsetCheckTest, AnOffsetThatFitsTheClocksRaisesNoQuestion) {
    const std::pair<float, DateTime> cases[] = {{5, at(13, 9, 0)}, {-5.5f, at(13, 19, 30)}};
    for (const auto& [offset, local] : cases) {
        clocks(at(13, 14, 0), local);
        profile.utcOffsetHours = offset;
        EXPECT_FALSE(CheckUtcOffset(profile, clock, dialogs));
        EXPECT_TRUE(dialogs.shown.empty()) << offset;
        EXPECT_EQ(profile.utcOffsetHours, offset);
    }
}

TEST_F(UtcOffsetCheckTest, AnotherOffsetAsksProposingTheClocks) {
    clocks(at(13, 14, 0, 30), at(13, 9, 0, 30));
    profile.utcOffsetHours = 4;
    dialogs.inputAnswers.push_back("5");
    EXPECT_TRUE(CheckUtcOffset(profile, clock, dialogs));
    EXPECT_EQ(profile.utcOffsetHours, 5.0f);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    const auto& box = dialogs.shown[0];
    EXPECT_EQ(box.kind, "input");
    EXPECT_EQ(box.title, "Update the Local Time / UTC Offset?");
    EXPECT_EQ(box.defaultAnswer, "5");
    EXPECT_EQ(box.text, "Would you like to adjust the UTC offset in this program for your local "
                        "time setting?\r\n\r\n"
                        "Current System Time: 14:00\r\n\r\n"
                        "Current Local Time: 09:00\r\n\r\n"
                        "Recommended Offset Setting: 5\r\n\r\n"
                        "Current Offset Setting: 4\r\n\r\n"
                        "Please click OK to accept the recommended change or Cancel to keep the "
                        "current setting.");
}

TEST_F(UtcOffsetCheckTest, AHalfHourZoneProposesAFraction) {
    clocks(at(13, 14, 5), at(13, 19, 35));
    profile.utcOffsetHours = 0.25f;
    EXPECT_FALSE(CheckUtcOffset(profile, clock, dialogs)); // cancelled
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].defaultAnswer, "-5.5");
    const std::string& prompt = dialogs.shown[0].text;
    EXPECT_NE(prompt.find("\r\n\r\nCurrent Local Time: 19:35\r\n\r\n"), std::string::npos);
    EXPECT_NE(prompt.find("\r\n\r\nRecommended Offset Setting: -5.5\r\n\r\n"), std::string::npos);
    EXPECT_NE(prompt.find("\r\n\r\nCurrent Offset Setting: 0.25\r\n\r\n"), std::string::npos);
}

TEST_F(UtcOffsetCheckTest, OnlyANumericAnswerChangesTheOffset) {
    struct Case {
        const char* answer;
        bool taken;
        float after;
    };
    const Case cases[] = {
        {"", false, 4},     {"five", false, 4}, {"5h", false, 4}, {"5.5", true, 5.5f},
        {" -3 ", true, -3}, {"4", true, 4},    // a numeric answer is saved even when unchanged
        {"1e30", false, 4}, {"-25", false, 4}, // beyond any zone: a slip, not an offset
    };
    for (const Case& c : cases) {
        clocks(at(13, 14, 0), at(13, 9, 0));
        profile.utcOffsetHours = 4;
        dialogs.inputAnswers = {c.answer};
        EXPECT_EQ(CheckUtcOffset(profile, clock, dialogs), c.taken) << c.answer;
        EXPECT_EQ(profile.utcOffsetHours, c.after) << c.answer;
    }
}

} // namespace
} // namespace qv
