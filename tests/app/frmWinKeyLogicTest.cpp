#include "app/frmWinKeyLogic.h"

#include "fakes/CwKeyerStub.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeWinKeyerLibrary.h"
#include "fakes/MemoryFileStore.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using C = frmWinKeyControl;
using test::FakeWinKeyerLibrary;

struct CountingPortRule : KeyerDevicePortRule {
    int closes = 0;
    void beforeKeyerDeviceOpens() override { ++closes; }
};

struct frmWinKeyTest : ::testing::Test {
    test::FakeClock clock;
    FakeWinKeyerLibrary keyer;
    CwSendBuffer buffer;
    WinKeyerSender sender{{keyer, buffer, clock}};
    test::CwKeyerStub cw;
    CountingPortRule ports;
    test::MemoryFileStore programDir;
    test::MemoryFileStore userDir;
    test::FakeDialogs dialogs;
    bool writable = true;
    std::unique_ptr<frmWinKeyLogic> logic;

    frmWinKeyLogic& window() {
        if (!logic) {
            logic = std::make_unique<frmWinKeyLogic>(frmWinKeyLogic::Uses{
                sender, cw, buffer, ports, {programDir, userDir, writable}, dialogs, [] {
                    return std::string("K1ABC");
                }});
            logic->load();
        }
        return *logic;
    }
    void type(C box, const std::string& text) {
        window().moveFocus(box);
        window().state()[box].setText(text);
        window().moveFocus(C::cmdDone);
    }
};

TEST_F(frmWinKeyTest, DoneWritesWKTxtAndTheNextLoadReadsItBack) {
    programDir.files["WK.txt"] = "3\r\n\"20\"\r\n\"45\"\r\n\"1\"\r\n\"2\"\r\n\"60\"\r\n";
    const auto& s = window().state();
    EXPECT_EQ(s.port, 3);
    EXPECT_EQ(s[C::txtWKComPort].text, "3");
    EXPECT_EQ(s[C::txtWKWPM].text, "22"); // the CW window's speed, not the file's
    EXPECT_EQ(s[C::txtRatio].text, "60");
    EXPECT_EQ(s.pinConfig, kPinsTone); // a six-line file keeps the defaults
    EXPECT_EQ(s.mode, kModeIambicB);

    window().optionClick(C::optBug);
    window().optionClick(C::optPTT);
    EXPECT_TRUE(keyer.calls.empty()); // the keyer is closed: nothing to apply
    type(C::txtWeight, "55");
    window().show();
    window().cmdDone_Click();
    EXPECT_FALSE(window().state().visible);
    EXPECT_EQ(programDir.files["WK.txt"],
              "3\r\n\"22\"\r\n\"55\"\r\n\"1\"\r\n\"2\"\r\n\"60\"\r\n5\r\n48\r\n");

    logic.reset();
    const auto& again = window().state();
    EXPECT_EQ(again.mode, kModeBug);
    EXPECT_EQ(again.pinConfig, kPinsPtt);
    EXPECT_EQ(again[C::txtWeight].text, "55");
}

TEST_F(frmWinKeyTest, AReadOnlyProgramFolderKeepsWKTxtInTheUsersFolder) {
    writable = false;
    programDir.files["WK.txt"] = "9\r\n";
    EXPECT_EQ(window().state().port, 9); // nothing of the user's yet: the program's copy
    window().cmdDone_Click();
    EXPECT_EQ(programDir.files["WK.txt"], "9\r\n");
    ASSERT_TRUE(userDir.files.count("WK.txt"));
    userDir.files["WK.txt"] = "12\r\n";
    logic.reset();
    EXPECT_EQ(window().state().port, 12);
}

TEST_F(frmWinKeyTest, RatioIsSentFrom32To67Only) {
    const struct {
        const char* text;
        const char* sent; // nullptr: nothing
        const char* left;
    } cases[] = {
        {"32", "ratio 32", "32"}, {"67", "ratio 67", "67"}, {"31", nullptr, "31"},
        {"68", nullptr, "68"},    {"", nullptr, "50"},
    };
    for (const auto& c : cases) {
        keyer.calls.clear();
        type(C::txtRatio, c.text);
        EXPECT_EQ(keyer.calls,
                  c.sent ? std::vector<std::string>{c.sent} : std::vector<std::string>{})
            << c.text;
        EXPECT_EQ(window().state()[C::txtRatio].text, c.left) << c.text;
    }
}

TEST_F(frmWinKeyTest, FieldsTakeDigitsOnlyAndResetWhenEmpty) {
    window().moveFocus(C::txtWeight);
    window().state()[C::txtWeight].setText("");
    for (int key : {int('1'), int('x'), int('-'), int('2'), keys::kBackspace, int('0')}) {
        window().keyPressed(C::txtWeight, key);
    }
    EXPECT_EQ(window().state()[C::txtWeight].text, "10");
    type(C::txtWKWPM, "");
    type(C::txtLeadIn, "5");
    type(C::txtTail, "");
    type(C::txtWKComPort, "300");
    const auto& s = window().state();
    EXPECT_EQ(s[C::txtWKWPM].text, "18");
    EXPECT_EQ(s[C::txtTail].text, "0"); // leaving the tail resets the tail
    EXPECT_EQ(s[C::txtLeadIn].text, "5");
    EXPECT_EQ(s.port, 0); // no byte
    EXPECT_EQ(keyer.calls, (std::vector<std::string>{"weight 10", "leadtail 5 0"}));
}

TEST_F(frmWinKeyTest, OpenClosesTheOtherLinksAndAppliesEverySetting) {
    window().show();
    window().cmdOpenWinkey_Click();
    const auto& s = window().state();
    EXPECT_EQ(ports.closes, 1);
    EXPECT_EQ(s.lblOpenStatus, "WK Success!");
    EXPECT_EQ(s.lblVersion, "Version # 31");
    EXPECT_EQ(s.focus, C::cmdDone);
    EXPECT_TRUE(sender.open());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(keyer.calls,
              (std::vector<std::string>{"open 5", "wpm 22", "weight 50", "leadtail 0 0", "ratio 50",
                                        "pincfg 6", "mode 0"}));
}

TEST_F(frmWinKeyTest, AlreadyOpenShowsNoMessageAndSendsNothing) {
    keyer.openResult = WinKeyerResult::AlreadyOpen;
    window().cmdOpenWinkey_Click();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(window().state().lblOpenStatus, "WK Already Open");
    EXPECT_EQ(keyer.calls, (std::vector<std::string>{"open 5"}));
    EXPECT_FALSE(sender.open());
}

TEST_F(frmWinKeyTest, AFailedOpenTellsTheOperatorAndStillPassesTheSettings) {
    keyer.openResult = WinKeyerResult::ComOpenFailed;
    window().cmdOpenWinkey_Click();
    ASSERT_EQ(dialogs.shown.size(), 1U);
    EXPECT_EQ(dialogs.shown[0].title, "Unable to establish connection with Winkey.");
    EXPECT_EQ(dialogs.shown[0].text,
              "Unable to establish connection with WinKey on com port 5.  Please check to make "
              "sure that you have specified the correct port and that the Winkey device is "
              "properly connected.");
    EXPECT_EQ(window().state().lblOpenStatus, "Com Open Failed");
    EXPECT_EQ(window().state().lblVersion, "Version #");
    EXPECT_EQ(keyer.calls.size(), 7U); // open, then the six settings
    EXPECT_FALSE(sender.open());

    keyer.openResult = static_cast<WinKeyerResult>(7); // no text: the status stays
    window().cmdOpenWinkey_Click();
    EXPECT_EQ(window().state().lblOpenStatus, "Com Open Failed");
}

TEST_F(frmWinKeyTest, AfterCloseTheNextMessageReopensTheKeyer) {
    window().cmdOpenWinkey_Click();
    window().cmdCloseWinkey_Click();
    EXPECT_FALSE(sender.open());
    EXPECT_EQ(window().state().lblOpenStatus, "Closed");
    EXPECT_EQ(window().state().lblVersion, "Version #");
    EXPECT_EQ(keyer.calls.back(), "close");

    keyer.calls.clear();
    buffer.append("TU");
    sender.WKTransmit();
    EXPECT_TRUE(sender.open());
    EXPECT_EQ(window().state().lblOpenStatus, "WK Success!");
    EXPECT_EQ(ports.closes, 2);
    clock.advance(20);
    EXPECT_EQ(keyer.calls.front(), "open 5");
    EXPECT_EQ(keyer.calls.back(), "char 85");

    // The voice keyer taking the port closes through the window too.
    sender.close();
    EXPECT_EQ(window().state().lblOpenStatus, "Closed");
}

TEST_F(frmWinKeyTest, TestSendsTheCallAndStopClearsBoth) {
    window().cmdOpenWinkey_Click();
    window().Command3_Click();
    EXPECT_EQ(buffer.text(), "VVV TEST DE K1ABC");
    clock.advance(30);
    EXPECT_EQ(buffer.text(), " TEST DE K1ABC"); // three characters in 30 ms
    window().cmdStop_Click();
    EXPECT_TRUE(buffer.empty());
    EXPECT_EQ(keyer.calls.back(), "clearbuf");
}

} // namespace
} // namespace qv
