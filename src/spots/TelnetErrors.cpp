#include "spots/TelnetErrors.h"

#include <string_view>

namespace qv {
namespace {

struct ErrorText {
    int number;
    std::string_view text;
};

constexpr std::string_view kShutDown = "ERROR: Socket has been shut down.";

// The texts as the operator has always read them, spelling included.
constexpr ErrorText kErrorTexts[] = {
    {7, "ERROR: Out of memory."},
    {380, "ERROR: The property value is invalid."},
    {383, "ERROR: The property is read-only."},
    {394, "ERROR: The property can't be read."},
    {1004, "ERROR: The operation was canceled."},
    {10014, "ERROR: The requested address is a broadcast address, but flag is not set."},
    {10035, "ERROR: Socket is non-blocking and the specified operation will block."},
    {10036, "ERROR: A blocking Winsock operation in progress."},
    {10037, "ERROR: The operation is completed. No blocking operation in progress"},
    {10038, "ERROR: The descriptor is not a socket."},
    {10040, "ERROR: The datagram is too large to fit into the buffer and is truncated."},
    {10043, "ERROR: The specified port is not supported."},
    {10048, "ERROR: Address in use."},
    {10049, "ERROR: Address not available from the local machine."},
    {10050, "ERROR: Network subsystem failed."},
    {10051, "ERROR: The network cannot be reached from this host at this time."},
    {10052, "ERROR: Connection has timed out when SO_KEEPALIVE is set."},
    {10053, "ERROR: Connection is aborted due to timeout or other failure."},
    {10054, "ERROR: The connection is reset by remote side.!"},
    {10055, "ERROR: No buffer space is available."},
    {10056, "ERROR: Socket is already connected."},
    {10057, "ERROR: Socket is not connected."},
    {10058, kShutDown},
    {10060, kShutDown},
    {10061, "ERROR: Connection is forcefully rejected."},
    {10093, "ERROR: WinsockInit should be called first."},
    {11001, "ERROR: Authoritative answer: Host not found."},
    {11002, "ERROR: Non-Authoritative answer: Host not found."},
    {11003, "ERROR: Non-recoverable errors."},
    {11004, "ERROR: Valid name, no data record of requested type."},
};

struct ErrorNumber {
    TcpError error;
    int number;
};

// Each error of the link as the Windows socket number a cluster user knows it by.
constexpr ErrorNumber kErrorNumbers[] = {
    // WSAECONNREFUSED: nothing listens on the cluster's port.
    {TcpError::ConnectionRefused, 10061},
    // WSAHOST_NOT_FOUND: the host name does not resolve.
    {TcpError::HostNotFound, 11001},
    // WSAETIMEDOUT: the cluster never answered the connection attempt.
    {TcpError::TimedOut, 10060},
    // WSAECONNRESET: the cluster reset the connection.
    {TcpError::ConnectionReset, 10054},
    // WSAENETUNREACH: no route to the cluster's network.
    {TcpError::NetworkUnreachable, 10051},
    // WSAEHOSTUNREACH: no route to the cluster itself; it has no text of its own.
    {TcpError::HostUnreachable, 10065},
    // WSAEADDRINUSE: the local address is taken.
    {TcpError::AddressInUse, 10048},
    // WSAEADDRNOTAVAIL: the local address is not this machine's.
    {TcpError::AddressNotAvailable, 10049},
    // WSAENETDOWN: the network failed in some other way.
    {TcpError::Network, 10050},
    // WSAEACCES: the system refused the socket; it has no text of its own.
    {TcpError::AccessDenied, 10013},
    // WSAENOBUFS: out of buffers or descriptors.
    {TcpError::NoResources, 10055},
    // WSAEPROTONOSUPPORT: the address family is not supported here.
    {TcpError::Unsupported, 10043},
    // WSAECONNABORTED: a failure the system names no better ends the connection.
    {TcpError::Other, 10053},
};

} // namespace

std::string telnetErrorText(int number) {
    for (const ErrorText& e : kErrorTexts) {
        if (e.number == number) {
            return std::string(e.text);
        }
    }
    return "Error number " + std::to_string(number);
}

int telnetErrorNumber(const TcpEvent& error) {
    for (const ErrorNumber& e : kErrorNumbers) {
        if (e.error == error.error) {
            return e.number;
        }
    }
    return 10053; // as Other
}

} // namespace qv
