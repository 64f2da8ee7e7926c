#pragma once

// One serial port: the radio's command link, a TNC, or a push-to-talk or keying
// line. Port, settings and handshaking are chosen first and take effect at the
// next open; the modem lines and the bytes work while it is open.

#include "base/Status.h"
#include "rig/serial/SerialSettings.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace qv {

// The numbers are the ones the settings files store.
enum class Handshaking { None = 0, XonXoff = 1, RtsCts = 2, RtsCtsXonXoff = 3 };

struct SerialEvent {
    enum class Kind {
        DataArrived, // bytes wait to be taken with takeInput()
        Error,       // the port failed (a USB adapter pulled out, ...) and is closed now
    };
    Kind kind = Kind::DataArrived;
    std::string message; // what failed, for an Error
};

class SerialLink {
public:
    using EventHandler = std::function<void(const SerialEvent&)>;

    virtual ~SerialLink() = default;

    // The port number, 1 for the first port; 0 means none (opening fails).
    virtual void setPort(int number) = 0;
    virtual int port() const = 0;
    virtual void setSettings(const SerialSettings& settings) = 0;
    virtual void setHandshaking(Handshaking handshaking) = 0;

    // Opens the chosen port, closing it first when it is open. A port that does
    // not exist, is in use or refuses the settings fails, and the link stays closed.
    [[nodiscard]] virtual Status open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // DTR and RTS: remembered while closed and applied at open; while open they
    // change at once. A port without modem lines (a pseudo-terminal) accepts
    // them. These two may be called from another thread (the keying thread), as
    // long as the owner does not open or close the link meanwhile.
    [[nodiscard]] virtual Status setDtr(bool on) = 0;
    [[nodiscard]] virtual Status setRts(bool on) = 0;

    // Queues bytes for sending, each char one byte (0 to 255, NUL included).
    // Fails when the link is closed.
    [[nodiscard]] virtual Status write(std::string_view bytes) = 0;
    // Everything received so far; the receive buffer is empty afterwards.
    virtual std::string takeInput() = 0;
    // Bytes written and not yet sent.
    virtual std::size_t outBufferCount() const = 0;

    // Events arrive from the event loop of the link's thread, never from inside
    // a call to the link, so the handler may use the link freely.
    virtual void setEventHandler(EventHandler handler) = 0;
};

} // namespace qv
