#include "core/Mains.h"

#include "base/Cp1252.h"
#include "core/EntryChecks.h"
#include "core/PostContest.h"

#include <cstdio>

namespace qv {

double contactPoints(std::string_view call, std::string_view category) {
    double points = 10;
    if (equalsIgnoreCase(category, "Y")) {
        points = 2;
    }
    if (equalsIgnoreCase(category, "O")) {
        points = 1;
    }
    if (equalsIgnoreCase(call, Zorvik)) {
        points = 25;
    }
    return points;
}

bool ContactLogger::readPostContestFields() {
    MainWindowState& ui = c_.ui;
    const auto date = parseTypedDate(ui.txtPostConDate.text);
    if (!date) {
        c_.setStatus("Invalid date format!");
        c_.beeper.beep();
        return false;
    }
    ui.txtPostConDate.setText(date->dateText());
    ui.txtPostConTime.setText(insertTimeColon(ui.txtPostConTime.text));
    const auto time = parseTypedTime(ui.txtPostConTime.text);
    if (!time) {
        c_.setStatus("Invalid time format!");
        c_.beeper.beep();
        return false;
    }
    char hhmm[16];
    std::snprintf(hhmm, sizeof hhmm, "%02d:%02d", *time / 3600, *time / 60 % 60);
    ui.txtPostConTime.setText(hhmm);
    return true;
}

void ContactLogger::Mains() {
    MainWindowState& ui = c_.ui;
    if (!c_.op.timeOn) {
        clock_.cmdLogOn_Click();
    }
    if (ui.postContestMode && !readPostContestFields()) {
        c_.op.currentFrequency.clear();
        return;
    }
    const bool entryPassed = FrmCmp(c_);
    const bool sectionPassed = SectionCheck(c_);
    const bool duplicate = dupes_.DupCheck();

    bool keepEntry = false;
    if (entryPassed && !duplicate && sectionPassed) {
        ContactRecord r;
        r.call = ui.txtCall.text;
        r.spc = ui.txtCntry.text;
        r.category = ui.txtRSTR.text;
        r.name = ui.txtSec.text;
        if (ui.postContestMode) {
            r.date = ui.txtPostConDate.text;
            r.time = ui.txtPostConTime.text;
        } else {
            const DateTime utc = c_.utcNow();
            r.date = utc.dateText();
            r.time = utc.timeText();
        }
        r.mode = c_.op.currentMode;
        r.band = c_.op.currentBand;
        r.nameSent = c_.profile.ownName;
        r.frequency = c_.op.currentFrequency;
        r.points = contactPoints(r.call, r.category);

        const WorkingLog::Appended appended = c_.working.AppendRecord(std::move(r));
        if (appended.status) {
            c_.rebuildRecent();
            ui.lblDialogBack = kStatusTeal;
            c_.setStatus(appended.note);
            if (!appended.note.empty()) {
                c_.beeper.beep();
            }
            c_.refreshScore();
        } else {
            // Not on disk, so not logged: the entry stays for another try.
            keepEntry = true;
            ui.lblDialogBack = kStatusRed;
            c_.setStatus(appended.status.message());
            c_.beeper.beep();
            c_.dialogs.messageBox("Contact NOT logged", appended.status.message(),
                                  MessageButtons::Ok, MessageIcon::Critical);
        }
    }
    if (entryPassed && sectionPassed && !keepEntry) {
        c_.clearEntryFields();
        c_.focusOn(EntryField::Call);
    }
    c_.clearPartialList();
    c_.refreshRates();
    c_.op.currentFrequency.clear();
}

} // namespace qv
