// The whole program's rig control over real pseudo-terminals: a simulated radio
// of each family answers the queries, the main window's band follows its dial,
// and a frequency command reaches it. Real serial link, timers and waits.

#include "RadioSimulator.h"
#include "RigProgramFixture.h"

namespace qv {
namespace {

using Mode = test::RadioSimulator::Mode;

class RigOverPty : public test::RigProgram, public ::testing::WithParamInterface<const char*> {};

// Radios whose family has no mode command.
bool tunesMode(const std::string& rigType) {
    return rigType != "Icom 735" && rigType != "Ten Tec Orion" && rigType != "Ten Tec Fnt Pnl";
}

TEST_P(RigOverPty, TheBandFollowsTheDialAndAFrequencyCommandTunesTheRadio) {
    const std::string rigType = GetParam();
    test::RadioSimulator radio(rigType, 7'030'000, Mode::USB);
    ASSERT_FALSE(radio.devicePath().empty()) << "no pseudo-terminal could be made";
    startWith(rigType, radio.devicePath());

    EXPECT_TRUE(follows("40", 7.03f)) << where();
    radio.turnDial(14'025'000);
    EXPECT_TRUE(follows("20", 14.025f)) << where();

    // The band plan puts 21.025 MHz in the CW segment: the mode goes first.
    program.rig.ChangeFrequency(21.025f);
    EXPECT_TRUE(QTest::qWaitFor([&] { return radio.hz() == 21'025'000; }, 5000)) << radio.hz();
    if (tunesMode(rigType)) {
        EXPECT_EQ(radio.mode(), Mode::CW);
    }
    EXPECT_TRUE(program.rig.polling());
    EXPECT_TRUE(follows("15", 21.025f)) << where();
    EXPECT_TRUE(dialogs.shown.empty()) << boxes();
}

INSTANTIATE_TEST_SUITE_P(EveryFamily, RigOverPty,
                         ::testing::Values("Elecraft", "Kenwood", "Kenwood 2", "Yaesu FTdx9000",
                                           "Icom", "Icom 735", "Ten Tec Omni VI", "Yaesu",
                                           "Yaesu 757 GX II", "Yaesu 890", "Yaesu 920", "Yaesu 990",
                                           "Yaesu 1000 D", "Yaesu 1000", "Ten Tec Fnt Pnl",
                                           "Ten Tec Orion"),
                         [](const auto& info) {
                             std::string name;
                             for (char c : std::string(info.param)) {
                                 if (std::isalnum(static_cast<unsigned char>(c))) {
                                     name += c;
                                 }
                             }
                             return name;
                         });

class RigOverPtyOnce : public test::RigProgram {};

TEST_F(RigOverPtyOnce, AYaesuIsToldAtTheEndAndAVanishedRadioIsNoCrash) {
    auto radio = std::make_unique<test::RadioSimulator>("Yaesu 890", 14'025'000, Mode::CW);
    startWith("Yaesu 890", radio->devicePath());
    ASSERT_TRUE(follows("20", 14.025f)) << where();
    // Five zeros when the port opened; the unload bytes when the program ends.
    EXPECT_EQ(radio->commands().front(), std::string(5, '\0'));
    program.form1.closing();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return radio->commands().back() == std::string("\0\0\0\0\x80", 5); }, 5000));

    // Polling again, then the radio goes away under the open port.
    ASSERT_TRUE(program.rig.startPolling());
    radio.reset();
    QTest::qWait(500);
    EXPECT_EQ(program.op.currentBand, "20");
    EXPECT_EQ(program.op.currentFrequency, "14.025");
}

} // namespace
} // namespace qv
