#include "cw/winkeyer/WinKeyerDevice.h"

#include "cw/winkeyer/WinKeyerSender.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeEventWait.h"
#include "fakes/FakeSerialLink.h"
#include "fakes/FakeWinKeyerLibrary.h"

#include <optional>

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::FakeClock;
using test::FakeEventWait;
using test::FakeSerialLink;
using test::FakeWinKeyerLibrary;

const std::string kEcho("\x00\x04", 2);
const std::string kHostOpen("\x00\x02", 2);

// A keyer behind the fake port: it answers the echo test and the host open as
// scripted, the answers arriving with the write.
class ScriptedKeyer : public FakeSerialLink {
public:
    std::optional<char> echoAnswer; // nothing: the probe itself
    bool answersEcho = true;
    bool answersOpen = true;
    char version = 31;

    Status write(std::string_view bytes) override {
        Status s = FakeSerialLink::write(bytes);
        const std::string b(bytes);
        if (const auto at = b.find(kEcho); at != std::string::npos && at + 2 < b.size()) {
            if (answersEcho) {
                input.push_back(echoAnswer.value_or(b[at + 2]));
            }
        } else if (b == kHostOpen && answersOpen) {
            input.push_back(version);
        }
        return s;
    }
};

struct WinKeyerDeviceTest : ::testing::Test {
    FakeClock clock;
    FakeEventWait wait{clock};
    ScriptedKeyer link;
    WinKeyerDevice device{{link, clock, wait}};
    std::uint8_t version = 0;
};

TEST_F(WinKeyerDeviceTest, OpenEchoesThenReturnsTheVersionOnThePort) {
    EXPECT_EQ(device.wk_open(version, 7), WinKeyerResult::Success);
    EXPECT_EQ(version, 31);
    EXPECT_TRUE(device.isOpen());
    EXPECT_EQ(link.portNumber, 7);
    EXPECT_EQ(link.settings, (SerialSettings{1200, Parity::None, 8, 2}));
    EXPECT_EQ(link.written, std::string("\x13\x13\x13\x00\x04\x55\x00\x02", 8));
    EXPECT_EQ(device.wk_open(version, 7), WinKeyerResult::AlreadyOpen);
}

TEST_F(WinKeyerDeviceTest, OpenFailuresGiveTheirResultAndLeaveThePortClosed) {
    const struct {
        const char* what;
        std::function<void(ScriptedKeyer&)> script;
        WinKeyerResult result;
    } cases[] = {
        {"refused", [](ScriptedKeyer& k) { k.refuseOpen = "busy"; }, WinKeyerResult::ComOpenFailed},
        {"silent", [](ScriptedKeyer& k) { k.answersEcho = false; }, WinKeyerResult::NoEchoResponse},
        {"garbled", [](ScriptedKeyer& k) { k.echoAnswer = 0x15; }, WinKeyerResult::EchoMismatch},
        {"no open", [](ScriptedKeyer& k) { k.answersOpen = false; },
         WinKeyerResult::NoOpenResponse},
    };
    for (const auto& c : cases) {
        FakeClock clock;
        FakeEventWait wait{clock};
        ScriptedKeyer link;
        c.script(link);
        WinKeyerDevice device{{link, clock, wait}};
        std::uint8_t v = 0;
        EXPECT_EQ(device.wk_open(v, 3), c.result) << c.what;
        EXPECT_EQ(v, 0) << c.what;
        EXPECT_FALSE(link.isOpen()) << c.what;
        EXPECT_FALSE(device.isOpen()) << c.what;
    }
}

TEST_F(WinKeyerDeviceTest, TheStatusFollowsTheKeyersStatusBytes) {
    ASSERT_EQ(device.wk_open(version, 1), WinKeyerResult::Success);
    EXPECT_EQ(device.wk_getstatus(), 0);
    link.feed("\xC4");
    EXPECT_EQ(device.wk_getstatus(), 1);
    link.input = "\x41\xC5\x92"; // an echo, buffer full while busy, a pot reading
    EXPECT_EQ(device.wk_getstatus(), 5);
    EXPECT_EQ(device.speedPot(), 18);
    link.fail("unplugged");
    EXPECT_FALSE(device.isOpen());
    EXPECT_EQ(device.wk_getstatus(), 0);
}

TEST_F(WinKeyerDeviceTest, CallsWhileClosedSendNothing) {
    device.wk_char('A');
    device.wk_wpm(20);
    device.wk_clearbuf();
    device.wk_close();
    EXPECT_EQ(link.written, "");
    ASSERT_EQ(device.wk_open(version, 1), WinKeyerResult::Success);
    link.written.clear();
    device.wk_clearbuf();
    device.wk_backspace();
    device.wk_char('\r'); // a command byte: never handed over as a character
    device.wk_close();
    EXPECT_EQ(link.written, std::string("\x0A\x08\x00\x03", 4));
    EXPECT_FALSE(link.isOpen());
}

struct WinKeyerSenderTest : ::testing::Test {
    FakeClock clock;
    FakeWinKeyerLibrary keyer;
    CwSendBuffer buffer;
    WinKeyerSender sender{{keyer, buffer, clock}};

    std::vector<std::string> chars() const {
        std::vector<std::string> out;
        for (const std::string& c : keyer.calls) {
            if (c.rfind("char ", 0) == 0) {
                out.push_back(c);
            }
        }
        return out;
    }
};

TEST_F(WinKeyerSenderTest, HandsCharactersOverTenMillisecondsApartAndReturnsAtOnce) {
    sender.setVersion(31);
    buffer.append("CQ");
    sender.WKTransmit();
    EXPECT_TRUE(chars().empty()); // returned before anything went
    clock.advance(9);
    EXPECT_TRUE(chars().empty());
    clock.advance(1);
    EXPECT_EQ(chars(), (std::vector<std::string>{"char 67"}));
    buffer.append("!");
    clock.advance(10);
    clock.advance(10);
    EXPECT_EQ(chars(), (std::vector<std::string>{"char 67", "char 81", "char 33"}));
    EXPECT_TRUE(buffer.empty());
    EXPECT_FALSE(sender.transmitting());
}

TEST_F(WinKeyerSenderTest, WaitsWhileTheKeyersBufferIsFull) {
    sender.setVersion(31);
    keyer.statusValue = 5;
    buffer.append("AB");
    sender.WKTransmit();
    clock.advance(100);
    EXPECT_TRUE(chars().empty());
    EXPECT_EQ(sender.lastStatus(), 5);
    keyer.statusValue = 1; // busy sending, with room again
    clock.advance(10);
    EXPECT_EQ(chars(), (std::vector<std::string>{"char 65"}));
    buffer.clear(); // Esc meanwhile
    clock.advance(50);
    EXPECT_EQ(chars().size(), 1U);
}

TEST_F(WinKeyerSenderTest, AClosedKeyerIsOpenedFirstAndAFailedOneDiscardsTheBuffer) {
    sender.setPort(4);
    keyer.openResult = WinKeyerResult::ComOpenFailed;
    buffer.append("TEST");
    sender.WKTransmit();
    EXPECT_TRUE(buffer.empty());
    EXPECT_EQ(keyer.openedPort, 4);

    keyer.openResult = WinKeyerResult::Success;
    buffer.append("E");
    sender.WKTransmit();
    EXPECT_TRUE(sender.open());
    clock.advance(10);
    EXPECT_EQ(chars(), (std::vector<std::string>{"char 69"}));
}

TEST_F(WinKeyerSenderTest, SpeedChangesReachAnOpenKeyerOnlyWithinRange) {
    sender.speedChanged(20);
    sender.setVersion(31);
    for (int wpm : {4, 5, 99, 100}) {
        sender.speedChanged(wpm);
    }
    EXPECT_EQ(keyer.calls, (std::vector<std::string>{"wpm 5", "wpm 99"}));
    sender.close();
    EXPECT_FALSE(sender.open());
    EXPECT_EQ(keyer.calls.back(), "close");
}

} // namespace
} // namespace qv
