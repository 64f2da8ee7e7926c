#pragma once

// The command-test window frmFrequencyTest ("Test Change Frequency Function"): a
// command typed by the operator goes to the radio as it stands (or as hex pairs),
// and a frequency typed goes through the rig's frequency command.

#include "app/TextBoxes.h"
#include "rig/RigControl.h"

namespace qv {

enum class frmFrequencyTestControl { Text1, Text2, Command1, Command2 };

struct frmFrequencyTestState : TextBoxes<frmFrequencyTestControl, 2> {
    bool Check1 = false; // "Convert to Hex"
    frmFrequencyTestControl focus = frmFrequencyTestControl::Text1;
};

class frmFrequencyTestLogic {
public:
    using Control = frmFrequencyTestControl;
    using State = frmFrequencyTestState;

    explicit frmFrequencyTestLogic(RigControl& rig);

    const State& state() const { return s_; }
    State& state() { return s_; }

    void keyPressed(Control c, int key);
    void edited(Control c);
    void moveFocus(Control to) { s_.focus = to; }
    void Check1Click(bool checked) { s_.Check1 = checked; }

    // The first "Send": the command, without surrounding blanks.
    void Command1Click();
    // The second "Send": the frequency through the rig's frequency command.
    void Command2Click();

private:
    RigControl& rig_;
    State s_;
};

} // namespace qv
