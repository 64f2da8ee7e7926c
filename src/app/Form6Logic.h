#pragma once

// The colour window Form6 (" Modify Multiplier Color Selections"): the colours
// of the main window's multiplier labels, worked and remaining, each chosen in
// the system's colour chooser. Once it has closed the main window saves its
// preferences and reloads the log, which repaints the labels.

#include "core/Preferences.h"
#include "platform/Dialogs.h"

namespace qv {

struct Form6State {
    Colour workedSample = 0;    // "Appearance of multiplier worked"
    Colour remainingSample = 0; // "Appearance of multiplier remaining"
    bool closed = false;
};

class Form6Logic {
public:
    static constexpr const char* kCaption = " Modify Multiplier Color Selections";
    static constexpr const char* kWorkedSample = "Appearance of multiplier worked";
    static constexpr const char* kRemainingSample = "Appearance of multiplier remaining";
    static constexpr const char* kCommand3 = "Change \"Worked\" Color";
    static constexpr const char* kCommand1 = "Change \"Remaining\" Color";
    static constexpr const char* kCommand6 = "Done";

    struct Uses {
        Preferences& prefs;
        Dialogs& dialogs;
    };
    // The samples take the colours in force.
    explicit Form6Logic(Uses uses);

    const Form6State& state() const { return s_; }

    void Command3_Click(); // the worked colour
    void Command1_Click(); // the remaining colour
    void Command6_Click() { s_.closed = true; }

private:
    Uses u_;
    Form6State s_;
};

} // namespace qv
