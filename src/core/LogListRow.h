#pragma once

// One contact as the log list shows it: the list's columns, their headings, and
// the row of a record. The clipboard copy and the plain-text export use the same.

#include "core/ContactRecord.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

inline constexpr std::size_t kLogListColumns = 9;
using LogListRow = std::array<std::string, kLogListColumns>;

inline constexpr std::array<std::string_view, kLogListColumns> kLogListHeadings = {
    "Rec#", "Call", "SPC", "Cat", "Name", "Date/Time", "Bnd", "Pts", "Name S"};

// The design's column widths in 1/9600 of the window width.
inline constexpr std::array<int, kLogListColumns> kLogListWidths = {550, 900, 920, 430, 725,
                                                                    900, 430, 370, 725};

struct ListRow {
    LogListRow columns; // Rec#, Call, SPC, Cat, Name, Date/Time, Bnd, Pts, Name S
};

// The row of record number k: "mm/dd hh:nn" date and time, points as a number.
ListRow listRowFor(std::size_t k, const ContactRecord& record);

// The columns with a TAB between them and CR LF after the last; nothing quoted.
template <typename Columns> void appendTabSeparated(std::string& out, const Columns& columns) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i > 0) {
            out.push_back('\t');
        }
        out.append(columns[i]);
    }
    out.append("\r\n");
}

} // namespace qv
