#include "KeyerSimulator.h"
#include "cw/winkeyer/WinKeyerDevice.h"
#include "cw/winkeyer/WinKeyerSender.h"
#include "fakes/FakeSettingsStore.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/QtEventWait.h"
#include "platform/qt/QtSerialLink.h"
#include "platform/qt/QtTimers.h"

#include <QTest>
#include <gtest/gtest.h>

namespace qv {
namespace {

// The keyer device and its sender over a real serial link, against a keyer
// simulated on a pseudo-terminal (port 1).
class WinKeyerOverPty : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(keyer.devicePath().empty());
        settings.values["Velmark_Software/Settings/CommPort1"] = keyer.devicePath();
    }

    void openKeyer() {
        std::uint8_t version = 0;
        ASSERT_EQ(device.wk_open(version, 1), WinKeyerResult::Success);
        EXPECT_EQ(version, 31);
        sender.setVersion(version);
    }

    test::KeyerSimulator keyer;
    test::FakeSettingsStore settings;
    SerialPortResolver ports{settings, [](const std::string&) { return false; }};
    QtSerialLink link{ports};
    QtClock clock;
    QtTimers timers;
    QtEventWait wait;
    WinKeyerDevice device{{link, clock, wait}};
    CwSendBuffer buffer;
    WinKeyerSender sender{{device, buffer, timers}};
};

TEST_F(WinKeyerOverPty, OpenReturnsTheVersionAndTheSettingsArrive) {
    openKeyer();
    EXPECT_TRUE(keyer.hostOpen());
    device.wk_wpm(25);
    device.wk_ptt_leadtail(3, 9);
    device.wk_ditdah_ratio(60);
    device.wk_setmode(16);
    const std::vector<std::string> expected{std::string("\x02\x19", 2),
                                            std::string("\x04\x03\x09", 3),
                                            std::string("\x17\x3C", 2), std::string("\x0E\x10", 2)};
    ASSERT_TRUE(QTest::qWaitFor([&] { return keyer.commands().size() >= 9; }, 2000));
    const std::vector<std::string> commands = keyer.commands();
    // Three nulls, the echo test and the host open come first.
    EXPECT_EQ(commands[3], std::string("\x00\x04\x55", 3));
    EXPECT_EQ(commands[4], std::string("\x00\x02", 2));
    EXPECT_EQ(std::vector<std::string>(commands.begin() + 5, commands.end()), expected);

    device.wk_close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !keyer.hostOpen(); }, 2000));
    EXPECT_FALSE(link.isOpen());
}

TEST_F(WinKeyerOverPty, APortWithNoDeviceDoesNotOpen) {
    std::uint8_t version = 0;
    EXPECT_EQ(device.wk_open(version, 3), WinKeyerResult::ComOpenFailed);
    EXPECT_EQ(version, 0);
}

TEST_F(WinKeyerOverPty, TheSenderWaitsWhileTheKeyersBufferIsFull) {
    openKeyer();
    keyer.holdKeying(true);
    buffer.append("CQ CQ TEST DE K1ABC");
    sender.WKTransmit();
    // The keyer's XOFF stops the hand-over with the buffer nearly full.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return keyer.queued().size() >= test::KeyerSimulator::kXoffAt; }, 2000));
    QTest::qWait(150);
    EXPECT_LE(keyer.queued().size(), test::KeyerSimulator::kBufferSize);
    EXPECT_FALSE(buffer.empty());
    EXPECT_EQ(sender.lastStatus(), 5);

    keyer.holdKeying(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return keyer.keyed() == "CQ CQ TEST DE K1ABC"; }, 5000));
    EXPECT_EQ(keyer.overruns(), 0);
    EXPECT_TRUE(buffer.empty());
    EXPECT_FALSE(sender.transmitting());
}

TEST_F(WinKeyerOverPty, ClearAndBackspaceReachTheKeyersBuffer) {
    openKeyer();
    keyer.holdKeying(true);
    buffer.append("ABC");
    sender.WKTransmit();
    ASSERT_TRUE(QTest::qWaitFor([&] { return keyer.queued() == "ABC"; }, 2000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return sender.status() == 1; }, 2000));
    sender.backspace();
    ASSERT_TRUE(QTest::qWaitFor([&] { return keyer.queued() == "AB"; }, 2000));
    sender.clearBuffer();
    ASSERT_TRUE(QTest::qWaitFor([&] { return keyer.queued().empty(); }, 2000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return sender.status() == 0; }, 2000));
    EXPECT_EQ(keyer.keyed(), "");
}

} // namespace
} // namespace qv
