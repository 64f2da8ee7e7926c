#include "app/Form1Preferences.h"

namespace qv {

void Form1Preferences::SavePref() {
    if (Status s = writePreferences(files_, profile_, prefs_, op_); !s) {
        setStatus(ui_, "Preferences not saved: " + s.message());
        beeper_.beep();
    }
}

} // namespace qv
