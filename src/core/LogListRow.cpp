#include "core/LogListRow.h"

#include "base/Numbers.h"

namespace qv {

ListRow listRowFor(std::size_t k, const ContactRecord& r) {
    // "mm/dd" from "yyyy/mm/dd", "hh:nn" from "hh:mm:ss" or "hh:mm".
    const std::string monthDay = r.date.size() >= 10 ? r.date.substr(5, 5) : r.date;
    const std::string hourMinute = r.time.size() >= 5 ? r.time.substr(0, 5) : r.time;
    return ListRow{{std::to_string(k), r.call, r.spc, r.category, r.name,
                    monthDay + " " + hourMinute, r.band, formatShortest(r.points), r.nameSent}};
}

} // namespace qv
