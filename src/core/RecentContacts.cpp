#include "core/RecentContacts.h"

#include "base/Numbers.h"

#include <algorithm>

namespace qv {

ListRow listRowFor(std::size_t k, const ContactRecord& r) {
    // "mm/dd" from "yyyy/mm/dd", "hh:nn" from "hh:mm:ss" or "hh:mm".
    const std::string monthDay = r.date.size() >= 10 ? r.date.substr(5, 5) : r.date;
    const std::string hourMinute = r.time.size() >= 5 ? r.time.substr(0, 5) : r.time;
    return ListRow{{std::to_string(k), r.call, r.spc, r.category, r.name,
                    monthDay + " " + hourMinute, r.band, formatShortest(r.points), r.nameSent}};
}

void RecentContacts::rebuild(const ContestLog& log) {
    clear();
    const std::size_t n = log.size();
    const std::size_t first = (showAll || n < kLastCount) ? 1 : n - (kLastCount - 1);
    rows.reserve(n - first + 1);
    for (std::size_t k = n; k >= first && k >= 1; --k) {
        rows.push_back(listRowFor(k, log.record(k)));
    }
}

void RecentContacts::sortBy(int column) {
    if (column < 0 || column >= static_cast<int>(ListRow{}.columns.size())) {
        return;
    }
    const auto c = static_cast<std::size_t>(column);
    std::stable_sort(rows.begin(), rows.end(), [c](const ListRow& a, const ListRow& b) {
        return a.columns[c] < b.columns[c];
    });
    sortColumn = column;
    ++revision;
}

} // namespace qv
