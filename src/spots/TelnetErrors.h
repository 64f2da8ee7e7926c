#pragma once

// The Telnet source's error texts, by the Windows socket numbers the spotting
// window reports them with, and which number each of the TCP link's errors
// stands for.

#include "spots/TcpLink.h"

#include <string>

namespace qv {

// "ERROR: Connection is forcefully rejected." for 10061, ...; "Error number "
// and the number for a number without a text.
std::string telnetErrorText(int number);

// The number an error of the link is reported with (refused 10061, host not
// found 11001, timed out 10060, reset 10054, unreachable 10051, ...).
int telnetErrorNumber(const TcpEvent& error);

} // namespace qv
