#pragma once

// The spotting window's settings and their file PackSpot.txt: fourteen records,
// one per line, in the item syntax of the log, the list display as #TRUE# or
// #FALSE#.

#include "base/Status.h"

#include <optional>
#include <string>
#include <string_view>

namespace qv {

struct SpotSettings {
    static constexpr const char* kFileName = "PackSpot.txt";

    std::string baud = "9600";
    char parity = 'N';    // 'O', 'N' or 'E'
    char dataBits = '8';  // '7' or '8'
    char stopBits = '1';  // '1' or '2'
    int port = 1;         // 1..10
    char powerLine = 'N'; // 'N', 'R' or 'D'
    std::string kind;     // "None", "TNC", "Telnet", "AGW Packet Engine"; empty: unset
    int convertToHex = 0; // stored only
    int handshaking = 3;  // 1 none, 2 XON/XOFF, 3 RTS, 4 RTS with XON/XOFF
    int dxOnly = 0;
    bool listDisplay = false; // true "List", false "Band Map"
    std::string commandModeHex = "03";
    std::string telnetPort;
    std::string telnetHost;

    bool operator==(const SpotSettings&) const = default;
};

// The serial settings text: baud (trailing blanks removed), parity, data bits and
// stop bits joined by commas ("9600,N,8,1").
std::string spotSerialSettings(const SpotSettings& settings);

// The file's text; fails for a text that cannot be written (a double quote).
[[nodiscard]] Status formatSpotSettings(const SpotSettings& settings, std::string& text);
// All fourteen records, or nothing when the file does not hold them.
std::optional<SpotSettings> parseSpotSettings(std::string_view text);

} // namespace qv
