#pragma once

// Talking to a hamlib rig daemon from a test: a free local port for it, whether
// it accepts connections, and what rigctl prints for a command to its radio.

#include <string>
#include <vector>

#include <QProcess>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace qv::test {

inline int freeLocalPort() {
    QTcpServer server;
    return server.listen(QHostAddress::LocalHost, 0) ? server.serverPort() : 0;
}

inline bool acceptsConnections(int port) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port));
    return socket.waitForConnected(200);
}

// Waits up to ten seconds for a daemon to listen on the port.
inline bool daemonListening(int port) {
    return QTest::qWaitFor([&] { return acceptsConnections(port); }, 10000);
}

// What rigctl prints for a command to the daemon at address ("host:port").
inline std::string rigctl(const std::string& address, const std::vector<std::string>& command) {
    QStringList arguments{"-m", "2", "-r", QString::fromStdString(address)};
    for (const std::string& word : command) {
        arguments << QString::fromStdString(word);
    }
    QProcess process;
    process.start("rigctl", arguments);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(1000);
        return "(rigctl did not finish)";
    }
    return process.readAllStandardOutput().trimmed().toStdString();
}

} // namespace qv::test
