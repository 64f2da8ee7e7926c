#include "Records.h"
#include "core/ScorePanel.h"
#include "core/Tally.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(Tally, DxEntityRule) {
    const std::pair<const char*, bool> cases[] = {
        {"Germany", true}, {"Spain", true},   {"Not Found", false}, {"not found", false},
        {"USA", false},    {"canada", false}, {"ALASKA", false},    {"Hawaii", false},
        {"NY", false},     {"XX", false},     {"", false},          {"Guantanamo Bay", true},
    };
    for (const auto& [spc, dx] : cases) {
        EXPECT_EQ(isDxEntity(spc), dx) << spc;
    }
}

TEST(Tally, CountsEachMultiplierOnce) {
    OperatingState state;
    const MultiplierTable table;
    EXPECT_EQ(countSpc(state, table, "NY").newMultiplier, std::optional<std::size_t>(7));
    EXPECT_FALSE(countSpc(state, table, "ny").newMultiplier.has_value());
    EXPECT_TRUE(countSpc(state, table, "Germany").newDxEntity);
    EXPECT_FALSE(countSpc(state, table, "GERMANY").newDxEntity);
    EXPECT_FALSE(countSpc(state, table, "QC").newMultiplier.has_value()); // Quebec is QU
    EXPECT_EQ(countSpc(state, table, "QU").newMultiplier, std::optional<std::size_t>(53));
    EXPECT_EQ(multiplierCount(state), 3);
    EXPECT_TRUE(isNewDxEntity(state, "Spain"));
    EXPECT_FALSE(isNewDxEntity(state, "germany"));
}

TEST(Tally, PointsSumRoundsHalvesToEven) {
    OperatingState state;
    addPoints(state, 2.5);
    EXPECT_EQ(state.totalPoints, 2);
    addPoints(state, 1.5);
    EXPECT_EQ(state.totalPoints, 4); // 3.5 rounds to 4
    addPoints(state, 25);
    EXPECT_EQ(state.totalPoints, 29);
}

TEST(MultiplierTable, HoldsTheSixtyTwoEntriesInOrder) {
    const MultiplierTable table;
    EXPECT_EQ(table.entry(1).abbreviation, "CT");
    EXPECT_EQ(table.entry(27).name, "Hawaii");
    EXPECT_EQ(table.entry(36).abbreviation, "AK");
    EXPECT_EQ(table.entry(50).abbreviation, "SD");
    EXPECT_EQ(table.entry(53).abbreviation, "QU");
    EXPECT_EQ(table.entry(59).name, "Northern Territories");
    EXPECT_EQ(table.entry(62).name, "Prince Edward");
    EXPECT_EQ(table.find("lb"), std::optional<std::size_t>(61));
    EXPECT_EQ(table.find("NYC"), std::nullopt);
}

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

} // namespace
} // namespace qv
