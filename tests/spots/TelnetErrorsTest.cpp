// The Telnet source's error texts and the socket numbers the link's errors
// are reported with.

#include "spots/TelnetErrors.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(TelnetErrors, TextsByNumberAsWrittenAndTheNumberForAnyOther) {
    struct Case {
        int number;
        const char* text;
    };
    const Case cases[] = {
        {7, "ERROR: Out of memory."},
        {394, "ERROR: The property can't be read."},
        {10037, "ERROR: The operation is completed. No blocking operation in progress"},
        {10054, "ERROR: The connection is reset by remote side.!"},
        {10058, "ERROR: Socket has been shut down."},
        {10060, "ERROR: Socket has been shut down."},
        {10061, "ERROR: Connection is forcefully rejected."},
        {11001, "ERROR: Authoritative answer: Host not found."},
        {11004, "ERROR: Valid name, no data record of requested type."},
        {10059, "Error number 10059"},
        {10065, "Error number 10065"},
        {0, "Error number 0"},
        {-1, "Error number -1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(telnetErrorText(c.number), c.text) << c.number;
    }
}

TEST(TelnetErrors, EachLinkErrorHasItsSocketNumber) {
    struct Case {
        TcpError error;
        int number;
    };
    const Case cases[] = {
        {TcpError::ConnectionRefused, 10061},
        {TcpError::HostNotFound, 11001},
        {TcpError::TimedOut, 10060},
        {TcpError::ConnectionReset, 10054},
        {TcpError::NetworkUnreachable, 10051},
        {TcpError::HostUnreachable, 10065},
        {TcpError::AddressInUse, 10048},
        {TcpError::AddressNotAvailable, 10049},
        {TcpError::Network, 10050},
        {TcpError::AccessDenied, 10013},
        {TcpError::NoResources, 10055},
        {TcpError::Unsupported, 10043},
        {TcpError::Other, 10053},
    };
    for (const Case& c : cases) {
        TcpEvent event;
        event.kind = TcpEvent::Kind::Error;
        event.error = c.error;
        EXPECT_EQ(telnetErrorNumber(event), c.number) << static_cast<int>(c.error);
    }
    TcpEvent timedOut{TcpEvent::Kind::Error, {}, TcpError::TimedOut, "Connection timed out"};
    EXPECT_EQ(telnetErrorText(telnetErrorNumber(timedOut)), "ERROR: Socket has been shut down.");
}

} // namespace
} // namespace qv
