#include "app/frmCodePracticeLogic.h"

#include "fakes/CwKeyerStub.h"
#include "fakes/FakeClock.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

struct frmCodePracticeTest : ::testing::Test {
    test::FakeClock clock;
    test::CwKeyerStub cw;
    frmCodePracticeLogic window{{cw, clock, clock}};
};

TEST_F(frmCodePracticeTest, GroupsAreDrawnFromTheChosenSet) {
    const struct {
        std::string groups, size;
        bool lettersOnly;
        std::size_t length;
        std::size_t setSize;
    } cases[] = {
        {"10", "5", false, 60, 41},
        {"3", "4", true, 15, 26},
        {"x", "", false, 60, 41}, // not numbers: 10 groups of 5
        {"0", "5", false, 0, 41},
    };
    for (const auto& c : cases) {
        window.state().Text3.setText(c.groups);
        window.state().Text4.setText(c.size);
        window.state().lettersOnly = c.lettersOnly;
        clock.advance(7);
        window.Command2_Click();
        const std::string& text = window.state().Text1;
        ASSERT_EQ(text.size(), c.length) << c.groups;
        const std::size_t group = c.length ? (c.groups == "3" ? 5 : 6) : 1;
        const std::string_view set = kCodePracticeCharacters.substr(0, c.setSize);
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (i % group == group - 1) {
                EXPECT_EQ(text[i], ' ') << i;
            } else {
                EXPECT_NE(set.find(text[i]), std::string_view::npos) << text;
            }
        }
    }
    EXPECT_EQ(window.state().Text3.text, "0");
}

TEST_F(frmCodePracticeTest, EveryCharacterCanComeUp) {
    std::mt19937 rng(1);
    const std::string text = frmCodePracticeLogic::generateGroups(400, 5, false, rng);
    for (char c : kCodePracticeCharacters) {
        EXPECT_NE(text.find(c), std::string::npos) << c;
    }
}

TEST_F(frmCodePracticeTest, SendHandsOverOneCharacterAtATimeAndStopEndsIt) {
    window.Command1_Click("CQ DE");
    window.Command3_Click();
    EXPECT_EQ(cw.sent, "C");
    cw.keying = true; // the engine holds the next one until it has taken it
    clock.advance(10);
    EXPECT_EQ(cw.buffer, "Q");
    clock.advance(30);
    EXPECT_EQ(cw.buffer, "Q");
    cw.keying = false;
    cw.LoopThroughCWBuffer();
    window.state().Text1 = "CQ TEST"; // edits made while sending count
    clock.advance(10);
    EXPECT_EQ(cw.sent, "CQ ");
    EXPECT_EQ(window.state().Text2, "CQ ");
    EXPECT_EQ(window.state().Text1Caret, 3U);

    window.Command4_Click();
    clock.advance(100);
    EXPECT_EQ(cw.sent, "CQ ");
    EXPECT_FALSE(window.state().sending);

    window.Command3_Click(); // from the start again
    clock.advance(100);
    EXPECT_EQ(cw.sent, "CQ CQ TEST");
    EXPECT_FALSE(window.state().sending);
}

TEST_F(frmCodePracticeTest, KeyboardSendingAndSpeed) {
    window.load();
    EXPECT_EQ(window.state().Label8, "22");
    EXPECT_FALSE(window.Text5KeyPress(keys::kTab));
    cw.keying = true;
    EXPECT_TRUE(window.Text5KeyPress('a'));
    EXPECT_TRUE(window.Text5KeyPress('b'));
    EXPECT_TRUE(window.Text5KeyPress(keys::kBackspace));
    EXPECT_EQ(cw.buffer, "A");
    EXPECT_EQ(window.state().Text2, "A");
    EXPECT_EQ(cw.loops, 0); // a running loop picks it up
    cw.keying = false;
    window.Text5KeyPress('7');
    EXPECT_EQ(cw.sent, "A7");

    window.Command7_Click();
    window.Command7_Click();
    window.Command8_Click();
    EXPECT_EQ(window.state().Label8, "23");

    cw.keying = true;
    cw.buffer = "X";
    EXPECT_FALSE(window.queryClose());
    cw.keying = false;
    EXPECT_TRUE(window.queryClose());
    EXPECT_TRUE(cw.buffer.empty());
}

} // namespace
} // namespace qv
