#include "app/ScorePanel.h"

#include "core/Tally.h"
#include "fakes/Records.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(Labeldisplay, ShowsTheScorePanelTexts) {
    ContestLog log;
    OperatingState state;
    const MultiplierTable table;
    for (int i = 0; i < 12; ++i) {
        log.append(test::contact("W" + std::to_string(i) + "AA"));
    }
    state.totalPoints = 120;
    for (const char* spc : {"CT", "NY", "ON", "Germany", "Spain"}) {
        countSpc(state, table, spc);
    }
    const MultiplierColours colours{rgb(1, 2, 3), rgb(4, 5, 6)};
    ScorePanelView view;
    Labeldisplay(view, log, state, table, colours);
    EXPECT_EQ(view.totalContacts, "12");
    EXPECT_EQ(view.totalMultipliers, "5");
    EXPECT_EQ(view.totalPoints, "120");
    EXPECT_EQ(view.totalScore, "600");
    EXPECT_EQ(view.usCanCaption, "US && Canadian Multipliers Worked - 3");
    EXPECT_EQ(view.dxCaption, "DX  -  2");
    EXPECT_EQ(view.dxList, (std::vector<std::string>{"Germany", "Spain"}));
    EXPECT_TRUE(view.multipliers[0].worked);
    EXPECT_EQ(view.multipliers[0].background, rgb(1, 2, 3));
    EXPECT_EQ(view.multipliers[1].background, rgb(4, 5, 6));
    EXPECT_EQ(view.multipliers[53].caption, "ON");
    EXPECT_EQ(view.multipliers[53].tooltip, "Ontario");
}

TEST(Labeldisplay, LargeFiguresGroupThousandsAndDoNotOverflow) {
    ContestLog log;
    OperatingState state;
    const MultiplierTable table;
    for (int i = 0; i < 11000; ++i) {
        log.append(test::contact("W1AW"));
    }
    state.totalPoints = 275000;
    state.multiplierWorked.fill(true);
    for (int i = 0; i < 11000; ++i) {
        state.dxWorked.add("Entity " + std::to_string(i));
    }
    ScorePanelView view;
    Labeldisplay(view, log, state, table, {});
    EXPECT_EQ(view.totalContacts, "11,000");
    EXPECT_EQ(view.totalPoints, "275,000");
    EXPECT_EQ(view.totalMultipliers, "11062");
    EXPECT_EQ(view.totalScore, "3,042,050,000");
}

TEST(Labeldisplay, EmptyLogShowsZeros) {
    ScorePanelView view;
    Labeldisplay(view, ContestLog{}, OperatingState{}, MultiplierTable{}, {});
    EXPECT_EQ(view.totalContacts, "0");
    EXPECT_EQ(view.totalMultipliers, "0");
    EXPECT_EQ(view.totalScore, "0");
    EXPECT_EQ(view.usCanCaption, "US && Canadian Multipliers Worked - 0");
    EXPECT_EQ(view.dxCaption, "DX  -  0");
}

TEST(ScorePanel, UnreadableDateKeepsThePreviousRates) {
    const DateTime now = *DateTime::fromFields(2007, 1, 13, 15, 0, 0);
    auto at = [&](std::int64_t secondsAgo) {
        const DateTime t = now.addSeconds(-secondsAgo);
        auto r = test::contact("W1AW");
        r.date = t.dateText();
        r.time = t.timeText();
        return r;
    };
    ContestLog log;
    log.append(at(100));
    ScorePanelView view;
    showRates(view, TimeStats(log, now));
    EXPECT_EQ(view.rateLastHour, "1");
    auto bad = at(50);
    bad.time = "99:99";
    log.append(bad);
    showRates(view, TimeStats(log, now));
    EXPECT_EQ(view.rateLastHour, "1");
    EXPECT_EQ(view.rateLastTwentyMinutes, "3");
}

} // namespace
} // namespace qv
