#include "app/ContactLogger.h"

#include "app/EntryChecks.h"
#include "base/Cp1252.h"
#include "core/PostContest.h"

#include <cstdio>

namespace qv {

bool ContactLogger::readPostContestFields() {
    Form1State& ui = u_.ui;
    const auto date = parseTypedDate(ui.txtPostConDate.text);
    if (!date) {
        alertStatus(ui, "Invalid date format!");
        u_.beeper.beep();
        return false;
    }
    ui.txtPostConDate.setText(date->dateText());
    ui.txtPostConTime.setText(insertTimeColon(ui.txtPostConTime.text));
    const auto time = parseTypedTime(ui.txtPostConTime.text);
    if (!time) {
        alertStatus(ui, "Invalid time format!");
        u_.beeper.beep();
        return false;
    }
    char hhmm[16];
    std::snprintf(hhmm, sizeof hhmm, "%02d:%02d", *time / 3600, *time / 60 % 60);
    ui.txtPostConTime.setText(hhmm);
    return true;
}

void ContactLogger::Mains() {
    Form1State& ui = u_.ui;
    OperatingState& op = u_.op;
    if (!op.timeOn) {
        u_.clock.cmdLogOn_Click();
    }
    if (ui.postContestMode && !readPostContestFields()) {
        op.currentFrequency.clear();
        return;
    }
    const bool entryPassed = FrmCmp(ui, u_.beeper);
    const bool sectionPassed = SectionCheck(ui, u_.multipliers, u_.beeper);
    const bool duplicate = u_.dupes.DupCheck();

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
            const DateTime utc = u_.displays.utcNow();
            r.date = utc.dateText();
            r.time = utc.timeText();
        }
        r.mode = op.currentMode;
        r.band = op.currentBand;
        r.nameSent = u_.profile.ownName;
        r.frequency = op.currentFrequency;
        r.points = contactPoints(r.call, r.category);

        // The list and the score follow the log's own event for the new contact.
        const WorkingLog::Appended appended = u_.working.AppendRecord(std::move(r));
        if (appended.status) {
            ui.lblDialogBack = kStatusTeal;
            alertStatus(ui, appended.note);
            if (!appended.note.empty()) {
                u_.beeper.beep();
            }
        } else {
            // Not on disk, so not logged: the entry stays for another try.
            keepEntry = true;
            ui.lblDialogBack = kStatusRed;
            alertStatus(ui, appended.status.message());
            u_.beeper.beep();
            u_.dialogs.messageBox("Contact NOT logged", appended.status.message(),
                                  MessageButtons::Ok, MessageIcon::Critical);
        }
    }
    if (entryPassed && sectionPassed && !keepEntry) {
        clearEntryFields(ui);
        focusOn(ui, EntryField::Call);
    }
    clearPartialList(ui);
    u_.displays.refreshRates();
    op.currentFrequency.clear();
}

} // namespace qv
