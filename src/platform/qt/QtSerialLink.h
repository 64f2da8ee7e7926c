#pragma once

#include "rig/serial/SerialLink.h"
#include "rig/serial/SerialPortResolver.h"

#include <cstdint>
#include <mutex>

#include <QObject>
#include <QSerialPort>

namespace qv {

// A serial link on QSerialPort. The modem lines are set with ioctl on the
// port's descriptor under a lock of their own, so that the keying thread can
// set them without touching the QObject.
class QtSerialLink : public QObject, public SerialLink {
    Q_OBJECT
public:
    explicit QtSerialLink(const SerialPortResolver& ports, QObject* parent = nullptr);
    ~QtSerialLink() override;

    void setPort(int number) override { number_ = number; }
    int port() const override { return number_; }
    void setSettings(const SerialSettings& settings) override { settings_ = settings; }
    void setHandshaking(Handshaking handshaking) override { handshaking_ = handshaking; }

    Status open() override;
    void close() override;
    bool isOpen() const override { return port_.isOpen(); }

    Status setDtr(bool on) override;
    Status setRts(bool on) override;

    Status write(std::string_view bytes) override;
    std::string takeInput() override;
    std::size_t outBufferCount() const override;

    void setEventHandler(EventHandler handler) override { handler_ = std::move(handler); }

private:
    Status configure();
    Status setLine(int line, bool on, bool& remembered, const char* name);
    void onError(QSerialPort::SerialPortError error);
    void onReadyRead();

    const SerialPortResolver& ports_;
    QSerialPort port_;
    int number_ = 0;
    SerialSettings settings_;
    Handshaking handshaking_ = Handshaking::None;
    std::string path_;
    std::string salvaged_; // what had arrived when the port failed
    EventHandler handler_;
    // Events queued for a session the owner has closed since are dropped.
    std::uint64_t session_ = 0;
    bool failing_ = false;     // an error is being handled; later ones are echoes
    bool dataPending_ = false; // a DataArrived event is queued

    mutable std::mutex lineMutex_;
    int fd_ = -1; // the open port's descriptor, for the modem lines
    bool dtr_ = false;
    bool rts_ = false;
};

} // namespace qv
