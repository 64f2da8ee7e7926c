#pragma once

// "WK.txt", the keyer device's settings: the port as a bare number, the speed,
// weight, lead-in, tail and ratio as the texts of their fields, then the pin
// configuration and the mode as bare numbers, one to a line.

#include "base/Status.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

struct WinKeyerFile {
    static constexpr const char* kFileName = "WK.txt";

    std::uint8_t port = 5;
    std::string wpm = "18";
    std::string weight = "50";
    std::string leadIn = "0";
    std::string tail = "0";
    std::string ratio = "50";
    std::uint8_t pinConfig = 6;
    std::uint8_t mode = 0;

    bool operator==(const WinKeyerFile&) const = default;
};

// Reads the file over the defaults. It stops at the first line that does not
// read (or a byte value that is not a whole number from 0 to 255), keeping the
// lines before it; a file that ends early keeps the defaults of what it lacks.
WinKeyerFile parseWinKeyerFile(std::string_view text, WinKeyerFile defaults = {});

// The file's text; fails when a field holds a double quote or a line break.
[[nodiscard]] Status formatWinKeyerFile(const WinKeyerFile& settings, std::string& text);

} // namespace qv
