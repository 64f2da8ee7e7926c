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
};

} // namespace qv::test
