#include "platform/qt/QtClock.h"

#include <QDateTime>

namespace qv {
namespace {
DateTime fromQt(const QDateTime& t) {
    const QDate d = t.date();
    const QTime tm = t.time();
    return DateTime::fromFields(d.year(), d.month(), d.day(), tm.hour(), tm.minute(), tm.second())
        .value_or(DateTime{});
}
} // namespace

QtClock::QtClock() {
    elapsed_.start();
}

DateTime QtClock::localNow() {
    return fromQt(QDateTime::currentDateTime());
}
DateTime QtClock::utcNow() {
    return fromQt(QDateTime::currentDateTimeUtc());
}
std::uint32_t QtClock::milliseconds() {
    return static_cast<std::uint32_t>(elapsed_.elapsed());
}

} // namespace qv
