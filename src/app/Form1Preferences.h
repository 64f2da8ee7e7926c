#pragma once

// The main window's preferences file: SavePref writes it after every change.

#include "app/Form1State.h"
#include "core/Preferences.h"
#include "platform/Beeper.h"

namespace qv {

class Form1Preferences {
public:
    Form1Preferences(FileStore& files, const StationProfile& profile, const Preferences& prefs,
                     const OperatingState& op, Form1State& ui, Beeper& beeper)
        : files_(files), profile_(profile), prefs_(prefs), op_(op), ui_(ui), beeper_(beeper) {}

    // Writes Quorvpref.txt; a failure is reported on the status line.
    void SavePref();

private:
    FileStore& files_;
    const StationProfile& profile_;
    const Preferences& prefs_;
    const OperatingState& op_;
    Form1State& ui_;
    Beeper& beeper_;
};

} // namespace qv
