#pragma once

// The hexadecimal texts of rig control: query strings typed as "FE FE 64 E0 03 FD",
// command digits built as pairs, and replies shown as hex text.

#include <string>
#include <string_view>

namespace qv {

// Two hex digits at every third character (1, 4, 7, ... counted from 1), the
// character after each pair skipped whatever it is: "FE FE 64 E0 03 FD" gives the
// six bytes FE FE 64 E0 03 FD. A pair that is not hexadecimal yields nothing at
// all (the empty string).
std::string HexTextToBytes(std::string_view text);

// Two hex digits at every second character, no separators; a final single digit
// is read as one digit. A pair that is not hexadecimal yields nothing.
std::string HexPairsToBytes(std::string_view text);

// Every byte as two upper-case hex digits and one space: FE 03 gives "FE 03 ".
std::string BytesToHexText(std::string_view bytes);

} // namespace qv
