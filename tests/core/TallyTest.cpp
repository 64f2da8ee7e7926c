#include "core/Tally.h"

#include "fakes/Records.h"

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
    // Every contact counts into its multiplier's contacts, the first one too.
    EXPECT_EQ(state.multiplierContacts[7 - 1], 2);
    EXPECT_EQ(state.multiplierContacts[53 - 1], 1);
    resetTotals(state);
    EXPECT_EQ(state.multiplierContacts[7 - 1], 0);
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

} // namespace
} // namespace qv
