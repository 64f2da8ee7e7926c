#pragma once

// The CW settings file CW.txt: the eleven messages, the keying port, speed,
// word-space adjustment, keying option, parallel port address, the main-window
// echo option and the F1 repeat interval, one value per line. Texts are quoted,
// the keying option and the echo option are bare numbers.

#include "base/Status.h"
#include "cw/KeyingSelection.h"

#include <array>
#include <string>
#include <string_view>

namespace qv {

struct CwSettings {
    static constexpr const char* kFileName = "CW.txt";
    static constexpr std::size_t kMessages = 11; // F1 to F9, F10, F11
    static constexpr const char* kDefaultF9 = "VVV DE ";

    std::array<std::string, kMessages> messages; // Text1-Text9, Text12, Text13
    std::string port = "0";                      // Text10
    std::string wpm = "13";                      // Text11
    std::string wordSpace = "0";                 // txtSpace
    KeyingSelection selection = KeyingSelection::None;
    std::string parallelBase = "&H378"; // Text14
    bool echo = false;                  // Check1
    std::string loopSeconds = "0";      // txtCWLoop

    bool operator==(const CwSettings&) const = default;
};

// The file's 18 lines, CR LF after each. Fails for a text that cannot be
// written (a double quote or a line break).
[[nodiscard]] Status formatCwSettings(const CwSettings& settings, std::string& text);

// The settings a file holds, read value by value over `defaults`: a file that
// ends early keeps what it gave. An empty F9 message becomes "VVV DE ".
CwSettings parseCwSettings(std::string_view text, CwSettings defaults = {});

} // namespace qv
