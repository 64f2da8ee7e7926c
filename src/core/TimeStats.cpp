#include "core/TimeStats.h"

namespace qv {

DateTime utcFromLocal(const DateTime& local, float offsetHours) {
    return local.addMinutes(static_cast<double>(offsetHours) * 60.0);
}

std::optional<QsoRates> TimeStats(const ContestLog& log, const DateTime& nowUtc) {
    int c20 = 0;
    int c60 = 0;
    const auto& records = log.records();
    for (auto it = records.rbegin(); it != records.rend(); ++it) {
        const auto t = parseLogDateTime(it->date, it->time);
        if (!t) {
            return std::nullopt;
        }
        const std::int64_t d = nowUtc.secondsSince(*t);
        if (d < 1200) {
            ++c20;
        }
        if (d >= 3600) {
            break;
        }
        ++c60;
    }
    return QsoRates{c60, c20 * 3};
}

} // namespace qv
