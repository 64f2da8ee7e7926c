#pragma once

// Duplicates on the band, the prefill from earlier contacts, and the
// partial-duplicate list while the call is typed.

#include "app/DuplicateHold.h"
#include "app/Form1State.h"
#include "core/OperatingState.h"
#include "core/Preferences.h"
#include "core/WorkingLog.h"
#include "platform/Beeper.h"
#include "voice/VoiceNavigation.h"

namespace qv {

class DupChecker {
public:
    struct Uses {
        Form1State& ui;
        const WorkingLog& working;
        const OperatingState& op;
        const Preferences& prefs;
        Beeper& beeper;
        VoiceNavigation& voice;
        DuplicateHold& hold;
    };
    explicit DupChecker(Uses uses) : u_(uses) {}

    // DupCheck of the call field on the current band. Fills an empty name, SPC and
    // category from the earliest earlier contact of the call; on a duplicate shows
    // its message, empties the entry line, flags the hold and returns true.
    bool DupCheck();

    // The partial-duplicate list for a key typed in the call field (kNone once the
    // key was consumed), then the call-shape hint.
    void PartialDupes(int key);

    // The switch of cmdDup.
    void cmdDup_Click();

private:
    Uses u_;
};

} // namespace qv
