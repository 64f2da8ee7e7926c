// Rig control over a scripted port: the port opened as each radio needs, the
// alternate send and reply ticks, what reaches the main window, and the commands
// with their pauses and failures.

#include "rig/RigControl.h"

#include "fakes/FakeRig.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

struct Heard : RigListener {
    std::vector<float> frequencies;
    std::vector<std::string> modes;
    void BandFreqConversion(float f) override { frequencies.push_back(f); }
    void ModeSelection(const std::string& m) override { modes.push_back(m); }
};

class RigControlTest : public ::testing::Test, protected test::FakeRig {
protected:
    Heard heard;

    void SetUp() override { rig.setListener(&heard); }

    void configure(const char* rigType, const char* frequencyQuery, const char* modeQuery,
                   const char* settings = "4800,N,8,2") {
        RigConfig& c = rig.config();
        c.rigType = rigType;
        c.frequencyQuery = frequencyQuery;
        c.modeQuery = modeQuery;
        c.settingsText = settings;
        c.portNumber = 2;
    }
};

TEST_F(RigControlTest, AKenwoodIsAskedAndItsAnswerReachesTheMainWindow) {
    configure("Kenwood", "FA;", "MD;");
    rig.setWindowVisible(true);
    ASSERT_TRUE(rig.startPolling());
    EXPECT_EQ(link.portNumber, 2);
    EXPECT_EQ(formatSerialSettings(link.settings), "4800,N,8,2");
    EXPECT_EQ(link.handshaking, Handshaking::None);
    EXPECT_EQ(link.written, "FA;MD;") << "the first tick sends at once";
    EXPECT_TRUE(rig.polling());

    link.feed("FA00014025000;MD3;");
    clock.advance(250); // "500 ms": a reply tick every other 250 ms
    ASSERT_EQ(heard.frequencies.size(), 1u);
    EXPECT_FLOAT_EQ(heard.frequencies[0], 14.025f);
    EXPECT_EQ(heard.modes, std::vector<std::string>{"CW"});
    EXPECT_EQ(rig.readout().frequency, "14.02500");
    EXPECT_EQ(rig.readout().mode, "CW");
    EXPECT_EQ(rig.readout().unprocessed, "FA00014025000;MD3;");

    clock.advance(250);
    EXPECT_EQ(link.written, "FA;MD;FA;MD;");
    clock.advance(250); // no answer this time: nothing changes
    EXPECT_EQ(heard.frequencies.size(), 1u);

    rig.endTest();
    EXPECT_FALSE(rig.polling());
    EXPECT_FALSE(link.isOpen());
    EXPECT_EQ(rig.readout().frequency, "");
}

TEST_F(RigControlTest, WhatTheWindowAndTheModeSourceChoose) {
    configure("Kenwood", "FA;", "MD;");
    rig.config().modeSource = 2; // "Frequency"
    rig.config().useFrequency = false;
    rig.setConvertFromHex(true);
    ASSERT_TRUE(rig.startPolling());
    link.feed("FA00007030000;MD2;");
    clock.advance(250);
    EXPECT_TRUE(heard.frequencies.empty()) << "\"Use Frequency\" unchecked";
    EXPECT_EQ(heard.modes, std::vector<std::string>{"CW"}) << "7.030 MHz is CW by frequency";
    EXPECT_EQ(rig.readout().frequency, "") << "a hidden window's read-outs stay";

    rig.setWindowVisible(true);
    rig.config().modeSource = 3; // "Don't Use"
    clock.advance(250);
    link.feed("MD2;");
    clock.advance(250);
    EXPECT_EQ(heard.modes.size(), 1u);
    EXPECT_EQ(rig.readout().unprocessed, "4D 44 32 3B ") << "Convert from Hex";
}

TEST_F(RigControlTest, APortThatDoesNotOpenIsReportedAndNothingPolls) {
    configure("Kenwood", "FA;", "MD;");
    link.refuseOpen = "busy";
    EXPECT_FALSE(rig.startPolling());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Invalid Comm Settings.");
    EXPECT_EQ(beeper.beeps, 1);
    EXPECT_FALSE(rig.polling());
    EXPECT_EQ(link.written, "");
}

TEST_F(RigControlTest, EachRadioGetsItsPortAsItNeedsIt) {
    struct Case {
        const char* rigType;
        char power;
        Handshaking handshaking;
        std::string afterOpen;
    };
    const Case cases[] = {
        {"Yaesu 890", 'R', Handshaking::None,
         std::string(5, '\0') + std::string("\0\0\0\x02\x10", 5)},
        {"Ten Tec Orion", 'D', Handshaking::RtsCts, "X\r?AF\r?RMM\r"},
        {"Yaesu FTdx9000", 'N', Handshaking::None, "FA;"},
    };
    for (const Case& c : cases) {
        test::FakeSerialLink port;
        RigControl r{{port, clock, wait, clock, dialogs, beeper, pegasus}};
        RigConfig& config = r.config();
        config.rigType = c.rigType;
        config.frequencyQuery = c.rigType == std::string("Yaesu 890")
                                    ? "00 00 00 02 10"
                                    : (c.rigType == std::string("Ten Tec Orion") ? "?AF" : "FA;");
        config.modeQuery = c.rigType == std::string("Ten Tec Orion") ? "?RMM" : "MD0;";
        config.settingsText = "4800,N,8,2";
        config.powerLine = c.power;
        ASSERT_TRUE(r.startPolling()) << c.rigType;
        EXPECT_EQ(port.handshaking, c.handshaking) << c.rigType;
        EXPECT_EQ(port.written, c.afterOpen) << c.rigType;
        // Both lines down before the open, then the powering line up.
        const auto changes = port.lineChanges();
        ASSERT_GE(changes.size(), 2u);
        EXPECT_FALSE(changes[0].on);
        EXPECT_FALSE(changes[1].on);
        EXPECT_EQ(port.rts(), c.power == 'R') << c.rigType;
        EXPECT_EQ(port.dtr(), c.power == 'D') << c.rigType;
    }
}

TEST_F(RigControlTest, TuningSendsTheBandPlansModeThenTheFrequencyWithTheirPauses) {
    configure("Kenwood", "FA;", "MD;");
    rig.setBandPlan({{"20", "E", "CW", 14.0f, 14.15f}, {"20", "E", "PH", 14.15f, 14.35f}});
    rig.ChangeFrequency(14.025f);
    EXPECT_EQ(link.written, "") << "not polling: nothing at all";
    EXPECT_TRUE(dialogs.shown.empty());

    ASSERT_TRUE(rig.startPolling());
    link.written.clear();
    wait.sleeps.clear();
    link.feed("junk the radio said");
    rig.ChangeFrequency(14.025f);
    EXPECT_EQ(link.written, "MD3;FA00014025000;");
    EXPECT_EQ(wait.sleeps, (std::vector<std::uint32_t>{99, 205}));
    EXPECT_TRUE(link.takeInput().empty()) << "what the radio had said was read away";
    EXPECT_TRUE(rig.polling()) << "polling goes on afterwards";

    link.written.clear();
    rig.ChangeFrequency(14.2f);
    EXPECT_EQ(link.written, "MD2;FA00014200000;") << "phone above 14.15 is USB";
}

TEST_F(RigControlTest, AFailedCommandIsReportedAndPollingStaysStopped) {
    configure("Kenwood", "FA;", "MD;");
    ASSERT_TRUE(rig.startPolling());
    link.opened = false; // the adapter was pulled out
    rig.ChangeFrequency(7.1f);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Error Changing Frequency");
    EXPECT_FALSE(rig.polling());

    rig.ChangeMode(0, "USB");
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].title, "Error Changing Mode");
    EXPECT_EQ(dialogs.shown[1].text, "not open USB");
}

TEST_F(RigControlTest, AFrequencyTheCommandCannotHoldIsRefusedAndPollingGoesOn) {
    configure("Yaesu", "00 00 00 00 03", "");
    ASSERT_TRUE(rig.startPolling());
    link.written.clear();
    rig.ChangeFrequency(1296.1f);
    EXPECT_EQ(link.written, "");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Error Changing Frequency");
    EXPECT_TRUE(rig.polling());
}

TEST_F(RigControlTest, APolledYaesuIsToldWhenTheWindowGoes) {
    configure("Yaesu 1000", "00 00 00 02 10", "");
    ASSERT_TRUE(rig.startPolling());
    link.written.clear();
    rig.unload();
    EXPECT_EQ(link.written, std::string("\0\0\0\0\x80", 5));
    EXPECT_FALSE(link.isOpen());

    test::FakeSerialLink other;
    RigControl idle{{other, clock, wait, clock, dialogs, beeper, pegasus}};
    idle.config().rigType = "Yaesu 1000";
    idle.unload();
    EXPECT_EQ(other.written, "") << "not polling: nothing is sent";
}

TEST_F(RigControlTest, ThePegasusRadioIsReadAndTunedThroughItsFiles) {
    configure("Ten Tec Pegasus", "", "");
    pegasus.files["PEGASUS.OUT"] = "14.025,\"USB\"\r\n";
    ASSERT_TRUE(rig.startPolling()) << "no port to open";
    EXPECT_EQ(link.opens, 0);
    clock.advance(250);
    ASSERT_EQ(heard.frequencies.size(), 1u);
    EXPECT_FLOAT_EQ(heard.frequencies[0], 14.025f);
    EXPECT_EQ(heard.modes.back(), "PH");

    rig.ChangeFrequency(7.15f);
    EXPECT_EQ(pegasus.files["PEGASUS.IN"], "7.15\r\nPH\r\n");
    EXPECT_TRUE(rig.polling());
}

} // namespace
} // namespace qv
