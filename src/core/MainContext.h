#pragma once

// What the main window's logic works on: its state record and the objects it
// uses, passed by reference from the composition root.

#include "core/MainWindowState.h"
#include "core/MultiplierTable.h"
#include "core/Preferences.h"
#include "core/StationProfile.h"
#include "core/Subsystems.h"
#include "core/WorkingLog.h"
#include "geo/PrefixTable.h"
#include "platform/Beeper.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/FileStore.h"
#include "platform/ShippedFiles.h"

namespace qv {

struct MainContext {
    MainWindowState& ui;
    WorkingLog& working;
    OperatingState& op; // the working log's totals and the operating clock
    StationProfile& profile;
    Preferences& prefs;
    PrefixTable& prefixes;
    const MultiplierTable& multipliers;
    Clock& clock;
    Beeper& beeper;
    Dialogs& dialogs;
    FileStore& files;      // the working directory
    ShippedFiles& shipped; // data files shipped with the program
    VoiceNavigation& voice;
    KeyerCallText& keyer;
    BandMapView& bandMap;

    const ContestLog& log() const { return working.log(); }
    DateTime utcNow() const;

    void setStatus(std::string text) { ui.lblDialog = std::move(text); }
    void focusOn(EntryField f) {
        ui.focus = f;
        ++ui.focusRequest;
    }
    // SavePref: writes Quorvpref.txt; a failure is reported on the status line.
    void savePref();
    // Empties the four entry fields and the continent, bearing and distance labels.
    void clearEntryFields();
    void clearGeoLabels();
    void clearPartialList();
    // The score panel and rates, after a contact or a load.
    void refreshScore();
    void refreshRates();
    void rebuildRecent() { ui.recent.rebuild(log()); }
    // Label3 "New": shown while the SPC field holds a DX entity not yet worked.
    void updateNewIndicator();
    // The continent, bearing and distance of a prefix-table entry.
    void showEntryPosition(std::size_t entry);
};

} // namespace qv
