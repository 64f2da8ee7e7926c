// The tuning and command-test windows over a scripted radio port.

#include "app/frmRigTuneLogic.h"

#include "app/frmFrequencyTestLogic.h"
#include "fakes/FakeRig.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using C = frmRigTuneControl;

class RigTuneTest : public ::testing::Test, protected test::FakeRig {
protected:
    void type(frmRigTuneLogic& tune, C box, std::string_view text) {
        for (const char ch : text) {
            tune.keyPressed(box, static_cast<unsigned char>(ch));
        }
    }
};

TEST_F(RigTuneTest, GoStepsAndBandsTuneTheRadio) {
    ASSERT_TRUE(pollKenwood());
    frmRigTuneLogic tune(rig, clock);
    EXPECT_FALSE(tune.state().stepsEnabled) << "nothing to step from yet";
    type(tune, C::txtFreq, "14.0x25");
    EXPECT_EQ(tune.state()[C::txtFreq].text, "14.025") << "only digits, the point and the slash";
    EXPECT_TRUE(tune.state().stepsEnabled);
    tune.keyPressed(C::txtFreq, keys::kEnter);
    EXPECT_EQ(link.written, "FA00014025000;");

    link.written.clear();
    tune.cmdTuneClick(8); // 100 Hz up
    EXPECT_EQ(tune.state()[C::txtFreq].text, "14.0251");
    EXPECT_EQ(link.written, "FA00014025100;");
    EXPECT_EQ(tune.state().focus, C::cmdDone);

    link.written.clear();
    tune.cmdBandClick(3); // 40 m
    EXPECT_EQ(tune.state()[C::txtFreq].text, "7.15");
    EXPECT_EQ(link.written, "FA00007150000;");

    link.written.clear();
    tune.modeClick(1); // LSB, whether or not polling runs
    EXPECT_EQ(link.written, "MD1;");
}

TEST_F(RigTuneTest, AScanWrapsToItsStartAndAnyKeyStopsIt) {
    ASSERT_TRUE(pollKenwood());
    frmRigTuneLogic tune(rig, clock);
    type(tune, C::txtFreq, "14.000");
    tune.keyPressed(C::txtFrom, keys::kBackspace);
    tune.keyPressed(C::txtFrom, keys::kBackspace);
    tune.keyPressed(C::txtFrom, keys::kBackspace);
    type(tune, C::txtFrom, "14.000");
    tune.keyPressed(C::txtTo, keys::kBackspace);
    tune.keyPressed(C::txtTo, keys::kBackspace);
    type(tune, C::txtTo, "14.006");
    tune.scanStepClick(4); // 2.5 KHz
    tune.chkScanClick(true);
    EXPECT_EQ(tune.state().focus, C::Command1);
    link.written.clear();
    std::vector<std::string> sent;
    for (int i = 0; i < 3; ++i) {
        clock.advance(299);
        sent.push_back(tune.state()[C::txtFreq].text);
    }
    EXPECT_EQ(sent, (std::vector<std::string>{"14.0025", "14.005", "14."}));

    tune.windowKey();
    EXPECT_FALSE(tune.state().scan);
    clock.advance(299);
    EXPECT_EQ(tune.state()[C::txtFreq].text, "14.");
}

TEST_F(RigTuneTest, WithoutARadioGoSendsNothing) {
    frmRigTuneLogic tune(rig, clock);
    type(tune, C::txtFreq, "7.1");
    tune.Command1Click();
    EXPECT_EQ(link.written, "");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RigTuneTest, TheCommandTestWindowSendsAsTypedOrAsHex) {
    ASSERT_TRUE(pollKenwood());
    frmFrequencyTestLogic test(rig);
    test.Command1Click();
    EXPECT_EQ(link.written, "FA00028475000;");
    link.written.clear();
    test.state()[frmFrequencyTestControl::Text1].setText(" FE FE 64 E0 03 FD ");
    test.Check1Click(true);
    test.Command1Click();
    EXPECT_EQ(link.written, "\xFE\xFE\x64\xE0\x03\xFD");
    link.written.clear();
    test.Command2Click();
    EXPECT_EQ(link.written, "FA00028475000;") << "28.475 through the frequency command";
}

} // namespace
} // namespace qv
