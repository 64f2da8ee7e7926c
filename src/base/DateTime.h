#pragma once

// Calendar date-times without a time zone (local or UTC as the caller knows) and
// the date and time texts of the log.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

class DateTime {
public:
    DateTime() = default;

    // nullopt for a date or time that does not exist (2007/02/30, 24:00:00).
    static std::optional<DateTime> fromFields(int year, int month, int day, int hour = 0,
                                              int minute = 0, int second = 0);

    int year() const;
    int month() const;
    int day() const;
    int hour() const;
    int minute() const;
    int second() const;

    DateTime addSeconds(std::int64_t seconds) const;
    DateTime addMinutes(double minutes) const; // whole minutes, halves to even
    // Whole seconds from other to this (positive when this is later).
    std::int64_t secondsSince(const DateTime& other) const { return seconds_ - other.seconds_; }

    // "yyyy/mm/dd", "hh:mm:ss", "hh:mm".
    std::string dateText() const;
    std::string timeText() const;
    std::string hourMinuteText() const;

    friend bool operator==(const DateTime&, const DateTime&) = default;
    friend auto operator<=>(const DateTime&, const DateTime&) = default;

private:
    explicit DateTime(std::int64_t seconds) : seconds_(seconds) {}
    std::int64_t seconds_ = 0; // seconds since 1970-01-01 00:00:00 of the same clock
};

// A log record's date ("yyyy/mm/dd") and time ("hh:mm:ss", or "hh:mm" for a
// post-contest contact) read together as one date-time. Also accepts one-digit
// month, day and hour and "-" as date separator, as a date-time text reads.
std::optional<DateTime> parseLogDateTime(std::string_view date, std::string_view time);

} // namespace qv
