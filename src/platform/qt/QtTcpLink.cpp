#include "platform/qt/QtTcpLink.h"

namespace qv {
namespace {

TcpError tcpError(QAbstractSocket::SocketError error) {
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return TcpError::ConnectionRefused;
    case QAbstractSocket::HostNotFoundError:
        return TcpError::HostNotFound;
    case QAbstractSocket::SocketTimeoutError:
        return TcpError::TimedOut;
    case QAbstractSocket::NetworkError:
        return TcpError::Network;
    default:
        return TcpError::Other;
    }
}

} // namespace

QtTcpLink::QtTcpLink(QObject* parent) : QObject(parent) {
    connect(&socket_, &QTcpSocket::connected, this, [this] {
        if (!ended_) {
            post({TcpEvent::Kind::Connected, {}, TcpError::Other, {}});
        }
    });
    connect(&socket_, &QTcpSocket::readyRead, this, [this] {
        // Read at once, so each event carries one arrival.
        if (!ended_ && socket_.bytesAvailable() > 0) {
            post({TcpEvent::Kind::DataArrived,
                  socket_.readAll().toStdString(),
                  TcpError::Other,
                  {}});
        }
    });
    connect(&socket_, &QTcpSocket::disconnected, this, &QtTcpLink::onDisconnected);
    connect(&socket_, &QTcpSocket::errorOccurred, this, &QtTcpLink::onError);
}

QtTcpLink::~QtTcpLink() {
    close();
}

void QtTcpLink::connectTo(const std::string& host, std::uint16_t port) {
    close();
    ended_ = false;
    socket_.connectToHost(QString::fromStdString(host), port);
}

Status QtTcpLink::send(std::string_view bytes) {
    if (socket_.state() != QAbstractSocket::ConnectedState) {
        return Status::failure("The connection is not established.");
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (socket_.write(bytes.data(), size) != size) {
        return Status::failure("The connection cannot send (" +
                               socket_.errorString().toStdString() + ").");
    }
    return Status::success();
}

void QtTcpLink::close() {
    ended_ = true; // what abort() signals now is no news to the owner
    socket_.abort();
    ++attempt_;
}

TcpState QtTcpLink::state() const {
    if (ended_) {
        return TcpState::Closed;
    }
    switch (socket_.state()) {
    case QAbstractSocket::HostLookupState:
    case QAbstractSocket::ConnectingState:
    case QAbstractSocket::BoundState:
        return TcpState::Connecting;
    case QAbstractSocket::ConnectedState:
        return TcpState::Connected;
    default:
        return TcpState::Closed;
    }
}

void QtTcpLink::post(TcpEvent event) {
    const std::uint64_t attempt = attempt_;
    QMetaObject::invokeMethod(
        this,
        [this, attempt, event = std::move(event)] {
            if (attempt == attempt_ && handler_) {
                handler_(event);
            }
        },
        Qt::QueuedConnection);
}

// The attempt's one closing event.
void QtTcpLink::end(TcpEvent event) {
    if (ended_) {
        return;
    }
    ended_ = true;
    post(std::move(event));
}

void QtTcpLink::onDisconnected() {
    if (ended_) {
        return;
    }
    if (socket_.isOpen() && socket_.bytesAvailable() > 0) {
        post({TcpEvent::Kind::DataArrived, socket_.readAll().toStdString(), TcpError::Other, {}});
    }
    end({TcpEvent::Kind::Disconnected, {}, TcpError::Other, {}});
}

void QtTcpLink::onError(QAbstractSocket::SocketError error) {
    // The other side closing is the ordinary end of a connection; disconnected
    // follows and reports it.
    if (error == QAbstractSocket::RemoteHostClosedError) {
        return;
    }
    end({TcpEvent::Kind::Error, {}, tcpError(error), socket_.errorString().toStdString()});
    // Aborted from the event loop: Qt may still be inside its own handling.
    const std::uint64_t attempt = attempt_;
    QMetaObject::invokeMethod(
        this,
        [this, attempt] {
            if (attempt == attempt_) {
                socket_.abort();
            }
        },
        Qt::QueuedConnection);
}

} // namespace qv
