// The program against hamlib's real rig daemon running its dummy radio: rigctl
// turns the dummy's dial and reads back what the program tuned, the program
// starts and ends a daemon of its own, and a daemon killed in the middle of a
// contest leaves the program running and logging.

#include "ChildProcess.h"
#include "HamlibTools.h"
#include "RigProgramFixture.h"
#include "platform/qt/QtChildProcess.h"

namespace qv {
namespace {

constexpr const char* kKey = "Velmark_Software/Settings/";

class RigctldPeer : public ::testing::Test {
protected:
    test::TestClock clock;
    QtTimers timers;
    test::FakeDialogs dialogs;
    test::FakeBeeper beeper;
    test::MemoryFileStore files;
    PosixFileStore data{QV_DATA_DIR};
    ShippedFiles shipped{files, {&data}};
    test::FakeSettingsStore settings;
    test::FakeClipboard clipboard;
    SerialPortResolver ports{settings, [](const std::string&) { return false; }};
    QtSerialLink link{ports};
    QtEventWait wait;
    test::MemoryFileStore pegasus;
    QtTcpLink rigctldLink;
    QtChildProcess daemon;
    std::unique_ptr<Program> program;
    int port_ = 0;
    std::unique_ptr<test::ChildProcess> rigctld_;

    void SetUp() override {
        for (const char* program : {"rigctld", "rigctl"}) {
            if (!test::onPath(program)) {
                GTEST_SKIP() << program
                             << " is not installed: hamlib's rigctld and rigctl "
                                "(libhamlib-utils) are needed (scripts/install-deps.sh)";
            }
        }
        port_ = test::freeLocalPort();
        ASSERT_GT(port_, 0);
        settings.values[std::string(kKey) + "RigctldPort"] = std::to_string(port_);
    }
    void TearDown() override {
        if (program) {
            program->rig.unload();
        }
        rigctld_.reset();
    }

    // hamlib's dummy radio behind a daemon the test runs.
    void runDaemon() {
        rigctld_ = std::make_unique<test::ChildProcess>(std::vector<std::string>{
            "rigctld", "-m", "1", "-T", "127.0.0.1", "-t", std::to_string(port_)});
        ASSERT_TRUE(rigctld_->started());
        ASSERT_TRUE(test::daemonListening(port_)) << "rigctld did not listen on port " << port_;
    }

    // The program with "Hamlib rigctld" in its preferences, polled every 100 ms.
    void start() {
        program = std::make_unique<Program>(
            Platform{clock, timers, dialogs, beeper, files, shipped, settings, clipboard},
            Subsystems{},
            Devices{&link, &wait, &pegasus, &ports, nullptr, nullptr, nullptr, &rigctldLink,
                    &daemon});
        RigConfig config;
        config.rigType = std::string(kRigctldRigType);
        config.settingsText = settingsTextOf(config);
        config.pollRate = 'F';
        std::string text;
        ASSERT_TRUE(formatRigConfig(config, text).ok());
        files.files[RigConfig::kFileName] = text;
        program->profile.utcOffsetHours = 5;
        program->prefs.rigType = config.rigType;
        files.files["Quorvpref.txt"] =
            *formatPreferences(program->profile, program->prefs, program->op);
        ASSERT_EQ(program->form1.start(), Form1Logic::Started::Ready);
        ASSERT_TRUE(program->rig.polling()) << boxes();
        dialogs.shown.clear();
    }

    std::string rigctl(const std::vector<std::string>& command) const {
        return test::rigctl("127.0.0.1:" + std::to_string(port_), command);
    }
    bool connects() const { return test::acceptsConnections(port_); }
    bool follows(const char* band, float mhz) {
        return QTest::qWaitFor(
            [&] {
                return program->op.currentBand == band &&
                       program->op.currentFrequency == frequencyText(mhz);
            },
            5000);
    }
    std::string boxes() const {
        std::string out;
        for (const auto& box : dialogs.shown) {
            out += box.title + ": " + box.text + "\n";
        }
        return out;
    }
    std::string where() const {
        return program->op.currentBand + " m at " + program->op.currentFrequency;
    }
};

TEST_F(RigctldPeer, TheBandFollowsTheDummyRadioAndTheCommandsReachIt) {
    runDaemon();
    start();
    // The dial is turned once the program is connected: hamlib 4.5's daemon may open
    // its radio afresh (back to 145 MHz) as a client connects.
    ASSERT_EQ(rigctl({"F", "7030000"}), "");
    EXPECT_TRUE(follows("40", 7.03f)) << where();
    ASSERT_EQ(rigctl({"F", "14025000"}), "");
    EXPECT_TRUE(follows("20", 14.025f)) << where();

    program->rig.ChangeFrequency(21.025f);
    // The commands leave as the event loop turns.
    EXPECT_TRUE(QTest::qWaitFor([&] { return rigctl({"f"}) == "21025000"; }, 5000))
        << rigctl({"f"});
    EXPECT_TRUE(program->rig.polling());
    EXPECT_TRUE(follows("15", 21.025f)) << where();
    program->rig.ChangeMode(0, "CW");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return QString::fromStdString(rigctl({"m"})).split('\n').value(0) == "CW"; }, 5000));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return program->rig.status().reading.modeText == "CW"; }, 5000));
    EXPECT_TRUE(dialogs.shown.empty()) << boxes();
}

TEST_F(RigctldPeer, TheProgramStartsItsOwnDaemonAndEndsItWithItself) {
    settings.values[std::string(kKey) + "RigctldStart"] = "1";
    settings.values[std::string(kKey) + "RigctldModel"] = "1";
    start();
    EXPECT_TRUE(daemon.running());
    ASSERT_EQ(rigctl({"F", "3750000"}), "");
    EXPECT_TRUE(follows("80", 3.75f)) << where();

    program->rig.unload(); // as the main window does when it closes
    EXPECT_FALSE(daemon.running());
    EXPECT_FALSE(connects()) << "nothing listens once the program has ended";
    EXPECT_TRUE(dialogs.shown.empty()) << boxes();
}

TEST_F(RigctldPeer, ADaemonKilledMidContestLeavesTheProgramLogging) {
    runDaemon();
    start();
    ASSERT_EQ(rigctl({"F", "14025000"}), "");
    ASSERT_TRUE(follows("20", 14.025f)) << where();
    program->form1.cmdLogOn_Click();

    rigctld_->stop(SIGKILL);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return program->rig.readout().frequency == "No Response" &&
                   program->rig.readout().mode == "No Response";
        },
        5000));
    EXPECT_TRUE(program->rig.polling());

    // A contact is logged on the last band and frequency the radio reported.
    EntryLine& entry = program->form1.entry();
    const auto type = [&](EntryField field, std::string_view text) {
        for (const char ch : text) {
            entry.keyPress(field, static_cast<unsigned char>(ch));
        }
    };
    type(EntryField::Call, "W1AW");
    entry.keyPress(EntryField::Call, keys::kSpace);
    entry.left(EntryField::Call);
    entry.entered(EntryField::Spc);
    type(EntryField::Spc, "CT");
    program->ui.txtCntry.select(program->ui.txtCntry.text.size(), 0);
    entry.left(EntryField::Spc);
    entry.entered(EntryField::Category);
    program->ui.txtRSTR.clear();
    type(EntryField::Category, "Y");
    entry.left(EntryField::Category);
    entry.entered(EntryField::Name);
    program->ui.txtSec.clear();
    type(EntryField::Name, "ANN");
    entry.keyPress(EntryField::Name, keys::kEnter);
    ASSERT_EQ(program->log.size(), 1u) << program->ui.lblDialog << boxes();
    EXPECT_EQ(program->log.record(1).frequency, "14.025");
    EXPECT_NE(files.files["log.txt"].find("W1AW"), std::string::npos);

    // The daemon back: the program picks it up by itself.
    runDaemon();
    ASSERT_TRUE(QTest::qWaitFor([&] { return rigctldLink.state() == TcpState::Connected; }, 5000));
    ASSERT_EQ(rigctl({"F", "7030000"}), "");
    EXPECT_TRUE(follows("40", 7.03f)) << where();
}

} // namespace
} // namespace qv
