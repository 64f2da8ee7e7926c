#pragma once

#include "spots/TcpLink.h"

#include <cstdint>

#include <QObject>
#include <QTcpSocket>

namespace qv {

// A TCP client connection on QTcpSocket.
class QtTcpLink : public QObject, public TcpLink {
    Q_OBJECT
public:
    explicit QtTcpLink(QObject* parent = nullptr);
    ~QtTcpLink() override;

    void connectTo(const std::string& host, std::uint16_t port) override;
    Status send(std::string_view bytes) override;
    void close() override;
    TcpState state() const override;
    void setEventHandler(EventHandler handler) override { handler_ = std::move(handler); }

private:
    void post(TcpEvent event);
    void end(TcpEvent event);
    void onError(QAbstractSocket::SocketError error);
    void onDisconnected();
    void postPending();
    bool resetByPeer() const;
    void releaseWatch();

    QTcpSocket socket_;
    // A second descriptor of the connected socket: it keeps the socket's TCP
    // state readable after Qt has closed its own, since Qt reports a reset as an
    // ordinary close. -1 when not connected.
    int watch_ = -1;
    EventHandler handler_;
    // Events queued for an attempt the owner has closed since are dropped.
    std::uint64_t attempt_ = 0;
    bool ended_ = true; // the attempt has reported its end (or there is none)
};

} // namespace qv
