// Reading BandPlan.txt when the privileges window opens.

#include "displays/BandPlanFile.h"

#include "fakes/FakeDialogs.h"
#include "fakes/MemoryFileStore.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

std::string manyRecords(int count) {
    std::string text = "\"2026\"\r\n";
    for (int i = 0; i < count; ++i) {
        text += "\"20\",\"E\",\"CW\",14,14.15\r\n";
    }
    return text;
}

TEST(BandPlanFile, ReadsThePlanWithoutABox) {
    test::MemoryFileStore working;
    test::MemoryFileStore installed;
    installed.files["BandPlan.txt"] = "\"installed\"\r\n";
    working.files["BandPlan.txt"] = "\"own copy\"\r\n\"20\",\"O\",\"\",14,14.35\r\n";
    ShippedFiles shipped(working, {&installed});
    test::FakeDialogs dialogs;

    const std::optional<BandPlan> plan = readBandPlanForChart(shipped, dialogs);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->effective, "own copy");
    EXPECT_EQ(plan->rows.size(), 1u);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(BandPlanFile, AFileThatCannotBeChartedIsToldInABox) {
    struct Case {
        const char* name;
        std::optional<std::string> text; // nullopt: no such file
        bool unreadable = false;
    };
    const Case cases[] = {
        {"missing", std::nullopt},
        {"unreadable", "\"2026\"\r\n", true},
        {"cut short", "\"2026\"\r\n\"20\",\"E\",\"CW\",14\r\n"},
        {"not a number", "\"2026\"\r\n\"20\",\"E\",\"CW\",x,14.15\r\n"},
        {"201 records", manyRecords(201)},
    };
    for (const Case& c : cases) {
        test::MemoryFileStore working;
        if (c.text) {
            working.files["BandPlan.txt"] = *c.text;
        }
        working.unreadable = c.unreadable;
        ShippedFiles shipped(working, {});
        test::FakeDialogs dialogs;

        EXPECT_FALSE(readBandPlanForChart(shipped, dialogs)) << c.name;
        ASSERT_EQ(dialogs.shown.size(), 1u) << c.name;
        EXPECT_EQ(dialogs.shown[0].kind, "message");
        EXPECT_EQ(dialogs.shown[0].title, "Band Data Not Available.");
        EXPECT_EQ(dialogs.shown[0].text, "Band data not available.");
        EXPECT_EQ(dialogs.shown[0].buttons, MessageButtons::Ok);
    }
}

TEST(BandPlanFile, TwoHundredRecordsAreCharted) {
    test::MemoryFileStore working;
    working.files["BandPlan.txt"] = manyRecords(200);
    ShippedFiles shipped(working, {});
    test::FakeDialogs dialogs;
    const std::optional<BandPlan> plan = readBandPlanForChart(shipped, dialogs);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->rows.size(), 200u);
    EXPECT_TRUE(dialogs.shown.empty());
}

} // namespace
} // namespace qv
