#pragma once

// A TCP client connection (a DX cluster reached by Telnet). Connecting is
// asynchronous: its outcome, what arrives and the end of the connection come
// back as events.

#include "base/Status.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace qv {

enum class TcpState { Closed, Connecting, Connected };

enum class TcpError {
    ConnectionRefused,   // nothing listens on the port
    HostNotFound,        // the name does not resolve
    TimedOut,            // the other side did not answer in time
    ConnectionReset,     // the other side reset the connection
    NetworkUnreachable,  // no route to the host's network
    HostUnreachable,     // no route to the host
    AddressInUse,        // the local address is taken
    AddressNotAvailable, // the local address is not this machine's
    Network,             // the network failed otherwise
    AccessDenied,        // the system refused the socket
    NoResources,         // out of buffers or descriptors
    Unsupported,         // the protocol (IPv6, say) is not supported here
    Other,
};

// Each connection attempt ends in exactly one Error or Disconnected event
// (close() ends it quietly).
struct TcpEvent {
    enum class Kind {
        Connected,
        DataArrived,  // bytes holds what arrived, as it arrived
        Disconnected, // the other side closed the connection
        Error,        // connecting failed or the connection broke; it is closed now
    };
    Kind kind = Kind::Connected;
    std::string bytes;
    TcpError error = TcpError::Other;
    std::string message; // the system's description of an error
};

class TcpLink {
public:
    using EventHandler = std::function<void(const TcpEvent&)>;

    virtual ~TcpLink() = default;

    // Closes any connection (quietly) and starts connecting.
    virtual void connectTo(const std::string& host, std::uint16_t port) = 0;
    // Queues bytes for sending; fails unless connected.
    [[nodiscard]] virtual Status send(std::string_view bytes) = 0;
    // Ends the connection or the attempt; no event follows, not even one
    // already under way.
    virtual void close() = 0;
    virtual TcpState state() const = 0;

    // Events arrive from the event loop of the link's thread, never from inside
    // a call to the link.
    virtual void setEventHandler(EventHandler handler) = 0;
};

} // namespace qv
