// The spotting window's Telnet source against a DX cluster on loopback written
// here: its login prompt, a stream of spot lines in the clusters' format, its
// goodbye; and the connections that fail.

#include "RigProgramFixture.h"

#include <QTcpServer>
#include <QTcpSocket>

namespace qv {
namespace {

using C = PacketSpotfrmControl;

// A spot line as clusters send it: the spotter from column 1, the frequency
// right-aligned to column 24, the call from column 27, the time at the end.
std::string clusterLine(const char* spotter, const char* khz, const char* call,
                        const char* comment) {
    char line[96];
    std::snprintf(line, sizeof line, "DX de %-9s%9s  %-13s%-30s 1234Z\r\n",
                  (std::string(spotter) + ":").c_str(), khz, call, comment);
    return line;
}

class TelnetCluster : public test::RigProgram {
protected:
    QTcpServer cluster;
    QTcpSocket* session = nullptr;
    std::string heardFromProgram;

    void SetUp() override {
        ASSERT_TRUE(cluster.listen(QHostAddress::LocalHost, 0));
        QObject::connect(&cluster, &QTcpServer::newConnection, [this] {
            session = cluster.nextPendingConnection();
            session->write("Please enter your call: ");
            QObject::connect(session, &QTcpSocket::readyRead,
                             [this] { heardFromProgram += session->readAll().toStdString(); });
        });
        program.profile.utcOffsetHours = 5;
        ASSERT_EQ(program.form1.start(), Form1Logic::Started::Ready);
        dialogs.shown.clear();
    }

    void saved(const std::string& host, const std::string& port) {
        SpotSettings s;
        s.kind = "Telnet";
        s.telnetHost = host;
        s.telnetPort = port;
        std::string text;
        ASSERT_TRUE(formatSpotSettings(s, text).ok());
        files.files[SpotSettings::kFileName] = text;
    }
    const std::string& box() { return program.spotWindow.state().received.text(); }
    bool boxHolds(const std::string& text) {
        return QTest::qWaitFor([&] { return box().find(text) != std::string::npos; }, 5000);
    }
};

TEST_F(TelnetCluster, LogsInAndStoresTheSpotsItSends) {
    saved("127.0.0.1", std::to_string(cluster.serverPort()));
    program.spotWindow.show();
    ASSERT_TRUE(boxHolds("Please enter your call: ")) << box();

    for (char c : std::string("W1AW")) {
        program.spotWindow.keyPressed(C::txtSent, static_cast<unsigned char>(c));
    }
    program.spotWindow.keyPressed(C::txtSent, keys::kEnter);
    ASSERT_TRUE(QTest::qWaitFor([&] { return heardFromProgram == "W1AW\r\n"; }, 5000))
        << heardFromProgram;

    // One spot per arrival, as clusters send them, then a repeat.
    const std::string lines[] = {clusterLine("K1TTT", "14025.0", "JA1ABC", "CQ CQ"),
                                 clusterLine("W3LPL", "21074.0", "DL1XYZ", "FT8"),
                                 clusterLine("VE3EJ", "7025.0", "EA3AAA", "")};
    for (const std::string& line : lines) {
        session->write(line.c_str());
        session->flush();
        ASSERT_TRUE(boxHolds(line.substr(0, 30))) << box();
    }
    EXPECT_EQ(program.spots.slot(49).call, "EA3AAA");
    EXPECT_EQ(program.spots.slot(48).call, "DL1XYZ");
    EXPECT_FLOAT_EQ(program.spots.slot(47).frequencyMHz, 14.025f);
    ASSERT_EQ(program.spotList.rows().size(), 3u);
    EXPECT_EQ(program.spotList.rows()[0].call, "EA3AAA");

    // The cluster says goodbye: the source is closed.
    session->disconnectFromHost();
    EXPECT_TRUE(boxHolds("** Port Closed **")) << box();
    EXPECT_FALSE(program.spotWindow.state().listening);
}

TEST_F(TelnetCluster, ARefusedConnectionAndAnUnknownHostAreReported) {
    const quint16 unused = cluster.serverPort();
    cluster.close();
    saved("127.0.0.1", std::to_string(unused));
    program.spotWindow.show();
    EXPECT_TRUE(boxHolds("ERROR: Connection is forcefully rejected.")) << box();
    EXPECT_FALSE(program.spotWindow.state().listening);

    program.spotWindow.state()[C::txtTelnetHost].setText("nonexistent.invalid");
    program.spotWindow.Command1Click();
    EXPECT_TRUE(boxHolds("ERROR: Authoritative answer: Host not found.")) << box();
    EXPECT_FALSE(program.spotWindow.state().listening);
}

} // namespace
} // namespace qv
