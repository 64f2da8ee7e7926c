#pragma once

// The recent-contacts list ListView1: its rows and its "last 20"/"all" mode.

#include "core/ContestLog.h"

#include <array>
#include <cstdint>
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
    // The column of the last heading click, shown as the sort indicator until the
    // list is rebuilt; -1 for the list's own order.
    int sortColumn = -1;

    // Counts every change of the rows, so the window redraws only when they changed.
    std::uint64_t revision = 0;

    // Newest at the top: all records, or the last 20.
    void rebuild(const ContestLog& log);
    void clear() {
        rows.clear();
        sortColumn = -1;
        ++revision;
    }
    void add(ListRow row) {
        rows.push_back(std::move(row));
        ++revision;
    }
    // Sorts the rows once by the column's text, ascending ("10" before "9").
    void sortBy(int column);
};

} // namespace qv
