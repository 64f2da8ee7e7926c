#pragma once

// The recent-contacts list ListView1: its rows and its "last 20"/"all" mode.

#include "core/ContestLog.h"

#include <array>
#include <string>
#include <vector>

namespace qv {

struct ListRow {
    // Rec#, Call, SPC, Cat, Name, Date/Time, Bnd, Pts, Name S
    std::array<std::string, 9> columns;
};

// The row of record number k: "mm/dd hh:nn" date and time, points as a number.
ListRow listRowFor(std::size_t k, const ContactRecord& record);

struct RecentContacts {
    static constexpr std::size_t kLastCount = 20;

    bool showAll = false; // "all" mode; "last 20" initially
    std::vector<ListRow> rows;

    // Newest at the top: all records, or the last 20.
    void rebuild(const ContestLog& log);
};

} // namespace qv
