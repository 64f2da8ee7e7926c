// Rig control against hamlib's Kenwood TS-2000 emulator: rigctld runs hamlib's
// dummy radio, rigctlcom speaks Kenwood on one end of a socat pseudo-terminal
// pair, and the program polls the other end. rigctl turns the dummy radio's dial
// and reads back what the program tuned.

#include "ChildProcess.h"
#include "HamlibTools.h"
#include "RigProgramFixture.h"
#include "fakes/TempDir.h"

namespace qv {
namespace {

using namespace std::chrono_literals;

class HamlibPeer : public test::RigProgram, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        for (const char* program : {"rigctld", "rigctlcom", "rigctl", "socat"}) {
            if (!test::onPath(program)) {
                GTEST_SKIP() << program
                             << " is not installed: hamlib's rigctld, rigctlcom and rigctl "
                                "(libhamlib-utils) and socat are needed "
                                "(scripts/install-deps.sh installs them)";
            }
        }
        port_ = test::freeLocalPort();
        ASSERT_GT(port_, 0);
        address_ = "127.0.0.1:" + std::to_string(port_);
        rigctld_ = std::make_unique<test::ChildProcess>(std::vector<std::string>{
            "rigctld", "-m", "1", "-P", "RIG", "-T", "127.0.0.1", "-t", std::to_string(port_)});
        ASSERT_TRUE(rigctld_->started());
        ASSERT_TRUE(test::daemonListening(port_)) << "rigctld did not listen on " << address_;
        // hamlib 4.5.4's emulator crashes on MD; and IF; unless the passband is set.
        ASSERT_EQ(rigctl({"M", "USB", "1"}), "");
        ASSERT_EQ(rigctl({"F", "7030000"}), "");

        socat_ = std::make_unique<test::ChildProcess>(
            std::vector<std::string>{"socat", "pty,raw,echo=0,link=" + dir_.file("radio"),
                                     "pty,raw,echo=0,link=" + dir_.file("program")});
        ASSERT_TRUE(socat_->started());
        ASSERT_TRUE(test::waitForFiles({dir_.file("radio"), dir_.file("program")}, 5s));
        rigctlcom_ = std::make_unique<test::ChildProcess>(
            std::vector<std::string>{"rigctlcom", "-m", "2", "-r", address_, "-R",
                                     dir_.file("radio"), "-S", "4800", "-C", "cache_timeout=0"});
        ASSERT_TRUE(rigctlcom_->started());
    }

    void TearDown() override {
        // The program's port first, then the chain from the radio end.
        program.rig.endTest();
        for (auto* child : {&rigctlcom_, &socat_, &rigctld_}) {
            child->reset();
        }
    }

    // What rigctl prints for a command to the dummy radio (through rigctld).
    std::string rigctl(const std::vector<std::string>& command) const {
        return test::rigctl(address_, command);
    }

    test::TempDir dir_;
    int port_ = 0;
    std::string address_;
    std::unique_ptr<test::ChildProcess> rigctld_;
    std::unique_ptr<test::ChildProcess> socat_;
    std::unique_ptr<test::ChildProcess> rigctlcom_;
};

TEST_P(HamlibPeer, TheBandFollowsTheEmulatedRadioAndAFrequencyCommandTunesIt) {
    startWith(GetParam(), dir_.file("program"));
    EXPECT_TRUE(follows("40", 7.03f)) << where();

    ASSERT_EQ(rigctl({"F", "14025000"}), "");
    EXPECT_TRUE(follows("20", 14.025f)) << where();

    program.rig.ChangeFrequency(21.025f);
    EXPECT_TRUE(QTest::qWaitFor([&] { return rigctl({"f"}) == "21025000"; }, 5000))
        << rigctl({"f"});
    EXPECT_TRUE(program.rig.polling());
    EXPECT_TRUE(follows("15", 21.025f)) << where();
    EXPECT_TRUE(dialogs.shown.empty()) << boxes();
}

INSTANTIATE_TEST_SUITE_P(AsTs2000, HamlibPeer, ::testing::Values("Kenwood", "Kenwood 2"),
                         [](const auto& info) {
                             return std::string(info.param) == "Kenwood" ? "Kenwood" : "Kenwood2";
                         });

} // namespace
} // namespace qv
