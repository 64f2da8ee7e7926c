#pragma once

// The rig window's settings and their file RigCntrl.txt: fourteen lines, texts
// quoted and numbers bare, the baud padded to five characters.

#include "base/Status.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

struct RigConfig {
    static constexpr const char* kFileName = "RigCntrl.txt";

    std::string baud = "56000"; // five characters, padded on the right with spaces
    char parity = 'N';          // 'O', 'N' or 'E'
    char dataBits = '8';        // '7' or '8'
    char stopBits = '1';        // '1' or '2'
    std::string modeQuery;      // "String to read mode"
    std::string frequencyQuery; // "String to read frequency"
    std::string settingsText;   // "4800,N,8,2": what the port is opened with
    std::uint8_t portNumber = 1;
    char powerLine = 'N'; // 'N' none, 'R' raise RTS, 'D' raise DTR
    char pollRate = 'M';  // 'F' 100 ms, 'M' 500 ms, 'S' 2 s, 'R' 10 s (a cycle)
    std::string rigType = "None";
    bool convertToHex = false;
    bool useFrequency = true;
    int modeSource = 1; // 1 "Rig", 2 "Frequency", 3 "Don't Use"

    bool operator==(const RigConfig&) const = default;
};

// The baud text cut or padded with spaces to five characters.
std::string paddedBaud(std::string_view baud);
// Baud (without its padding), parity, data bits and stop bits joined by commas.
std::string settingsTextOf(const RigConfig& config);

// The poll timer's interval for a poll-rate letter: half the cycle. Nothing for an
// unknown letter (the interval then stays as it was).
std::optional<std::uint32_t> pollIntervalMs(char pollRate);

// The file's text; fails when a text cannot be written (a double quote).
[[nodiscard]] Status formatRigConfig(const RigConfig& config, std::string& text);

// All fourteen values of a file, or nothing when it does not hold them; the first
// is cut or padded to five characters, lines 2-4 and 9-10 keep their first
// character. A radio not in the list is kept as read.
std::optional<RigConfig> parseRigConfig(std::string_view text);

} // namespace qv
