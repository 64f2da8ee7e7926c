#include "app/Form1Displays.h"

#include "core/Tally.h"
#include "core/TimeStats.h"
#include "geo/BearingDistance.h"

namespace qv {

DateTime Form1Displays::utcNow() const {
    return utcFromLocal(u_.clock.localNow(), u_.profile.utcOffsetHours);
}

void Form1Displays::refreshScore() {
    Labeldisplay(u_.ui.score, u_.working.log(), u_.op, u_.multipliers,
                 {u_.prefs.workedColor, u_.prefs.remainingColor});
}

void Form1Displays::refreshRates() {
    showRates(u_.ui.score, TimeStats(u_.working.log(), utcNow()));
}

void Form1Displays::updateNewIndicator() {
    u_.ui.label3Visible = isNewDxEntity(u_.op, u_.ui.txtCntry.text);
}

void Form1Displays::showEntryPosition(std::size_t entry) {
    const PrefixEntry& e = u_.prefixes.entry(entry);
    u_.ui.label19 = e.continent;
    const BearingDistance bd =
        HDCalc(u_.profile.ownLatitude, u_.profile.ownLongitude, e.latitude, e.longitude);
    u_.ui.label22 = bd.bearing;
    u_.ui.label23 = bd.distance;
}

} // namespace qv
