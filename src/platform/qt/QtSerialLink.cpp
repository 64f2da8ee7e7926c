#include "platform/qt/QtSerialLink.h"

#include <cerrno>
#include <cstring>
#include <sys/ioctl.h>
#include <termios.h>
#include <tuple>

#include <QElapsedTimer>

namespace qv {
namespace {

// The longest a close waits for queued bytes to leave.
constexpr qint64 kCloseDrainMs = 500;

QSerialPort::Parity qtParity(Parity parity) {
    switch (parity) {
    case Parity::Even:
        return QSerialPort::EvenParity;
    case Parity::Odd:
        return QSerialPort::OddParity;
    case Parity::Mark:
        return QSerialPort::MarkParity;
    case Parity::Space:
        return QSerialPort::SpaceParity;
    case Parity::None:
        break;
    }
    return QSerialPort::NoParity;
}

QSerialPort::FlowControl qtFlowControl(Handshaking handshaking) {
    switch (handshaking) {
    case Handshaking::XonXoff:
        return QSerialPort::SoftwareControl;
    case Handshaking::RtsCts:
    case Handshaking::RtsCtsXonXoff:
        return QSerialPort::HardwareControl;
    case Handshaking::None:
        break;
    }
    return QSerialPort::NoFlowControl;
}

// A port without modem lines (a pseudo-terminal) answers so; the lines are then
// simply absent, which is no failure.
bool noModemLines(int err) {
    return err == ENOTTY || err == EINVAL;
}

} // namespace

QtSerialLink::QtSerialLink(const SerialPortResolver& ports, QObject* parent)
    : QObject(parent), ports_(ports) {
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialLink::onError);
    connect(&port_, &QSerialPort::readyRead, this, &QtSerialLink::onReadyRead);
}

QtSerialLink::~QtSerialLink() {
    close();
}

Status QtSerialLink::open() {
    close();
    salvaged_.clear();
    const auto path = ports_.devicePath(number_);
    if (!path) {
        return Status::failure("No serial port is chosen.");
    }
    {
        const std::lock_guard lock(lineMutex_);
        path_ = *path;
    }
    port_.setPortName(QString::fromStdString(path_));
    if (!port_.open(QIODevice::ReadWrite)) {
        return Status::failure("The serial port " + path_ + " cannot be opened (" +
                               port_.errorString().toStdString() + ").");
    }
    failing_ = false;
    {
        const std::lock_guard lock(lineMutex_);
        fd_ = static_cast<int>(port_.handle());
    }
    Status configured = configure();
    if (!configured.ok()) {
        close();
    }
    return configured;
}

Status QtSerialLink::configure() {
    if (!port_.setBaudRate(settings_.baud) ||
        !port_.setDataBits(static_cast<QSerialPort::DataBits>(settings_.dataBits)) ||
        !port_.setParity(qtParity(settings_.parity)) ||
        !port_.setStopBits(settings_.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) ||
        !port_.setFlowControl(qtFlowControl(handshaking_))) {
        return Status::failure("The serial port " + path_ + " refuses the settings " +
                               formatSerialSettings(settings_) + " (" +
                               port_.errorString().toStdString() + ").");
    }
    const std::lock_guard lock(lineMutex_);
    // Qt offers one kind of flow control at a time; XON/XOFF is added by hand.
    if (handshaking_ == Handshaking::RtsCtsXonXoff) {
        termios t{};
        if (::tcgetattr(fd_, &t) == 0) {
            t.c_iflag |= IXON | IXOFF;
            ::tcsetattr(fd_, TCSANOW, &t);
        }
    }
    // Opening raises both lines; the remembered states replace that at once.
    for (const auto& [line, on, name] :
         {std::tuple{TIOCM_DTR, dtr_, "DTR"}, std::tuple{TIOCM_RTS, rts_, "RTS"}}) {
        int bits = line;
        if (::ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &bits) != 0 && !noModemLines(errno)) {
            return Status::failure("The serial port " + path_ + " cannot set its " + name +
                                   " line (" + std::strerror(errno) + ").");
        }
    }
    return Status::success();
}

void QtSerialLink::close() {
    if (!port_.isOpen()) {
        return;
    }
    // What was written last (a radio's closing command) goes out before the port
    // closes: closing discards what is still queued. A dead port gives up at once.
    QElapsedTimer waited;
    waited.start();
    while (port_.bytesToWrite() > 0 && waited.elapsed() < kCloseDrainMs) {
        if (!port_.waitForBytesWritten(static_cast<int>(kCloseDrainMs - waited.elapsed()))) {
            break;
        }
    }
    {
        const std::lock_guard lock(lineMutex_);
        fd_ = -1;
    }
    port_.close();
    ++session_;
    dataPending_ = false;
}

Status QtSerialLink::setDtr(bool on) {
    return setLine(TIOCM_DTR, on, dtr_, "DTR");
}

Status QtSerialLink::setRts(bool on) {
    return setLine(TIOCM_RTS, on, rts_, "RTS");
}

Status QtSerialLink::setLine(int line, bool on, bool& remembered, const char* name) {
    const std::lock_guard lock(lineMutex_);
    remembered = on;
    if (fd_ < 0) {
        return Status::success();
    }
    int bits = line;
    if (::ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &bits) != 0 && !noModemLines(errno)) {
        return Status::failure("The serial port " + path_ + " cannot set its " + name + " line (" +
                               std::strerror(errno) + ").");
    }
    return Status::success();
}

Status QtSerialLink::write(std::string_view bytes) {
    if (!port_.isOpen()) {
        return Status::failure("The serial port is not open.");
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (port_.write(bytes.data(), size) != size) {
        return Status::failure("The serial port " + path_ + " cannot be written (" +
                               port_.errorString().toStdString() + ").");
    }
    return Status::success();
}

std::string QtSerialLink::takeInput() {
    std::string input = std::move(salvaged_);
    salvaged_.clear();
    if (port_.isOpen()) {
        input += port_.readAll().toStdString();
    }
    return input;
}

std::size_t QtSerialLink::outBufferCount() const {
    if (!port_.isOpen()) {
        return 0;
    }
    auto count = static_cast<std::size_t>(port_.bytesToWrite());
    // Bytes the driver holds are not sent yet either.
    const std::lock_guard lock(lineMutex_);
    int queued = 0;
    if (fd_ >= 0 && ::ioctl(fd_, TIOCOUTQ, &queued) == 0 && queued > 0) {
        count += static_cast<std::size_t>(queued);
    }
    return count;
}

void QtSerialLink::onReadyRead() {
    if (dataPending_) {
        return;
    }
    dataPending_ = true;
    const std::uint64_t session = session_;
    QMetaObject::invokeMethod(
        this,
        [this, session] {
            if (session != session_) {
                return;
            }
            dataPending_ = false;
            if (handler_) {
                handler_({SerialEvent::Kind::DataArrived, {}});
            }
        },
        Qt::QueuedConnection);
}

// A port that fails while open (a USB adapter pulled out, the other end of a
// pseudo-terminal gone) keeps signalling until it is closed. It is closed from
// the event loop, not inside QSerialPort's own notification, and reported once.
void QtSerialLink::onError(QSerialPort::SerialPortError error) {
    switch (error) {
    case QSerialPort::NoError:
    case QSerialPort::TimeoutError:
    case QSerialPort::NotOpenError:
    case QSerialPort::UnsupportedOperationError:
        return;
    default:
        break;
    }
    if (!port_.isOpen() || failing_) {
        return; // a failed open, reported by open() itself, or an echo
    }
    failing_ = true;
    const std::string message =
        "The serial port " + path_ + " failed (" + port_.errorString().toStdString() + ").";
    const std::uint64_t session = session_;
    QMetaObject::invokeMethod(
        this,
        [this, session, message] {
            if (session != session_) {
                return;
            }
            salvaged_ += port_.readAll().toStdString();
            close();
            if (handler_) {
                handler_({SerialEvent::Kind::Error, message});
            }
        },
        Qt::QueuedConnection);
}

} // namespace qv
