#pragma once

// Logging a contact from the entry line.

#include "core/DupCheck.h"
#include "core/MainContext.h"
#include "core/OperatingClock.h"

#include <string_view>

namespace qv {

// The bonus station: a contact with it scores 25 points whatever the category.
inline constexpr std::string_view Zorvik = "ZORVIK";

// 10 points; category Y 2, O 1; the bonus station 25 (ignoring case throughout).
double contactPoints(std::string_view call, std::string_view category);

class ContactLogger {
public:
    ContactLogger(MainContext& c, DupChecker& dupes, OperatingClock& clock)
        : c_(c), dupes_(dupes), clock_(clock) {}

    // Mains: checks the entry, refuses a duplicate, fills and scores the record,
    // appends it to log.txt and updates every total and display.
    void Mains();

private:
    // Post-contest date and time, reformatted in their fields; false (with the
    // message shown) when either is not valid.
    bool readPostContestFields();

    MainContext& c_;
    DupChecker& dupes_;
    OperatingClock& clock_;
};

} // namespace qv
