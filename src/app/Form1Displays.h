#pragma once

// What the main window shows that follows the log and the clock: the recent
// contacts, the score panel and rates, the "New" label, and the position of a
// prefix entry.

#include "app/Form1State.h"
#include "core/MultiplierTable.h"
#include "core/OperatingState.h"
#include "core/Preferences.h"
#include "core/StationProfile.h"
#include "core/WorkingLog.h"
#include "geo/PrefixTable.h"
#include "platform/Clock.h"

namespace qv {

class Form1Displays {
public:
    struct Uses {
        Form1State& ui;
        const WorkingLog& working;
        const OperatingState& op;
        const MultiplierTable& multipliers;
        const Preferences& prefs;
        const StationProfile& profile;
        const PrefixTable& prefixes;
        Clock& clock;
    };
    explicit Form1Displays(Uses uses) : u_(uses) {}

    // UTC now: the local clock plus the profile's offset.
    DateTime utcNow() const;

    // Labeldisplay: the score panel's totals, multipliers and DX list.
    void refreshScore();
    // TimeStats on the rate labels.
    void refreshRates();
    // The recent-contacts list from the log.
    void rebuildRecent() { u_.ui.recent.rebuild(u_.working.log()); }
    // Label3 "New": shown while the SPC field holds a DX entity not yet worked.
    void updateNewIndicator();
    // The continent, bearing and distance of a prefix-table entry.
    void showEntryPosition(std::size_t entry);

private:
    Uses u_;
};

} // namespace qv
