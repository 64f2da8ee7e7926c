#include "core/MainContext.h"

#include "core/Tally.h"
#include "core/TimeStats.h"
#include "geo/BearingDistance.h"

namespace qv {

DateTime MainContext::utcNow() const {
    return utcFromLocal(clock.localNow(), profile.utcOffsetHours);
}

void MainContext::savePref() {
    prefs.mode = op.currentMode;
    prefs.band = op.currentBand;
    prefs.operatingSeconds = op.operatingSeconds;
    if (Status s = writePreferences(files, profile, prefs); !s) {
        setStatus("Preferences not saved: " + s.message());
        beeper.beep();
    }
}

void MainContext::clearGeoLabels() {
    ui.label19.clear();
    ui.label22.clear();
    ui.label23.clear();
}

void MainContext::clearEntryFields() {
    ui.txtCall.clear();
    ui.txtCntry.clear();
    ui.txtRSTR.clear();
    ui.txtSec.clear();
    clearGeoLabels();
    updateNewIndicator();
}

void MainContext::clearPartialList() {
    ui.lblDupe.clear();
    ui.lblDupeTeal = false;
    ui.lblDupeSmall = false;
}

void MainContext::refreshScore() {
    Labeldisplay(ui.score, log(), op, multipliers, {prefs.workedColor, prefs.remainingColor});
}

void MainContext::refreshRates() {
    showRates(ui.score, TimeStats(log(), utcNow()));
}

void MainContext::updateNewIndicator() {
    ui.label3Visible = isNewDxEntity(op, ui.txtCntry.text);
}

void MainContext::showEntryPosition(std::size_t entry) {
    const PrefixEntry& e = prefixes.entry(entry);
    ui.label19 = e.continent;
    const BearingDistance bd =
        HDCalc(profile.ownLatitude, profile.ownLongitude, e.latitude, e.longitude);
    ui.label22 = bd.bearing;
    ui.label23 = bd.distance;
}

} // namespace qv
