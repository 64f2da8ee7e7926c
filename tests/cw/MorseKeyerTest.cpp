#include "cw/MorseKeyer.h"

#include "cw/MorseTable.h"
#include "fakes/FakeBeeper.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeKeyingTimebase.h"
#include "fakes/FakeParallelPort.h"
#include "fakes/FakeSerialLink.h"

#include <condition_variable>
#include <mutex>
#include <stdexcept>

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::FakeKeyingTimebase;

// The selected line with every setting stamped on the fake timebase.
class StampedLine : public KeyingLine {
public:
    struct Edge {
        KeyState state;
        double ms;
    };
    StampedLine(KeyingLine& inner, FakeKeyingTimebase& time) : inner_(inner), time_(time) {}
    Status set(KeyState state) override {
        Status s = inner_.set(state);
        const std::lock_guard lock(mutex_);
        if (s.ok()) {
            edges_.push_back({state, time_.elapsedMs()});
        }
        return s;
    }
    std::vector<Edge> edges() {
        const std::lock_guard lock(mutex_);
        return edges_;
    }

private:
    KeyingLine& inner_;
    FakeKeyingTimebase& time_;
    std::mutex mutex_;
    std::vector<Edge> edges_;
};

class Host : public MorseKeyerHost {
public:
    MorseSettings settings;
    std::string call;
    int logged = 0;
    bool visible = false;
    int shownModally = 0;
    const MorseSettings& morseSettings() const override { return settings; }
    std::string callText() const override { return call; }
    void Mains() override { ++logged; }
    bool setupVisible() const override { return visible; }
    void showSetupModally() override { ++shownModally; }
};

class NoWinKeyerSpy : public NoWinKeyer {
public:
    int closes = 0;
    void close() override { ++closes; }
};

class MorseKeyerTest : public ::testing::Test {
protected:
    FakeKeyingTimebase time;
    test::FakeSerialLink link;
    test::FakeSerialLink voiceLink;
    test::FakeParallelPort parallel;
    SelectedKeyingLine selected{link, parallel};
    StampedLine line{selected, time};
    test::FakeDialogs dialogs;
    test::FakeBeeper beeper;
    NoWinKeyerSpy winKeyer;
    Host host;

    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<KeyingResult> results;
    double endMs = 0;

    KeyingThread keying{line,
                        [this](const KeyingResult& r) {
                            const std::lock_guard lock(mutex);
                            results.push_back(r);
                            endMs = time.msAt(r.endsAt);
                            arrived.notify_all();
                        },
                        &time};
    CwPortRule rule{{link, keying, voiceLink}};
    MorseKeyer keyer{{keying, selected, link, parallel, time, &rule, dialogs, beeper}, host};

    MorseKeyerTest() {
        rule.attachWinKeyer(&winKeyer);
        host.settings.selection = KeyingSelection::SerialRts;
        host.settings.port = "3";
        host.settings.wpm = "20";
    }

    // Transmits a text the way the send loop does: the next character once the
    // previous one is keyed.
    void send(std::string_view text) {
        for (const char ch : text) {
            std::size_t before = 0;
            {
                const std::lock_guard lock(mutex);
                before = results.size();
            }
            if (keyer.Transmit(ch) == MorseKeyer::Sent::Keying) {
                std::unique_lock lock(mutex);
                ASSERT_TRUE(arrived.wait_for(lock, std::chrono::seconds(5),
                                             [&] { return results.size() > before; }));
            }
        }
    }

    // The line as runs of one state: + for key down, - for key up, with their
    // lengths in ms, the last run ending when the last character ended.
    std::vector<double> runs() {
        std::vector<double> out;
        const auto edges = line.edges();
        for (std::size_t i = 0; i < edges.size(); ++i) {
            if (i > 0 && edges[i].state == edges[i - 1].state) {
                continue;
            }
            std::size_t j = i + 1;
            while (j < edges.size() && edges[j].state == edges[i].state) {
                ++j;
            }
            const double end = j < edges.size() ? edges[j].ms : endMs;
            const double length = end - edges[i].ms;
            out.push_back(edges[i].state == KeyState::Down ? length : -length);
        }
        return out;
    }
};

TEST_F(MorseKeyerTest, TwoEsAt20WpmWithEachTimingMethod) {
    // 6000 passes per 60 ms at 0.01 ms a pass: the loop is calibrated exactly.
    host.settings.loopsPer60ms = 6000;
    for (const TimingMethod method :
         {TimingMethod::Timer, TimingMethod::Sleep, TimingMethod::Loop}) {
        host.settings.method = method;
        const std::size_t before = line.edges().size();
        const double start = time.elapsedMs();
        send("EE");
        const std::vector<double> all = runs();
        ASSERT_GE(all.size(), 4u);
        EXPECT_EQ(std::vector<double>(all.end() - 4, all.end()),
                  (std::vector<double>{60, -180, 60, -180}))
            << timingMethodText(method);
        EXPECT_DOUBLE_EQ(endMs - start, 480) << timingMethodText(method);
        EXPECT_EQ(line.edges().size() - before, 8u) << "the line is written for every unit";
    }
    EXPECT_FALSE(link.rts());
    EXPECT_EQ(link.portNumber, 3);
}

TEST_F(MorseKeyerTest, WordSpaceAdjustment) {
    struct Case {
        const char* space;
        double units;
    };
    for (const Case c : {Case{"0", 28}, Case{"-8", 20}, Case{"2", 30}, Case{"-12", 20}}) {
        host.settings.wordSpace = c.space;
        const double start = time.elapsedMs();
        send("A B");
        EXPECT_DOUBLE_EQ(endMs - start, c.units * 60) << c.space;
    }
}

TEST_F(MorseKeyerTest, TableLookup) {
    EXPECT_EQ(MorseTable::elements('q'), MorseTable::elements('Q'));
    EXPECT_EQ(MorseTable::elements('-'), MorseTable::elements('='));
    EXPECT_EQ(MorseTable::elements('-'), "1110101010111000");
    EXPECT_EQ(MorseTable::elements('\\'), "111010111010101110101000");
    EXPECT_EQ(MorseTable::elements('0'), "1110111011101110111000");
    for (const char unknown : {'(', '%', '!', '"', '\r'}) {
        EXPECT_TRUE(MorseTable::elements(unknown).empty()) << unknown;
    }
    // Lower case keys like capitals; unknown characters take no time and key nothing.
    send("e");
    const double afterE = endMs;
    const std::size_t edges = line.edges().size();
    send("(%");
    EXPECT_EQ(line.edges().size(), edges);
    EXPECT_EQ(endMs, afterE);
    EXPECT_EQ(runs(), (std::vector<double>{60, -180}));
}

TEST_F(MorseKeyerTest, ExclamationMarkLogsTheContactAndKeysNothing) {
    send("!");
    EXPECT_EQ(host.logged, 0) << "no call typed";
    host.call = "K1ABC";
    send("!");
    EXPECT_EQ(host.logged, 1);
    EXPECT_TRUE(line.edges().empty());

    host.settings.selection = KeyingSelection::None;
    EXPECT_EQ(keyer.Transmit('!'), MorseKeyer::Sent::Nothing);
    EXPECT_EQ(keyer.Transmit('E'), MorseKeyer::Sent::Nothing);
    EXPECT_EQ(host.logged, 1);
    EXPECT_TRUE(line.edges().empty());
}

TEST_F(MorseKeyerTest, PrinterKeysTheControlRegister) {
    host.settings.selection = KeyingSelection::Parallel;
    send("E");
    EXPECT_EQ(parallel.base(), 888u);
    using W = test::FakeParallelPort::Write;
    const std::vector<W> expected = {{ParallelRegister::Control, 3},
                                     {ParallelRegister::Control, 2},
                                     {ParallelRegister::Control, 2},
                                     {ParallelRegister::Control, 2}};
    EXPECT_EQ(parallel.writes(), expected);
    EXPECT_FALSE(link.opened) << "no serial port for the printer port";
}

TEST_F(MorseKeyerTest, SpeedOfZeroOrLessIsRefusedWithTheLineUp) {
    for (const char* wpm : {"0", "-5", "abc"}) {
        host.settings.wpm = wpm;
        EXPECT_EQ(keyer.Transmit('T'), MorseKeyer::Sent::Refused) << wpm;
    }
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[0].title, kInvalidCwSpeedTitle);
    EXPECT_TRUE(line.edges().empty());
    EXPECT_FALSE(keying.busy());
    EXPECT_FALSE(link.rts());
}

TEST_F(MorseKeyerTest, DtrKeysTheOtherLine) {
    host.settings.selection = KeyingSelection::SerialDtr;
    send("T");
    EXPECT_EQ(runs(), (std::vector<double>{180, -180}));
    EXPECT_FALSE(link.dtr());
    EXPECT_FALSE(link.rts());
}

TEST_F(MorseKeyerTest, OpeningTheCwLinkClosesTheVoiceLinkAndTheReverse) {
    ASSERT_TRUE(voiceLink.open().ok());
    ASSERT_TRUE(keyer.CWSetup());
    EXPECT_TRUE(link.opened);
    EXPECT_FALSE(voiceLink.opened);

    rule.beforeVoiceLinkOpens();
    EXPECT_FALSE(link.opened);
    EXPECT_EQ(winKeyer.closes, 1);

    ASSERT_TRUE(voiceLink.open().ok());
    ASSERT_TRUE(keyer.CWSetup());
    rule.beforeKeyerDeviceOpens();
    EXPECT_FALSE(link.opened);
    EXPECT_FALSE(voiceLink.opened);
}

TEST_F(MorseKeyerTest, AnInvalidPortIsReportedOnceAndSendsNothing) {
    link.refuseOpen = "busy";
    EXPECT_EQ(keyer.Transmit('E'), MorseKeyer::Sent::Refused);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, kInvalidCwPortTitle);
    EXPECT_EQ(dialogs.shown[0].text, kInvalidCwPortText);
    EXPECT_EQ(beeper.beeps, 1);
    EXPECT_EQ(host.shownModally, 1) << "the hidden setup window is shown";
    EXPECT_TRUE(line.edges().empty());

    host.visible = true;
    EXPECT_EQ(keyer.Transmit('E'), MorseKeyer::Sent::Refused);
    EXPECT_EQ(host.shownModally, 1);
    link.refuseOpen.reset();
    send("E");
    EXPECT_EQ(runs(), (std::vector<double>{60, -180}));
}

TEST_F(MorseKeyerTest, CalibrationCountsTheLoopFor60Ms) {
    time.msPerPass = 0.0001; // 5,000,000 passes take 500 ms
    EXPECT_EQ(keyer.CalibrateLoop(0), 600000);
    // At 20 WPM a unit is then 600000 / 20 x 20 passes: 60 ms.
    host.settings.method = TimingMethod::Loop;
    host.settings.loopsPer60ms = 600000;
    send("E");
    EXPECT_EQ(runs(), (std::vector<double>{60, -180}));
}

// A line whose second key-down throws.
class ThrowingLine : public KeyingLine {
public:
    std::vector<KeyState> set_;
    Status set(KeyState state) override {
        if (state == KeyState::Down && ++downs_ == 2) {
            throw std::runtime_error("driver fault");
        }
        set_.push_back(state);
        return Status::success();
    }

private:
    int downs_ = 0;
};

TEST(KeyingThreadErrors, AnErrorThrownMidCharacterEndsItWithTheLineUp) {
    FakeKeyingTimebase time;
    ThrowingLine line;
    std::mutex m;
    std::condition_variable cv;
    std::optional<KeyingResult> result;
    KeyingThread keying(
        line,
        [&](const KeyingResult& r) {
            const std::lock_guard lock(m);
            result = r;
            cv.notify_all();
        },
        &time);
    const KeyingMilliseconds unit(60);
    ASSERT_TRUE(keying
                    .send({{KeyState::Down, unit},
                           {KeyState::Up, unit},
                           {KeyState::Down, unit},
                           {KeyState::Up, unit}})
                    .ok());
    std::unique_lock lock(m);
    ASSERT_TRUE(cv.wait_for(lock, std::chrono::seconds(5), [&] { return result.has_value(); }));
    EXPECT_EQ(result->outcome, KeyingOutcome::LineFailed);
    EXPECT_EQ(line.set_, (std::vector<KeyState>{KeyState::Down, KeyState::Up, KeyState::Up}));
}

} // namespace
} // namespace qv
