// The voice keyer window's logic: loading and saving wave2.txt, the field rules,
// Browse, Test and Stop, and the keyer's settings following the window.

#include "app/PhoneFrmLogic.h"

#include "fakes/FakeBeeper.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeParallelPort.h"
#include "fakes/FakeSerialLink.h"
#include "fakes/FakeWavePlayer.h"
#include "fakes/MemoryFileStore.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using C = PhoneFrmControl;

struct Windows : PhoneFrmWindows {
    int modal = 0;
    void showPhoneFrmModally() override { ++modal; }
};

struct PhoneFrmLogicTest : ::testing::Test {
    test::FakeWavePlayer player;
    test::FakeSerialLink link;
    test::FakeParallelPort parallel;
    test::FakeClock clock;
    test::FakeDialogs dialogs;
    test::FakeBeeper beeper;
    test::MemoryFileStore files;
    NoKeyingPortRule rule;
    PhoneKeyer keyer{{player, link, parallel, clock, dialogs, beeper, rule, nullptr}};
    PhoneFrmLogic logic{{keyer, files, dialogs, beeper}};
    Windows windows;

    PhoneFrmLogicTest() { logic.setWindows(&windows); }
    const PhoneFrmState& s() { return logic.state(); }
    void type(C c, std::string_view keys) {
        for (const char ch : keys) {
            logic.keyPressed(c, static_cast<unsigned char>(ch));
        }
    }
    void replace(C c, std::string_view keys) {
        logic.state()[c].selectAll();
        logic.keyPressed(c, keys::kBackspace);
        type(c, keys);
    }
};

TEST_F(PhoneFrmLogicTest, StartUpReadsTheFileAndDoneWritesItBack) {
    WaveSettings w;
    w.files[0] = "/w/cq.wav";
    w.port = "2";
    w.line = PttLine::Dtr;
    w.loopSeconds = "3";
    w.parallelBase = "&H278";
    w.speak[4] = "five nine";
    std::string text;
    ASSERT_TRUE(formatWaveSettings(w, text));
    files.files[WaveSettings::kFileName] = text;

    logic.startUp();
    EXPECT_EQ(s()[C::Text1].text, "/w/cq.wav");
    EXPECT_EQ(s()[C::Text10].text, "2");
    EXPECT_EQ(s()[C::Text11].text, "&H278");
    EXPECT_EQ(s()[C::txtPHLoop].text, "3");
    EXPECT_EQ(s()[C::txtSpeak5].text, "five nine");
    EXPECT_EQ(s().line, PttLine::Dtr);
    EXPECT_EQ(keyer.repeatInterval(), 3000U);
    EXPECT_FALSE(link.isOpen()) << "the link opens with the first message";

    logic.show();
    replace(C::Text2, "/w/qrz.wav");
    logic.optionClick(PttLine::Parallel);
    EXPECT_EQ(keyer.settings().files[1], "/w/qrz.wav");
    EXPECT_EQ(keyer.settings().line, PttLine::Parallel);
    logic.Command1Click();
    EXPECT_FALSE(s().visible);
    w.files[1] = "/w/qrz.wav";
    w.line = PttLine::Parallel;
    ASSERT_TRUE(formatWaveSettings(w, text));
    EXPECT_EQ(files.files[WaveSettings::kFileName], text);
}

TEST_F(PhoneFrmLogicTest, AMissingFileIsNoErrorAndKeepsTheDefaults) {
    logic.startUp();
    EXPECT_EQ(s()[C::Text10].text, "0");
    EXPECT_EQ(s()[C::Text11].text, "&H378");
    EXPECT_EQ(s()[C::txtPHLoop].text, "0");
    EXPECT_EQ(s().line, PttLine::Rts);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(PhoneFrmLogicTest, KeyRulesOfTheBoxes) {
    replace(C::Text11, "&hab\"c");
    EXPECT_EQ(s()[C::Text11].text, "&HABC");
    replace(C::txtPHLoop, "x1.5a");
    EXPECT_EQ(s()[C::txtPHLoop].text, "1.5");
    type(C::Text3, "a\"b");
    EXPECT_EQ(s()[C::Text3].text, "ab");
}

TEST_F(PhoneFrmLogicTest, LeavingTheLoopBoxSetsTheInterval) {
    const struct {
        const char* typed;
        const char* after;
        std::uint32_t ms;
        int beeps;
    } cases[] = {
        {"2", "2", 2000, 0}, {"2.5", "2.5", 2500, 0}, {"59.9", "59.9", 59900, 0}, {"60", "0", 0, 1},
        {"", "0", 0, 1},     {"1.2.3", "0", 0, 1},    {"0.0005", "0.0005", 0, 0},
    };
    for (const auto& c : cases) {
        beeper.beeps = 0;
        logic.moveFocus(C::txtPHLoop);
        replace(C::txtPHLoop, c.typed);
        logic.moveFocus(C::Command1);
        EXPECT_EQ(s()[C::txtPHLoop].text, c.after) << c.typed;
        EXPECT_EQ(keyer.repeatInterval(), c.ms) << c.typed;
        EXPECT_EQ(beeper.beeps, c.beeps) << c.typed;
    }
}

TEST_F(PhoneFrmLogicTest, LeavingThePortBoxOpensThePort) {
    logic.show();
    logic.moveFocus(C::Text10);
    EXPECT_EQ(s()[C::Text10].selLength, 1U) << "selected whole on entering";
    type(C::Text10, "4");
    logic.moveFocus(C::Text11);
    EXPECT_TRUE(link.isOpen());
    EXPECT_EQ(link.port(), 4);

    logic.moveFocus(C::Text10);
    replace(C::Text10, "COM5");
    link.refuseOpen = "no such port";
    logic.moveFocus(C::Text11);
    EXPECT_EQ(s()[C::Text10].text, "0");
    EXPECT_EQ(link.opens, 1) << "0 opens nothing";
    EXPECT_TRUE(dialogs.shown.empty());

    logic.moveFocus(C::Text10);
    replace(C::Text10, "7");
    logic.moveFocus(C::Text11);
    ASSERT_EQ(dialogs.shown.size(), 1U);
    EXPECT_EQ(dialogs.shown[0].title, "Invalid port.");
    EXPECT_EQ(windows.modal, 0) << "the window is already shown";
}

TEST_F(PhoneFrmLogicTest, AFailedPortWithTheWindowHiddenShowsIt) {
    logic.state()[C::Text10].setText("3");
    logic.edited(C::Text10);
    link.refuseOpen = "busy";
    keyer.settings().files[0] = "/w/f1.wav";
    keyer.FKeyPhone(kKeyF1);
    EXPECT_EQ(windows.modal, 1);
}

TEST_F(PhoneFrmLogicTest, BrowseFillsTheKeysPathOrBeepsOnCancel) {
    dialogs.fileAnswers.push_back("/home/op/cq.wav");
    logic.browseClick(4);
    EXPECT_EQ(s()[C::Text5].text, "/home/op/cq.wav");
    EXPECT_EQ(keyer.settings().files[4], "/home/op/cq.wav");
    EXPECT_EQ(s().focus, C::Command1);
    ASSERT_EQ(dialogs.shown.size(), 1U);
    EXPECT_EQ(dialogs.shown[0].kind, "open");
    EXPECT_EQ(dialogs.shown[0].text, "/memory|(*.wav)|*.wav");

    logic.browseClick(4);
    EXPECT_EQ(s()[C::Text5].text, "/home/op/cq.wav");
    EXPECT_EQ(beeper.beeps, 1);
}

TEST_F(PhoneFrmLogicTest, TestPlaysF1AndShowsStopWhileARepeatIsArmed) {
    logic.show();
    replace(C::Text1, "/w/f1.wav");
    logic.moveFocus(C::txtPHLoop);
    replace(C::txtPHLoop, "2");
    logic.moveFocus(C::Command11);
    logic.Command11Click();
    EXPECT_EQ(player.played, std::vector<std::string>{"/w/f1.wav"});
    EXPECT_EQ(s().focus, C::Command1);
    EXPECT_TRUE(s().stopShown);

    player.finish();
    clock.advance(40 + 2000);
    EXPECT_EQ(player.played.size(), 2U);
    logic.Command12Click();
    EXPECT_FALSE(s().stopShown);
    EXPECT_FALSE(keyer.repeatArmed());
    player.finish();
    clock.advance(10000);
    EXPECT_EQ(player.played.size(), 2U);

    logic.moveFocus(C::txtPHLoop);
    replace(C::txtPHLoop, "0");
    logic.Command11Click();
    EXPECT_FALSE(s().stopShown);
}

TEST_F(PhoneFrmLogicTest, TheCloseBoxEndsTheMessagePlaying) {
    logic.show();
    replace(C::Text1, "/w/f1.wav");
    logic.Command11Click();
    logic.closed();
    EXPECT_FALSE(s().visible);
    EXPECT_FALSE(player.playing());
    EXPECT_FALSE(files.exists(WaveSettings::kFileName)) << "only Done writes the file";
}

} // namespace
} // namespace qv
