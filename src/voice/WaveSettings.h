#pragma once

// The voice keyer's settings and their file wave2.txt: the wave file of each of
// F1 to F9, the push-to-talk port and line, the F1 repeat interval and the
// parallel port's address, one value per line; then the text spoken for each
// key that has no wave file. Texts are quoted, the line choice is a bare number.

#include "base/Status.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

enum class PttLine { Rts = 0, Dtr = 1, Parallel = 2 };

struct WaveSettings {
    static constexpr const char* kFileName = "wave2.txt";
    static constexpr std::size_t kKeys = 9; // F1 to F9

    std::array<std::string, kKeys> files; // wave file paths
    std::string port = "0";               // serial port number for PTT; 0 none
    PttLine line = PttLine::Rts;          // which line keys the transmitter
    std::string loopSeconds = "0";        // F1 repeat interval in seconds
    std::string parallelBase = "&H378";   // parallel port base address
    std::array<std::string, kKeys> speak; // spoken when a key has no file

    bool operator==(const WaveSettings&) const = default;
};

// The file's text, CR LF after every line, paths trimmed of surrounding blanks.
// Fails for a text that cannot be written (a double quote or a line break).
[[nodiscard]] Status formatWaveSettings(const WaveSettings& settings, std::string& text);

// The settings a file holds, over `defaults`: a short file fills the lines it
// has, and a file that does not read at all leaves the defaults as they are. A
// line choice other than 0, 1 or 2 keeps the default's.
WaveSettings parseWaveSettings(std::string_view text, WaveSettings defaults = {});

// The repeat interval of a loop text: 1000 times its number in whole
// milliseconds (halves to even); nothing above 0 gives 0 (no repeat).
std::uint32_t repeatIntervalOf(std::string_view loopSeconds);

} // namespace qv
