#include "platform/qt/QtTcpLink.h"

#include "spots/TelnetErrors.h"

#include <filesystem>
#include <iterator>
#include <sys/socket.h>

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>

namespace qv {
namespace {

using Kind = TcpEvent::Kind;

class QtTcpLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
        link.setEventHandler([this](const TcpEvent& e) { events.push_back(e); });
    }

    bool waitFor(Kind kind) {
        return QTest::qWaitFor(
            [&] {
                return std::any_of(events.begin(), events.end(),
                                   [&](const TcpEvent& e) { return e.kind == kind; });
            },
            5000);
    }
    std::string arrived() const {
        std::string bytes;
        for (const TcpEvent& e : events) {
            if (e.kind == Kind::DataArrived) {
                bytes += e.bytes;
            }
        }
        return bytes;
    }
    static long openDescriptors() {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                             std::filesystem::directory_iterator());
    }
    // The server's side of the connection.
    QTcpSocket* accept() {
        if (!QTest::qWaitFor([&] { return server.hasPendingConnections(); }, 5000)) {
            return nullptr;
        }
        return server.nextPendingConnection();
    }

    QTcpServer server;
    QtTcpLink link;
    std::vector<TcpEvent> events;
};

TEST_F(QtTcpLinkTest, ConnectsCarriesBytesAndHearsTheServerClose) {
    EXPECT_FALSE(link.send("early").ok());
    link.connectTo("127.0.0.1", server.serverPort());
    EXPECT_EQ(link.state(), TcpState::Connecting);
    EXPECT_TRUE(events.empty()) << "events come from the event loop";
    ASSERT_TRUE(waitFor(Kind::Connected));
    EXPECT_EQ(link.state(), TcpState::Connected);
    QTcpSocket* peer = accept();
    ASSERT_NE(peer, nullptr);

    const std::string call("W1AW\0\xFF\r\n", 8);
    ASSERT_TRUE(link.send(call).ok());
    QByteArray got;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            got += peer->readAll();
            return got.size() >= static_cast<qsizetype>(call.size());
        },
        5000));
    EXPECT_EQ(got.toStdString(), call);

    const std::string spot = "DX de K1TTT:     14025.0  JA1ABC       559 CW           1234Z\r\n";
    peer->write(spot.data(), static_cast<qint64>(spot.size()));
    peer->write("bye\r\n");
    peer->disconnectFromHost();
    ASSERT_TRUE(waitFor(Kind::Disconnected));
    EXPECT_EQ(arrived(), spot + "bye\r\n");
    EXPECT_EQ(events.back().kind, Kind::Disconnected) << "nothing after the end";
    EXPECT_EQ(link.state(), TcpState::Closed);
    EXPECT_FALSE(link.send("late").ok());
    QTest::qWait(100);
    EXPECT_EQ(std::count_if(events.begin(), events.end(),
                            [](const TcpEvent& e) { return e.kind == Kind::Error; }),
              0);
}

// A connection attempt that fails ends in one error, reported with the
// cluster error's text.
TEST_F(QtTcpLinkTest, ARefusedConnectionOrAnUnknownHostIsOneError) {
    struct Case {
        const char* host;
        TcpError error;
        const char* text;
    };
    const Case cases[] = {
        {"127.0.0.1", TcpError::ConnectionRefused, "ERROR: Connection is forcefully rejected."},
        {"nonexistent.invalid", TcpError::HostNotFound,
         "ERROR: Authoritative answer: Host not found."},
    };
    const quint16 port = server.serverPort();
    server.close(); // nothing listens there now
    for (const Case& c : cases) {
        events.clear();
        link.connectTo(c.host, port);
        ASSERT_TRUE(waitFor(Kind::Error)) << c.host;
        QTest::qWait(100);
        ASSERT_EQ(events.size(), 1u) << c.host;
        EXPECT_EQ(events[0].error, c.error) << c.host;
        EXPECT_EQ(telnetErrorText(telnetErrorNumber(events[0])), c.text);
        EXPECT_FALSE(events[0].message.empty());
        EXPECT_EQ(link.state(), TcpState::Closed);
    }
}

// A server that resets the connection (it closes with a zero linger) is an
// error, not the ordinary end; what it sent before still arrives first.
TEST_F(QtTcpLinkTest, AResetByTheServerIsOneErrorAfterItsBytes) {
    const long descriptors = openDescriptors();
    link.connectTo("127.0.0.1", server.serverPort());
    ASSERT_TRUE(waitFor(Kind::Connected));
    QTcpSocket* peer = accept();
    ASSERT_NE(peer, nullptr);
    peer->write("last words\r\n");
    peer->flush();
    ASSERT_TRUE(waitFor(Kind::DataArrived));
    const linger hard{1, 0};
    ASSERT_EQ(::setsockopt(static_cast<int>(peer->socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard,
                           sizeof hard),
              0);
    peer->close();
    ASSERT_TRUE(waitFor(Kind::Error));
    QTest::qWait(100);
    EXPECT_EQ(arrived(), "last words\r\n");
    EXPECT_EQ(events.back().kind, Kind::Error);
    EXPECT_EQ(events.back().error, TcpError::ConnectionReset);
    EXPECT_EQ(telnetErrorText(telnetErrorNumber(events.back())),
              "ERROR: The connection is reset by remote side.!");
    EXPECT_EQ(std::count_if(events.begin(), events.end(),
                            [](const TcpEvent& e) { return e.kind == Kind::Disconnected; }),
              0);
    EXPECT_EQ(link.state(), TcpState::Closed);
    EXPECT_FALSE(link.send("late").ok());
    EXPECT_EQ(openDescriptors(), descriptors) << "nothing of the connection is left open";
}

TEST_F(QtTcpLinkTest, CloseIsQuietAndTheLinkConnectsAgain) {
    link.connectTo("127.0.0.1", server.serverPort());
    ASSERT_TRUE(waitFor(Kind::Connected));
    QTcpSocket* peer = accept();
    ASSERT_NE(peer, nullptr);
    peer->write("pending");
    peer->flush();
    link.close();
    EXPECT_EQ(link.state(), TcpState::Closed);
    events.clear();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return peer->state() == QAbstractSocket::UnconnectedState; }, 5000))
        << "the server hears the close";
    QTest::qWait(100);
    EXPECT_TRUE(events.empty());

    link.connectTo("localhost", server.serverPort());
    ASSERT_TRUE(waitFor(Kind::Connected));
    EXPECT_EQ(link.state(), TcpState::Connected);
}

} // namespace
} // namespace qv
