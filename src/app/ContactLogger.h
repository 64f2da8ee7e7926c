#pragma once

// Logging a contact from the entry line.

#include "app/DupChecker.h"
#include "app/Form1Displays.h"
#include "app/Form1State.h"
#include "app/OperatingClock.h"
#include "core/MultiplierTable.h"
#include "core/Scoring.h"
#include "core/StationProfile.h"
#include "core/WorkingLog.h"
#include "platform/Beeper.h"
#include "platform/Dialogs.h"

namespace qv {

class ContactLogger {
public:
    struct Uses {
        Form1State& ui;
        WorkingLog& working;
        OperatingState& op;
        const StationProfile& profile;
        const MultiplierTable& multipliers;
        Beeper& beeper;
        Dialogs& dialogs;
        Form1Displays& displays;
        DupChecker& dupes;
        OperatingClock& clock;
    };
    explicit ContactLogger(Uses uses) : u_(uses) {}

    // Mains: checks the entry, refuses a duplicate, fills and scores the record,
    // appends it to log.txt and updates every total and display.
    void Mains();

private:
    // Post-contest date and time, reformatted in their fields; false (with the
    // message shown) when either is not valid.
    bool readPostContestFields();

    Uses u_;
};

} // namespace qv
