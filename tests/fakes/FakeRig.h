#pragma once

// Rig control over scripted fakes: a port, a clock that also drives the timers
// and waits, dialogs, a beeper and an in-memory exchange folder.

#include "fakes/FakeBeeper.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeEventWait.h"
#include "fakes/FakeSerialLink.h"
#include "fakes/MemoryFileStore.h"
#include "rig/RigControl.h"

namespace qv::test {

struct FakeRig {
    FakeSerialLink link;
    FakeClock clock;
    FakeEventWait wait{clock};
    FakeDialogs dialogs;
    FakeBeeper beeper;
    MemoryFileStore pegasus;
    RigControl rig{{link, clock, wait, clock, dialogs, beeper, pegasus}};

    // Polls a Kenwood on the scripted port ("2 Sec"); what the opening wrote is
    // forgotten. False when the port did not open.
    bool pollKenwood() {
        RigConfig& c = rig.config();
        c.rigType = "Kenwood";
        c.frequencyQuery = "FA;";
        c.modeQuery = "MD;";
        c.settingsText = "4800,N,8,2";
        c.pollRate = 'S';
        const bool polling = rig.startPolling();
        link.written.clear();
        return polling;
    }
};

} // namespace qv::test
