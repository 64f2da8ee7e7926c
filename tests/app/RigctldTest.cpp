// A radio through hamlib's rig daemon: the rig window's rigctld part, the link
// over a scripted TCP connection, the daemon the program starts, and what the
// main window sees of the radio.

#include "app/Program.h"
#include "fakes/FakeBeeper.h"
#include "fakes/FakeChildProcess.h"
#include "fakes/FakeClipboard.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeEventWait.h"
#include "fakes/FakeSerialLink.h"
#include "fakes/FakeSettingsStore.h"
#include "fakes/FakeTcpLink.h"
#include "fakes/MemoryFileStore.h"
#include "rig/RadioTable.h"

#include <gtest/gtest.h>

namespace qv::test {
namespace {

constexpr const char* kKey = "Velmark_Software/Settings/";

class RigctldTest : public ::testing::Test {
protected:
    MemoryFileStore files;
    MemoryFileStore data;
    ShippedFiles shipped{files, {&data}};
    FakeClock clock;
    FakeBeeper beeper;
    FakeDialogs dialogs;
    FakeSettingsStore settings;
    FakeClipboard clipboard;
    FakeSerialLink rigLink;
    FakeEventWait wait{clock};
    MemoryFileStore pegasus;
    FakeTcpLink tcp;
    FakeChildProcess daemon;
    Program program{{clock, clock, dialogs, beeper, files, shipped, settings, clipboard},
                    {},
                    {&rigLink, &wait, &pegasus, nullptr, nullptr, nullptr, nullptr, &tcp, &daemon}};
    RigControl& rig = program.rig;
    RigControlfrmLogic& window = program.rigWindow;
    // How many connection attempts the daemon refuses before it listens; -1: never.
    int refusals = 0;

    void SetUp() override {
        // The connection's outcome arrives with the events a wait lets run.
        wait.onEvents = [this] {
            if (tcp.current != TcpState::Connecting) {
                return;
            }
            if (refusals != 0) {
                refusals -= refusals > 0 ? 1 : 0;
                tcp.fail(TcpError::ConnectionRefused, "Connection refused");
            } else {
                tcp.accept();
            }
        };
        daemon.printed = " Rig #  Mfg                    Model                   Version\n"
                         "     1  Hamlib                 Dummy                   20221128.0\n"
                         "  2014  Kenwood                TS-2000                 20230109.0\n";
    }

    void chooseRigctld() {
        window.show();
        window.List1Click(static_cast<int>(kRadios.size()) - 1);
        window.optionClick(RigOptionGroup::Poll, 1); // "500 ms"
    }
    // Test with the daemon listening; what the opening sent is forgotten.
    void test() {
        window.Command1Click();
        ASSERT_TRUE(rig.polling()) << (dialogs.shown.empty() ? "" : dialogs.shown[0].text);
    }
    const RigReadout& readout() { return rig.readout(); }
};

TEST_F(RigctldTest, TheRadioIsAskedThroughTheDaemonAndTheMainWindowFollows) {
    settings.values[std::string(kKey) + "RigctldHost"] = "shack-pi";
    settings.values[std::string(kKey) + "RigctldPort"] = "4600";
    chooseRigctld();
    EXPECT_TRUE(window.state().rigctld.shown);
    EXPECT_EQ(window.state().rigctld.host, "shack-pi");
    test();
    EXPECT_EQ(tcp.host, "shack-pi");
    EXPECT_EQ(tcp.port, 4600);
    EXPECT_EQ(tcp.sent, "f\nm\n") << "the first tick asks at once";
    EXPECT_TRUE(daemon.starts.empty()) << "a daemon already running is used";

    tcp.receive("14025000\nUSB\n");
    clock.advance(250);
    EXPECT_EQ(program.op.currentFrequency, "14.025");
    EXPECT_EQ(program.op.currentBand, "20");
    EXPECT_EQ(readout().frequency, "14.02500");
    clock.advance(250);
    tcp.receive("2400\n7030000\nCW\n500\n"); // the rest of a cut answer, then the next
    clock.advance(250);
    EXPECT_EQ(program.op.currentBand, "40");
    EXPECT_EQ(readout().mode, "CW");
    EXPECT_EQ(tcp.sent, "f\nm\nf\nm\n");

    // An error stands where the value would have; the last values stay with the log.
    clock.advance(250);
    tcp.receive("RPRT -11\nRPRT -11\n");
    clock.advance(250);
    EXPECT_EQ(readout().frequency, "RPRT -11");
    EXPECT_EQ(readout().mode, "RPRT -11");
    EXPECT_EQ(program.op.currentFrequency, "7.030");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RigctldTest, WithoutADaemonTestSaysWhereItLookedAndPollingDoesNotStart) {
    refusals = -1;
    chooseRigctld();
    window.Command1Click();
    EXPECT_FALSE(rig.polling());
    EXPECT_EQ(readout().frequency, "No Response");
    EXPECT_EQ(readout().mode, "No Response");
    EXPECT_FALSE(window.state().pollingShown);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "rigctld Not Reachable");
    EXPECT_NE(dialogs.shown[0].text.find("127.0.0.1 port 4532"), std::string::npos)
        << dialogs.shown[0].text;
    EXPECT_NE(dialogs.shown[0].text.find("Connection refused"), std::string::npos);
    EXPECT_EQ(beeper.beeps, 1);
}

TEST_F(RigctldTest, ADaemonThatGoesAwayLeavesNoResponseAndIsFoundAgain) {
    chooseRigctld();
    test();
    tcp.receive("14025000\nUSB\n2400\n");
    clock.advance(250);

    tcp.remoteClose();
    clock.advance(250); // send tick: looks for the daemon again
    EXPECT_EQ(tcp.connects, 2);
    tcp.fail(TcpError::ConnectionRefused, "Connection refused");
    clock.advance(250);
    EXPECT_EQ(readout().frequency, "No Response");
    EXPECT_EQ(readout().mode, "No Response");
    EXPECT_TRUE(rig.polling());
    EXPECT_TRUE(dialogs.shown.empty()) << "no box in the middle of a contest";
    EXPECT_EQ(program.op.currentFrequency, "14.025") << "the log keeps the last frequency";

    clock.advance(250);
    EXPECT_EQ(tcp.connects, 3);
    tcp.accept();
    clock.advance(250);
    clock.advance(250);
    tcp.receive("21025000\nCW\n500\n");
    clock.advance(250);
    EXPECT_EQ(program.op.currentBand, "15");
    EXPECT_EQ(readout().frequency, "21.02500");
}

TEST_F(RigctldTest, TuningSendsTheModeThenTheFrequencyAndPollingGoesOn) {
    chooseRigctld();
    test();
    rig.setBandPlan({{"20", "E", "PH", 14.15f, 14.35f}});
    tcp.sent.clear();
    rig.ChangeFrequency(14.25f);
    EXPECT_EQ(tcp.sent, "M USB 0\nF 14250000\n");
    EXPECT_TRUE(rig.polling());
    rig.ChangeMode(0, "CW-R");
    EXPECT_EQ(tcp.sent, "M USB 0\nF 14250000\nM CWR 0\n");

    tcp.remoteClose();
    rig.ChangeFrequency(7.0f);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Error Changing Frequency");
}

TEST_F(RigctldTest, StartRigctldRunsTheDaemonUntilTheProgramEnds) {
    settings.values[std::string(kKey) + "RigctldStart"] = "1";
    settings.values[std::string(kKey) + "RigctldModel"] = "2014";
    settings.values[std::string(kKey) + "RigctldDevice"] = "/dev/ttyUSB0";
    settings.values[std::string(kKey) + "RigctldBaud"] = "9600";
    settings.values[std::string(kKey) + "RigctldHost"] = "elsewhere";
    chooseRigctld();
    refusals = 3; // the daemon takes a moment before it listens
    test();
    const std::vector<std::string> arguments{"-m",   "2014", "-r",        "/dev/ttyUSB0", "-s",
                                             "9600", "-T",   "127.0.0.1", "-t",           "4532"};
    ASSERT_EQ(daemon.starts.size(), 1u);
    EXPECT_EQ(daemon.program, "rigctld");
    EXPECT_EQ(daemon.starts[0], arguments);
    EXPECT_EQ(tcp.host, "127.0.0.1") << "where the program's daemon listens";
    EXPECT_EQ(tcp.connects, 4);

    window.Command1Click(); // the same daemon serves a new Test
    EXPECT_EQ(daemon.starts.size(), 1u);
    window.modelSearchEdited("dummy"); // another radio: another daemon
    window.Command1Click();
    ASSERT_EQ(daemon.starts.size(), 2u);
    EXPECT_EQ(daemon.starts[1][1], "1");
    EXPECT_TRUE(dialogs.shown.empty());

    daemon.die("rig_open: error = IO error");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "rigctld Ended");
    EXPECT_NE(dialogs.shown[0].text.find("IO error"), std::string::npos);

    window.Command1Click();
    EXPECT_EQ(daemon.starts.size(), 3u);
    rig.unload();
    EXPECT_FALSE(daemon.isRunning);
    EXPECT_EQ(dialogs.shown.size(), 1u) << "an end of our own says nothing";
}

TEST_F(RigctldTest, ADaemonThatCannotStartOrDiesAtOnceIsShown) {
    settings.values[std::string(kKey) + "RigctldStart"] = "1";
    chooseRigctld();
    daemon.startFailure = "execvp: No such file or directory";
    window.Command1Click();
    EXPECT_FALSE(rig.polling());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].text.find("No such file"), std::string::npos);

    daemon.startFailure.clear();
    refusals = -1;
    wait.onEvents = [this] {
        if (tcp.current == TcpState::Connecting) {
            tcp.fail(TcpError::ConnectionRefused, "Connection refused");
            if (daemon.isRunning) {
                daemon.die("rig_open: error = Invalid configuration");
            }
        }
    };
    window.Command1Click();
    EXPECT_FALSE(rig.polling());
    ASSERT_EQ(dialogs.shown.size(), 2u) << "one box says it all";
    EXPECT_EQ(dialogs.shown[1].title, "rigctld Not Reachable");
    EXPECT_NE(dialogs.shown[1].text.find("Invalid configuration"), std::string::npos);
}

TEST_F(RigctldTest, TheWindowListsTheModelsOnceAndKeepsItsSettings) {
    window.show();
    window.List1Click(4); // "Kenwood"
    EXPECT_FALSE(window.state().rigctld.shown);
    EXPECT_TRUE(daemon.ran.empty()) << "the list is made only when it is needed";
    chooseRigctld();
    window.List1Click(static_cast<int>(kRadios.size()) - 1);
    EXPECT_EQ(daemon.ran, std::vector<std::string>{"rigctl -l"});
    const RigctldPanel& p = window.state().rigctld;
    ASSERT_EQ(p.models.size(), 2u);
    EXPECT_EQ(p.modelIndex, 0) << "hamlib's dummy radio to begin with";

    window.modelSearchEdited("ts-2");
    EXPECT_EQ(p.modelIndex, 1);
    EXPECT_EQ(p.model, 2014);
    window.modelSearchEdited("ft-991");
    EXPECT_EQ(p.modelIndex, 1) << "nothing found: the selection stays";
    window.rigctldHostEdited("10.0.0.2");
    window.rigctldPortEdited("4533");
    window.chkStartRigctldClick(true);
    window.rigctldDeviceEdited("/dev/ttyACM0");
    window.rigctldBaudClick(7);
    refusals = -1;
    window.cmdDoneClick();
    EXPECT_EQ(settings.values[std::string(kKey) + "RigctldHost"], "10.0.0.2");
    EXPECT_EQ(settings.values[std::string(kKey) + "RigctldPort"], "4533");
    EXPECT_EQ(settings.values[std::string(kKey) + "RigctldStart"], "1");
    EXPECT_EQ(settings.values[std::string(kKey) + "RigctldModel"], "2014");
    EXPECT_EQ(settings.values[std::string(kKey) + "RigctldDevice"], "/dev/ttyACM0");
    EXPECT_EQ(settings.values[std::string(kKey) + "RigctldBaud"], "115200");
    EXPECT_NE(files.files["RigCntrl.txt"].find("\"Hamlib rigctld\""), std::string::npos);
    EXPECT_EQ(program.prefs.rigType, "Hamlib rigctld");
}

} // namespace
} // namespace qv::test
