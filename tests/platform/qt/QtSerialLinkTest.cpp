#include "platform/qt/QtSerialLink.h"

#include "ChildProcess.h"
#include "fakes/FakeSettingsStore.h"
#include "fakes/TempDir.h"

#include <unistd.h>

#include <QTest>
#include <gtest/gtest.h>

namespace qv {
namespace {

using namespace std::chrono_literals;

// Two pseudo-terminals joined by socat: what one end's link writes, the
// other's reads. Ports 1 and 2 are the two ends; port 3 is a device that does
// not exist.
class QtSerialLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings.values["Velmark_Software/Settings/CommPort1"] = dir.file("a");
        settings.values["Velmark_Software/Settings/CommPort2"] = dir.file("b");
        settings.values["Velmark_Software/Settings/CommPort3"] = dir.file("missing");
        socat = std::make_unique<test::ChildProcess>(
            std::vector<std::string>{"socat", "pty,raw,echo=0,link=" + dir.file("a"),
                                     "pty,raw,echo=0,link=" + dir.file("b")});
        ASSERT_TRUE(socat->started()) << "socat is not installed (scripts/install-deps.sh)";
        ASSERT_TRUE(test::waitForFiles({dir.file("a"), dir.file("b")}, 5s));
        for (QtSerialLink* link : {&a, &b}) {
            link->setEventHandler([this, link](const SerialEvent& e) {
                (link == &a ? eventsA : eventsB).push_back(e);
            });
        }
        a.setPort(1);
        b.setPort(2);
    }

    // Everything a link receives until it holds count bytes (or 5 s pass).
    std::string receive(QtSerialLink& link, std::size_t count) {
        std::string got;
        static_cast<void>(QTest::qWaitFor(
            [&] {
                got += link.takeInput();
                return got.size() >= count;
            },
            5000));
        return got;
    }

    static int count(const std::vector<SerialEvent>& events, SerialEvent::Kind kind) {
        return static_cast<int>(std::count_if(
            events.begin(), events.end(), [&](const SerialEvent& e) { return e.kind == kind; }));
    }

    test::TempDir dir;
    test::FakeSettingsStore settings;
    SerialPortResolver ports{settings, [](const std::string&) { return false; }};
    std::unique_ptr<test::ChildProcess> socat;
    QtSerialLink a{ports};
    QtSerialLink b{ports};
    std::vector<SerialEvent> eventsA;
    std::vector<SerialEvent> eventsB;
};

TEST_F(QtSerialLinkTest, CarriesEveryByteValueBothWays) {
    ASSERT_TRUE(a.open().ok());
    ASSERT_TRUE(b.open().ok());

    std::string all;
    for (int i = 0; i < 256; ++i) {
        all.push_back(static_cast<char>(i));
    }
    ASSERT_TRUE(a.write(all).ok());
    EXPECT_EQ(receive(b, all.size()), all);
    EXPECT_TRUE(QTest::qWaitFor([&] { return a.outBufferCount() == 0; }, 5000));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return count(eventsB, SerialEvent::Kind::DataArrived) > 0; }, 5000));

    const std::string reply("\0\r\n\xFF ok", 7);
    ASSERT_TRUE(b.write(reply).ok());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !eventsA.empty(); }, 5000));
    EXPECT_EQ(receive(a, reply.size()), reply);
    EXPECT_EQ(a.takeInput(), "") << "the input was taken whole";
    EXPECT_EQ(count(eventsA, SerialEvent::Kind::Error), 0);
}

TEST_F(QtSerialLinkTest, OpensWithEachSettingAndModemLinesOnAPseudoTerminal) {
    // A pseudo-terminal keeps 8 data bits without parity; the rest it takes.
    struct Case {
        const char* settings;
        Handshaking handshaking;
    };
    const Case cases[] = {
        {"9600,N,8,1", Handshaking::None},    {"1200,N,8,2", Handshaking::XonXoff},
        {"19200,N,8,1", Handshaking::RtsCts}, {"4800,N,8,1", Handshaking::RtsCtsXonXoff},
        {"115200,N,8,2", Handshaking::None},
    };
    ASSERT_TRUE(b.open().ok());
    for (const Case& c : cases) {
        a.setSettings(*parseSerialSettings(c.settings));
        a.setHandshaking(c.handshaking);
        // Lines set while closed apply at the open; a pseudo-terminal has none.
        ASSERT_TRUE(a.setDtr(false).ok());
        ASSERT_TRUE(a.setRts(false).ok());
        const Status opened = a.open(); // opening again closes first
        ASSERT_TRUE(opened.ok()) << c.settings << ": " << opened.message();
        EXPECT_TRUE(a.setDtr(true).ok());
        EXPECT_TRUE(a.setRts(true).ok());
        ASSERT_TRUE(a.write("x").ok());
        EXPECT_EQ(receive(b, 1), "x") << c.settings;
    }
    QTest::qWait(100);
    EXPECT_TRUE(a.isOpen());
    EXPECT_EQ(count(eventsA, SerialEvent::Kind::Error), 0);

    // Settings the port refuses fail the open and leave the link closed.
    a.setSettings(*parseSerialSettings("1200,E,7,1"));
    const Status refused = a.open();
    EXPECT_NE(refused.message().find("refuses the settings 1200,E,7,1"), std::string::npos)
        << refused.message();
    EXPECT_FALSE(a.isOpen());
}

TEST_F(QtSerialLinkTest, APortThatVanishesIsOneErrorEvent) {
    ASSERT_TRUE(a.open().ok());
    ASSERT_TRUE(b.open().ok());
    ASSERT_TRUE(b.write("last words").ok());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !eventsA.empty(); }, 5000));

    socat->stop(9); // like a USB adapter pulled out
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return count(eventsA, SerialEvent::Kind::Error) > 0; }, 5000));
    EXPECT_FALSE(a.isOpen());
    EXPECT_NE(eventsA.back().message.find(dir.file("a")), std::string::npos)
        << eventsA.back().message;
    EXPECT_EQ(a.takeInput(), "last words") << "what had arrived is kept";

    QTest::qWait(200);
    EXPECT_EQ(count(eventsA, SerialEvent::Kind::Error), 1) << "reported once, no storm";
    EXPECT_FALSE(a.write("x").ok());
    EXPECT_TRUE(a.setRts(true).ok()) << "remembered for the next open";
    // A pulled adapter takes its device node with it. (The link socat left would
    // point at a pseudo-terminal number that another program may take next.)
    ::unlink(dir.file("a").c_str());
    EXPECT_FALSE(a.open().ok());
}

TEST_F(QtSerialLinkTest, AnOpenThatFailsLeavesTheLinkClosed) {
    QtSerialLink link(ports);
    link.setPort(3);
    Status s = link.open();
    EXPECT_NE(s.message().find(dir.file("missing") + " cannot be opened"), std::string::npos)
        << s.message();
    EXPECT_FALSE(link.isOpen());
    link.setPort(0);
    EXPECT_EQ(link.open().message(), "No serial port is chosen.");
    EXPECT_EQ(link.write("x").message(), "The serial port is not open.");
    EXPECT_EQ(link.takeInput(), "");
    EXPECT_EQ(link.outBufferCount(), 0u);

    // A port another link holds is in use.
    ASSERT_TRUE(a.open().ok());
    link.setPort(1);
    s = link.open();
    EXPECT_FALSE(s.ok());
    EXPECT_FALSE(link.isOpen());
    EXPECT_TRUE(a.isOpen());
}

} // namespace
} // namespace qv
