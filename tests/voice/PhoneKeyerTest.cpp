// The voice keyer over a scripted player, serial link, parallel port and clock:
// push-to-talk around each message, the F1 repeat and stopping.

#include "voice/PhoneKeyer.h"

#include "fakes/FakeBeeper.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeParallelPort.h"
#include "fakes/FakeSerialLink.h"
#include "fakes/FakeTextSpeaker.h"
#include "fakes/FakeWavePlayer.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::FakeSerialLink;
using Control = ParallelRegister;

class CountingPortRule : public KeyingPortRule {
public:
    int calls = 0;
    void beforeVoiceLinkOpens() override { ++calls; }
};

class Window : public PhoneKeyerWindow {
public:
    bool visible = false;
    int shownModally = 0;
    bool windowVisible() const override { return visible; }
    void showWindowModally() override { ++shownModally; }
};

struct PhoneKeyerTest : ::testing::Test {
    test::FakeWavePlayer player;
    FakeSerialLink link;
    test::FakeParallelPort parallel;
    test::FakeClock clock;
    test::FakeDialogs dialogs;
    test::FakeBeeper beeper;
    CountingPortRule rule;
    test::FakeTextSpeaker speaker;
    Window window;
    PhoneKeyer keyer{{player, link, parallel, clock, dialogs, beeper, rule, &speaker}};

    PhoneKeyerTest() {
        keyer.setWindow(&window);
        WaveSettings s;
        s.files[0] = "/w/f1.wav";
        s.files[2] = "/w/f3.wav";
        s.port = "3";
        keyer.applySettings(s);
    }
    void loop(const char* seconds) {
        WaveSettings s = keyer.settings();
        s.loopSeconds = seconds;
        keyer.applySettings(s);
    }
};

TEST_F(PhoneKeyerTest, PttRisesBeforePlayAndDropsOnTheFirstTickAfterTheEnd) {
    keyer.FKeyPhone(kKeyF1);
    ASSERT_EQ(player.played, std::vector<std::string>{"/w/f1.wav"});
    EXPECT_TRUE(link.isOpen());
    EXPECT_EQ(link.port(), 3);
    EXPECT_EQ(rule.calls, 1);
    // Opened with both lines low, then RTS raised.
    const auto changes = link.lineChanges();
    ASSERT_EQ(changes.size(), 3U);
    EXPECT_FALSE(changes[0].on);
    EXPECT_FALSE(changes[1].on);
    EXPECT_EQ(changes[2].line, 'R');
    EXPECT_TRUE(changes[2].on);
    EXPECT_TRUE(keyer.playing());

    clock.advance(400);
    EXPECT_TRUE(link.rts());
    player.finish();
    clock.advance(39);
    EXPECT_TRUE(link.rts()) << "the tick is the only watch";
    clock.advance(1);
    EXPECT_FALSE(link.rts());
    EXPECT_FALSE(keyer.pttRaised());
    EXPECT_TRUE(parallel.writes().empty());

    // The next message finds the link open and does not reopen it.
    keyer.FKeyPhone(kKeyF1 + 2);
    EXPECT_EQ(link.opens, 1);
    EXPECT_EQ(player.played.back(), "/w/f3.wav");
}

TEST_F(PhoneKeyerTest, TheChosenLinesRiseAndFall) {
    struct Case {
        PttLine line;
        const char* port;
        char serial; // the serial line keyed, or 0
        bool parallel;
    };
    const Case cases[] = {
        {PttLine::Rts, "3", 'R', false},     {PttLine::Dtr, "3", 'D', false},
        {PttLine::Parallel, "3", 'R', true}, {PttLine::Parallel, "0", 0, true},
        {PttLine::Rts, "0", 0, false},
    };
    for (const Case& c : cases) {
        test::FakeWavePlayer p;
        FakeSerialLink l;
        test::FakeParallelPort pp;
        test::FakeClock ck;
        PhoneKeyer k{{p, l, pp, ck, dialogs, beeper, rule, nullptr}};
        WaveSettings s;
        s.files[0] = "/w/f1.wav";
        s.port = c.port;
        s.line = c.line;
        s.parallelBase = "&H278";
        k.applySettings(s);
        k.FKeyPhone(kKeyF1);
        EXPECT_EQ(p.played.size(), 1U);
        EXPECT_EQ(l.isOpen(), c.serial != 0);
        EXPECT_EQ(c.serial == 'R' && l.rts(), c.serial == 'R');
        EXPECT_EQ(c.serial == 'D' && l.dtr(), c.serial == 'D');
        EXPECT_EQ(k.pttRaised(), c.serial != 0 || c.parallel);
        if (c.parallel) {
            EXPECT_EQ(pp.base(), 0x278U);
            EXPECT_EQ(pp.writes(),
                      (std::vector<test::FakeParallelPort::Write>{{Control::Control, 3}}));
        }
        p.finish();
        ck.advance(40);
        EXPECT_FALSE(l.rts());
        EXPECT_FALSE(l.dtr());
        EXPECT_FALSE(k.pttRaised());
        if (c.parallel) {
            EXPECT_EQ(pp.writes().back(), (test::FakeParallelPort::Write{Control::Control, 2}));
        } else {
            EXPECT_TRUE(pp.writes().empty());
        }
    }
}

TEST_F(PhoneKeyerTest, AnEmptyKeyDoesNothingAndOtherKeysAreIgnored) {
    for (const int code : {kKeyF1 + 1, 111, 121, 123}) {
        keyer.FKeyPhone(code);
    }
    clock.advance(100);
    EXPECT_TRUE(player.played.empty());
    EXPECT_TRUE(link.lineChanges().empty());
    EXPECT_FALSE(link.isOpen());
}

TEST_F(PhoneKeyerTest, AMissingFileRaisesPttOnlyUntilTheNextTick) {
    keyer.settings().files[1] = "/no/such.wav";
    keyer.FKeyPhone(kKeyF1 + 1);
    EXPECT_TRUE(link.rts());
    player.finish(PlaybackOutcome::Failed, "not found");
    clock.advance(40);
    EXPECT_FALSE(link.rts());
}

TEST_F(PhoneKeyerTest, F1RepeatsAfterItsPauseUntilStopped) {
    loop("2");
    keyer.FKeyPhone(kKeyF1);
    EXPECT_TRUE(keyer.repeatArmed());
    clock.advance(1000);
    player.finish(); // ends at 1000 ms; noticed at 1040
    clock.advance(40);
    EXPECT_FALSE(link.rts());
    clock.advance(1999);
    EXPECT_EQ(player.played.size(), 1U);
    clock.advance(1);
    EXPECT_EQ(player.played.size(), 2U);
    EXPECT_TRUE(link.rts());

    // Stopping the repeat while it plays lets the message end without another.
    keyer.cancelRepeat();
    EXPECT_TRUE(player.playing());
    player.finish();
    clock.advance(5000);
    EXPECT_EQ(player.played.size(), 2U);
    EXPECT_FALSE(link.rts());

    // ... and during the pause.
    keyer.FKeyPhone(kKeyF1);
    player.finish();
    clock.advance(1040);
    keyer.cancelRepeat();
    clock.advance(5000);
    EXPECT_EQ(player.played.size(), 3U);
    EXPECT_FALSE(keyer.repeatArmed());
}

TEST_F(PhoneKeyerTest, OnlyF1ArmsTheRepeat) {
    loop("2");
    keyer.FKeyPhone(kKeyF1 + 2);
    EXPECT_FALSE(keyer.repeatArmed());
    loop("0");
    keyer.FKeyPhone(kKeyF1);
    EXPECT_FALSE(keyer.repeatArmed());
}

TEST_F(PhoneKeyerTest, EscStopsPlaybackAndPttDropsWithinATick) {
    keyer.FKeyPhone(kKeyF1 + 2);
    clock.advance(100);
    keyer.stop();
    EXPECT_FALSE(keyer.playing());
    EXPECT_EQ(player.stops, 1);
    clock.advance(40);
    EXPECT_FALSE(link.rts());
}

TEST_F(PhoneKeyerTest, ANewMessageReplacesTheOnePlaying) {
    keyer.FKeyPhone(kKeyF1);
    keyer.FKeyPhone(kKeyF1 + 2);
    EXPECT_EQ(player.stops, 1);
    clock.advance(40);
    EXPECT_TRUE(link.rts()) << "still keyed for the second message";
    // An empty key ends the message too; PTT drops at the tick.
    keyer.FKeyPhone(kKeyF1 + 1);
    clock.advance(40);
    EXPECT_FALSE(link.rts());
}

TEST_F(PhoneKeyerTest, AnInvalidPortIsReportedAndNothingPlays) {
    link.refuseOpen = "busy";
    window.visible = false;
    keyer.FKeyPhone(kKeyF1);
    EXPECT_TRUE(player.played.empty());
    ASSERT_EQ(dialogs.shown.size(), 1U);
    EXPECT_EQ(dialogs.shown[0].title, "Invalid port.");
    EXPECT_EQ(dialogs.shown[0].text, "The port you have selected for Phone keying is invalid.  "
                                     "Please select another or enter 0 for none.");
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(beeper.beeps, 1);
    EXPECT_EQ(window.shownModally, 1);
    EXPECT_FALSE(keyer.pttRaised());

    // The window already shown is not shown again; the next message tries again.
    window.visible = true;
    link.refuseOpen.reset();
    keyer.settings().port = "40000";
    EXPECT_FALSE(keyer.PhoneSetup());
    EXPECT_EQ(window.shownModally, 1);
    keyer.settings().port = "4";
    keyer.FKeyPhone(kKeyF1);
    EXPECT_EQ(link.port(), 4);
    EXPECT_EQ(player.played.size(), 1U);
}

TEST_F(PhoneKeyerTest, AFailingParallelPortLeavesNoLineUp) {
    keyer.settings().line = PttLine::Parallel;
    parallel.refuseOpen = "no ppdev";
    keyer.FKeyPhone(kKeyF1);
    EXPECT_TRUE(player.played.empty());
    EXPECT_FALSE(link.rts());
    EXPECT_FALSE(keyer.pttRaised());
}

TEST_F(PhoneKeyerTest, AKeyWithOnlyATextIsSpokenWithPttAround) {
    keyer.settings().speak[1] = "QRZ";
    keyer.settings().speak[0] = "not spoken: F1 has a file";
    keyer.FKeyPhone(kKeyF1 + 1);
    EXPECT_EQ(speaker.said, std::vector<std::string>{"QRZ"});
    EXPECT_TRUE(link.rts());
    EXPECT_TRUE(keyer.playing());
    clock.advance(400);
    EXPECT_TRUE(link.rts());
    speaker.finish();
    clock.advance(40);
    EXPECT_FALSE(link.rts());

    keyer.FKeyPhone(kKeyF1);
    EXPECT_EQ(speaker.said.size(), 1U);
    keyer.FKeyPhone(kKeyF1 + 1);
    keyer.stop();
    EXPECT_FALSE(speaker.speaking());
}

} // namespace
} // namespace qv
