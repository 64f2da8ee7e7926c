#pragma once

// The contest community's list of active calls (MASTER.SCP): one call a line,
// comment lines starting with "#". Text in, calls out.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

struct [[nodiscard]] MasterListText {
    std::vector<std::string> calls; // upper case, in the file's order, each once
    std::size_t skipped = 0;        // lines that hold no call
    std::string problem;            // why the whole file was refused; empty when read

    bool ok() const { return problem.empty(); }
};

// The longest call kept: the call field holds no more.
inline constexpr std::size_t kMaxListedCall = 12;
// A larger file is no call list (the community's copy is about half a megabyte).
inline constexpr std::size_t kMaxMasterListBytes = 16 * 1024 * 1024;

// Reads the list. Blank lines and comments are passed over; a line that is no
// call (a character other than A-Z, 0-9 and "/", or too long) is skipped and
// counted. A file with a NUL byte, with no call at all, or where more than one
// line in ten is no call is refused whole: it is damaged or not a call list.
MasterListText parseMasterList(std::string_view bytes);

} // namespace qv
