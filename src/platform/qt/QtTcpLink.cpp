#include "platform/qt/QtTcpLink.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace qv {
namespace {

// Qt folds several failures of a connection attempt into NetworkError and
// tells them apart only by its message; the program installs no translation,
// so the messages read as Qt writes them.
struct NetworkFailure {
    const char* message;
    TcpError error;
};
constexpr NetworkFailure kNetworkFailures[] = {
    {"Network unreachable", TcpError::NetworkUnreachable},
    {"Host unreachable", TcpError::HostUnreachable},
    {"Connection timed out", TcpError::TimedOut},
    {"The bound address is already in use", TcpError::AddressInUse},
};

TcpError tcpError(QAbstractSocket::SocketError error, const QString& message) {
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return TcpError::ConnectionRefused;
    case QAbstractSocket::HostNotFoundError:
        return TcpError::HostNotFound;
    case QAbstractSocket::SocketTimeoutError:
        return TcpError::TimedOut;
    case QAbstractSocket::AddressInUseError:
        return TcpError::AddressInUse;
    case QAbstractSocket::SocketAddressNotAvailableError:
        return TcpError::AddressNotAvailable;
    case QAbstractSocket::SocketAccessError:
        return TcpError::AccessDenied;
    case QAbstractSocket::SocketResourceError:
        return TcpError::NoResources;
    case QAbstractSocket::UnsupportedSocketOperationError:
        return TcpError::Unsupported;
    case QAbstractSocket::NetworkError:
        for (const NetworkFailure& f : kNetworkFailures) {
            if (message == QLatin1String(f.message)) {
                return f.error;
            }
        }
        return TcpError::Network;
    default:
        return TcpError::Other;
    }
}

} // namespace

QtTcpLink::QtTcpLink(QObject* parent) : QObject(parent) {
    connect(&socket_, &QTcpSocket::connected, this, [this] {
        if (!ended_) {
            releaseWatch();
            watch_ = ::fcntl(static_cast<int>(socket_.socketDescriptor()), F_DUPFD_CLOEXEC, 0);
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
    releaseWatch();
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
    releaseWatch();
    post(std::move(event));
}

// What arrived with the end of the connection comes before the end.
void QtTcpLink::postPending() {
    if (socket_.isOpen() && socket_.bytesAvailable() > 0) {
        post({TcpEvent::Kind::DataArrived, socket_.readAll().toStdString(), TcpError::Other, {}});
    }
}

void QtTcpLink::onDisconnected() {
    if (ended_) {
        return;
    }
    postPending();
    end({TcpEvent::Kind::Disconnected, {}, TcpError::Other, {}});
}

// Closed by a reset, the socket is in CLOSE; closed in order, in CLOSE_WAIT
// (this side has not closed yet while the watch holds it).
bool QtTcpLink::resetByPeer() const {
    tcp_info info{};
    socklen_t size = sizeof info;
    return watch_ >= 0 && ::getsockopt(watch_, IPPROTO_TCP, TCP_INFO, &info, &size) == 0 &&
           info.tcpi_state == TCP_CLOSE;
}

void QtTcpLink::releaseWatch() {
    if (watch_ >= 0) {
        ::close(watch_);
        watch_ = -1;
    }
}

void QtTcpLink::onError(QAbstractSocket::SocketError error) {
    if (error == QAbstractSocket::RemoteHostClosedError) {
        // The other side closing is the ordinary end of a connection;
        // disconnected follows and reports it. A reset is an error.
        if (ended_ || !resetByPeer()) {
            return;
        }
        postPending();
        end({TcpEvent::Kind::Error, {}, TcpError::ConnectionReset, std::strerror(ECONNRESET)});
    } else {
        end({TcpEvent::Kind::Error,
             {},
             tcpError(error, socket_.errorString()),
             socket_.errorString().toStdString()});
    }
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
