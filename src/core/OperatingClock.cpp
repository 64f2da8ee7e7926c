#include "core/OperatingClock.h"

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
    OperatingState& op = c_.op;
    if (!op.timeOn) {
        op.timeOnStart = c_.clock.localNow();
        op.timeOn = true;
        op.operatingSecondsNow = op.operatingSeconds; // until the next tick
        c_.ui.cmdLogOnCaption = kTimeOffCaption;
        c_.setStatus(" ");
    } else {
        settle(); // up to this second, not the last tick
        op.timeOn = false;
        c_.ui.cmdLogOnCaption = kTimeOnCaption;
        // The date and time shifted by the offset rounded to whole hours, the date
        // in the short form m/d/yyyy.
        const DateTime shifted =
            c_.clock.localNow().addSeconds(std::lround(c_.profile.utcOffsetHours) * 3600);
        c_.setStatus("Logged Off at " + std::to_string(shifted.month()) + "/" +
                     std::to_string(shifted.day()) + "/" + std::to_string(shifted.year()) + " " +
                     shifted.timeText());
        c_.savePref();
    }
    c_.focusOn(EntryField::Call);
}

void OperatingClock::tick() {
    const DateTime local = c_.clock.localNow();
    c_.ui.lblutctime = c_.utcNow().timeText();
    const int hour12 = local.hour() % 12 == 0 ? 12 : local.hour() % 12;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d:%02d:%02d", hour12, local.minute(), local.second());
    c_.ui.lblCurTime = buf;
    c_.ui.label16 = local.hour() < 12 ? "AM" : "PM";
    OperatingState& op = c_.op;
    if (op.timeOn) {
        op.operatingSecondsNow =
            std::fabs(static_cast<float>(local.secondsSince(op.timeOnStart)) + op.operatingSeconds);
        c_.ui.lblttrack = formatOperatingTime(op.operatingSecondsNow);
    }
}

void OperatingClock::showOperatingTime() {
    c_.ui.lblttrack = formatOperatingTime(c_.op.operatingSeconds);
}

void OperatingClock::settle() {
    if (c_.op.timeOn) {
        tick();
        c_.op.operatingSeconds = c_.op.operatingSecondsNow;
    }
}

} // namespace qv
