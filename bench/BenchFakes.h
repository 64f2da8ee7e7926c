#pragma once

// Quiet stand-ins for the boxes, the beep and the windows around the logic, so a
// benchmark measures the logic alone.

#include "platform/Beeper.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"

namespace qv::bench {

class SilentDialogs : public Dialogs {
public:
    MessageAnswer messageBox(const std::string&, const std::string&, MessageButtons buttons,
                             MessageIcon) override {
        return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    std::string saveFileName(const std::string&, const std::string&, const std::string&,
                             const std::string&) override {
        return {};
    }
    std::string openFileName(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
};

// A clock that stands still in the last hour of the sample contest.
class StillClock : public Clock {
public:
    DateTime now = *DateTime::fromFields(2007, 1, 14, 13, 0, 0);
    DateTime localNow() override { return now; }
    DateTime utcNow() override { return now.addSeconds(5 * 3600); }
    std::uint32_t milliseconds() override { return 0; }
};

class NoBeep : public Beeper {
public:
    void beep() override {}
};

} // namespace qv::bench
