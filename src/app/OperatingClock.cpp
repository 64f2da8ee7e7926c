#include "app/OperatingClock.h"

#include "core/TimeStats.h"

#include <cmath>
#include <cstdio>

namespace qv {

std::string formatOperatingTime(float seconds) {
    const auto total = static_cast<long long>(std::fabs(seconds));
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02lld:%02lld:%02lld", (total / 3600) % 100, total / 60 % 60,
                  total % 60);
    return buf;
}

void OperatingClock::cmdLogOn_Click() {
    OperatingState& op = u_.op;
    if (!op.timeOn) {
        op.timeOnStart = u_.clock.localNow();
        op.timeOn = true;
        op.operatingSecondsNow = op.operatingSeconds; // until the next tick
        u_.ui.cmdLogOnCaption = kTimeOffCaption;
        setStatus(u_.ui, " ");
    } else {
        settle(); // up to this second, not the last tick
        op.timeOn = false;
        u_.ui.cmdLogOnCaption = kTimeOnCaption;
        // The date and time shifted by the offset rounded to whole hours, the date
        // in the short form m/d/yyyy.
        const DateTime shifted =
            u_.clock.localNow().addSeconds(std::lround(u_.profile.utcOffsetHours) * 3600);
        setStatus(u_.ui, "Logged Off at " + std::to_string(shifted.month()) + "/" +
                             std::to_string(shifted.day()) + "/" + std::to_string(shifted.year()) +
                             " " + shifted.timeText());
        u_.preferences.SavePref();
    }
    focusOn(u_.ui, EntryField::Call);
}

void OperatingClock::tick() {
    const DateTime local = u_.clock.localNow();
    u_.ui.lblutctime = utcFromLocal(local, u_.profile.utcOffsetHours).timeText();
    const int hour12 = local.hour() % 12 == 0 ? 12 : local.hour() % 12;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d:%02d:%02d", hour12, local.minute(), local.second());
    u_.ui.lblCurTime = buf;
    u_.ui.label16 = local.hour() < 12 ? "AM" : "PM";
    OperatingState& op = u_.op;
    if (op.timeOn) {
        op.operatingSecondsNow =
            std::fabs(static_cast<float>(local.secondsSince(op.timeOnStart)) + op.operatingSeconds);
        u_.ui.lblttrack = formatOperatingTime(op.operatingSecondsNow);
    }
}

void OperatingClock::showOperatingTime() {
    u_.ui.lblttrack = formatOperatingTime(u_.op.operatingSeconds);
}

void OperatingClock::settle() {
    if (u_.op.timeOn) {
        tick();
        u_.op.operatingSeconds = u_.op.operatingSecondsNow;
    }
}

} // namespace qv
