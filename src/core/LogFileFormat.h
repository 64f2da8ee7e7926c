#pragma once

// log.txt as text: one record per line, eleven items in record field order.

#include "core/ContactRecord.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The line for one record, CR LF included; nullopt when a field holds a character
// the file cannot hold (a double quote or a line break) or the points are not finite.
std::optional<std::string> formatLogLine(const ContactRecord& record);
std::optional<std::string> formatLog(const std::vector<ContactRecord>& records);

struct [[nodiscard]] ParsedLog {
    bool ok = false;
    std::vector<ContactRecord> records;
    std::size_t errorLine = 0; // 1-based line where reading failed
    std::string problem;       // what was wrong there, for diagnostics
};

// Reads a whole log. Fails on a line without exactly eleven items, a stray double
// quote, a points item that is not a number, or more than `capacity` records.
ParsedLog parseLog(std::string_view bytes, std::size_t capacity);

} // namespace qv
