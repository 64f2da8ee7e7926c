#pragma once

#include "app/Form1State.h"
#include "core/MultiplierTable.h"
#include "platform/Beeper.h"

namespace qv {

// The entry check before a contact is logged: every check runs in order, each
// failing one beeps, shows its message and takes the focus, so the last failure
// is what the operator sees. True when all passed.
bool FrmCmp(Form1State& ui, Beeper& beeper);

// For a two-character SPC: upper-cased in its field and looked up among the 62
// multipliers. True when it passes (any other length passes unchecked).
bool SectionCheck(Form1State& ui, const MultiplierTable& multipliers, Beeper& beeper);

} // namespace qv
