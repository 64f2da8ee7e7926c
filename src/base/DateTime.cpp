#include "base/DateTime.h"

#include "base/Numbers.h"

#include <chrono>
#include <cstdio>

namespace qv {
namespace {

using namespace std::chrono;

constexpr std::int64_t kSecondsPerDay = 86400;

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) {
        --q;
    }
    return q;
}

year_month_day civil(std::int64_t seconds) {
    return year_month_day{sys_days{days{floorDiv(seconds, kSecondsPerDay)}}};
}

std::int64_t secondOfDay(std::int64_t seconds) {
    return seconds - floorDiv(seconds, kSecondsPerDay) * kSecondsPerDay;
}

std::string twoDigits(int v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}

// Reads an unsigned decimal field of 1..maxDigits digits at text[pos].
std::optional<int> field(std::string_view text, std::size_t& pos, std::size_t maxDigits) {
    std::size_t start = pos;
    int v = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && pos - start < maxDigits) {
        v = v * 10 + (text[pos] - '0');
        ++pos;
    }
    if (pos == start) {
        return std::nullopt;
    }
    return v;
}

} // namespace

std::optional<DateTime> DateTime::fromFields(int y, int mo, int d, int h, int mi, int s) {
    if (y < 100 || y > 9999 || h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s > 59) {
        return std::nullopt;
    }
    const std::chrono::year_month_day ymd{std::chrono::year{y},
                                          std::chrono::month{static_cast<unsigned>(mo)},
                                          std::chrono::day{static_cast<unsigned>(d)}};
    if (mo < 1 || mo > 12 || d < 1 || !ymd.ok()) {
        return std::nullopt;
    }
    const std::int64_t dayCount = std::chrono::sys_days{ymd}.time_since_epoch().count();
    return DateTime(dayCount * kSecondsPerDay + h * 3600 + mi * 60 + s);
}

int DateTime::year() const {
    return static_cast<int>(civil(seconds_).year());
}
int DateTime::month() const {
    return static_cast<int>(static_cast<unsigned>(civil(seconds_).month()));
}
int DateTime::day() const {
    return static_cast<int>(static_cast<unsigned>(civil(seconds_).day()));
}
int DateTime::hour() const {
    return static_cast<int>(secondOfDay(seconds_) / 3600);
}
int DateTime::minute() const {
    return static_cast<int>(secondOfDay(seconds_) / 60 % 60);
}
int DateTime::second() const {
    return static_cast<int>(secondOfDay(seconds_) % 60);
}

DateTime DateTime::addSeconds(std::int64_t seconds) const {
    return DateTime(seconds_ + seconds);
}

DateTime DateTime::addMinutes(double minutes) const {
    return addSeconds(roundHalfEven(minutes) * 60);
}

std::string DateTime::dateText() const {
    const auto ymd = civil(seconds_);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d/%02u/%02u", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
    return buf;
}

std::string DateTime::timeText() const {
    return twoDigits(hour()) + ":" + twoDigits(minute()) + ":" + twoDigits(second());
}

std::string DateTime::hourMinuteText() const {
    return twoDigits(hour()) + ":" + twoDigits(minute());
}

std::optional<DateTime> parseLogDateTime(std::string_view date, std::string_view time) {
    std::size_t p = 0;
    const auto y = field(date, p, 4);
    if (!y || p >= date.size() || (date[p] != '/' && date[p] != '-')) {
        return std::nullopt;
    }
    const char sep = date[p++];
    const auto mo = field(date, p, 2);
    if (!mo || p >= date.size() || date[p] != sep) {
        return std::nullopt;
    }
    ++p;
    const auto d = field(date, p, 2);
    if (!d || p != date.size()) {
        return std::nullopt;
    }

    std::size_t q = 0;
    const auto h = field(time, q, 2);
    if (!h || q >= time.size() || time[q] != ':') {
        return std::nullopt;
    }
    ++q;
    const auto mi = field(time, q, 2);
    if (!mi) {
        return std::nullopt;
    }
    int s = 0;
    if (q < time.size()) {
        if (time[q] != ':') {
            return std::nullopt;
        }
        ++q;
        const auto sec = field(time, q, 2);
        if (!sec || q != time.size()) {
            return std::nullopt;
        }
        s = *sec;
    }
    return DateTime::fromFields(*y, *mo, *d, *h, *mi, s);
}

} // namespace qv
