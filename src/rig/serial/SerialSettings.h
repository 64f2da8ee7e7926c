#pragma once

// The line settings of a serial port as the program writes them: baud rate,
// parity letter, data bits and stop bits joined by commas, e.g. "9600,N,8,1".

#include <optional>
#include <string>
#include <string_view>

namespace qv {

enum class Parity { None, Even, Odd, Mark, Space };

struct SerialSettings {
    int baud = 9600;
    Parity parity = Parity::None;
    int dataBits = 8;
    int stopBits = 1;

    bool operator==(const SerialSettings&) const = default;
};

// The settings a text stands for, or nothing when it is not four valid values:
// a baud rate from 1 to 4000000, a parity letter N, E, O, M or S (either case),
// 5 to 8 data bits, 1 or 2 stop bits. Blanks around a value are ignored.
std::optional<SerialSettings> parseSerialSettings(std::string_view text);

// The text form, "9600,N,8,1".
std::string formatSerialSettings(const SerialSettings& settings);

} // namespace qv
