#include "cw/KeyingSelection.h"

#include "fakes/FakeParallelPort.h"
#include "fakes/FakeSerialLink.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(KeyingSelection, TheStoredNumbers) {
    const std::pair<int, std::optional<KeyingSelection>> cases[] = {
        {0, KeyingSelection::None},
        {1, KeyingSelection::SerialRts},
        {2, KeyingSelection::SerialDtr},
        {3, KeyingSelection::Parallel},
        {4, std::nullopt},
        {5, KeyingSelection::WinKeyer},
        {6, std::nullopt},
        {-1, std::nullopt},
        {256, std::nullopt},
    };
    for (const auto& [number, selection] : cases) {
        EXPECT_EQ(keyingSelectionFromNumber(number), selection) << number;
    }
}

TEST(KeyingSelection, EachSelectionKeysItsLine) {
    using Change = test::FakeSerialLink::LineChange;
    const std::pair<KeyingSelection, char> serial[] = {{KeyingSelection::SerialRts, 'R'},
                                                       {KeyingSelection::SerialDtr, 'D'}};
    for (const auto& [selection, line] : serial) {
        test::FakeSerialLink link;
        test::FakeParallelPort parallel;
        const auto keying = makeKeyingLine(selection, link, parallel);
        ASSERT_TRUE(keying);
        ASSERT_TRUE(keying->set(KeyState::Down).ok());
        ASSERT_TRUE(keying->set(KeyState::Up).ok());
        const std::vector<Change> changes = link.lineChanges();
        ASSERT_EQ(changes.size(), 2u);
        EXPECT_EQ(changes[0].line, line);
        EXPECT_TRUE(changes[0].on);
        EXPECT_EQ(changes[1].line, line);
        EXPECT_FALSE(changes[1].on);
        EXPECT_TRUE(parallel.writes().empty());

        link.refuseLines = "gone";
        EXPECT_EQ(keying->set(KeyState::Down).message(), "gone");
    }

    test::FakeSerialLink link;
    test::FakeParallelPort parallel;
    ASSERT_TRUE(parallel.open(0x378).ok());
    const auto keying = makeKeyingLine(KeyingSelection::Parallel, link, parallel);
    ASSERT_TRUE(keying);
    ASSERT_TRUE(keying->set(KeyState::Down).ok());
    ASSERT_TRUE(keying->set(KeyState::Up).ok());
    using Write = test::FakeParallelPort::Write;
    EXPECT_EQ(parallel.writes(),
              (std::vector<Write>{{ParallelRegister::Control, 3}, {ParallelRegister::Control, 2}}));
    EXPECT_TRUE(link.lineChanges().empty());

    EXPECT_FALSE(makeKeyingLine(KeyingSelection::None, link, parallel));
    EXPECT_FALSE(makeKeyingLine(KeyingSelection::WinKeyer, link, parallel));
}

} // namespace
} // namespace qv
