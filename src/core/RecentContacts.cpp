#include "core/RecentContacts.h"

#include "base/Numbers.h"

namespace qv {

ListRow listRowFor(std::size_t k, const ContactRecord& r) {
    // "mm/dd" from "yyyy/mm/dd", "hh:nn" from "hh:mm:ss" or "hh:mm".
    const std::string monthDay = r.date.size() >= 10 ? r.date.substr(5, 5) : r.date;
    const std::string hourMinute = r.time.size() >= 5 ? r.time.substr(0, 5) : r.time;
    return ListRow{{std::to_string(k), r.call, r.spc, r.category, r.name,
                    monthDay + " " + hourMinute, r.band, formatShortest(r.points), r.nameSent}};
}

void RecentContacts::rebuild(const ContestLog& log) {
    rows.clear();
    const std::size_t n = log.size();
    const std::size_t first = (showAll || n < kLastCount) ? 1 : n - (kLastCount - 1);
    rows.reserve(n - first + 1);
    for (std::size_t k = n; k >= first && k >= 1; --k) {
        rows.push_back(listRowFor(k, log.record(k)));
    }
}

} // namespace qv
