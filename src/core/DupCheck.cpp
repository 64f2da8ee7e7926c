#include "core/DupCheck.h"

#include "base/Cp1252.h"

namespace qv {

bool DupChecker::DupCheck() {
    flag_ = false;
    MainWindowState& ui = c_.ui;
    const bool listPrevious = c_.prefs.listPreviousContacts != 0;
    if (listPrevious) {
        ui.recent.clear();
    }
    const std::string& call = ui.txtCall.text;
    const std::string& band = c_.op.currentBand;
    const ContestLog& log = c_.log();
    auto prefill = [](TextField& field, const std::string& value) {
        if (field.text.empty()) {
            field.text = value;
            field.selectAll();
        }
    };
    for (std::size_t k = 1; k <= log.size(); ++k) {
        const ContactRecord& r = log.record(k);
        if (!equalsIgnoreCase(r.call, call)) {
            continue;
        }
        if (listPrevious) {
            ui.recent.add(listRowFor(k, r));
        }
        prefill(ui.txtSec, r.name);
        prefill(ui.txtCntry, r.spc);
        prefill(ui.txtRSTR, r.category);
        if (equalsIgnoreCase(r.band, band)) {
            c_.setStatus("Duplicate " + r.call + " " + r.date + " " + r.time + "  Rec#  " +
                         std::to_string(k));
            ui.lblDialogBack = kStatusRed;
            c_.clearPartialList();
            c_.beeper.beep();
            // Spoken before the line empties, so the operator hears which call it was.
            c_.voice.BlindKeyPhone("Dupe");
            flag_ = true;
            timeMs_ = c_.clock.milliseconds();
            c_.focusOn(EntryField::Call);
            c_.clearEntryFields();
            return true;
        }
    }
    return false;
}

void DupChecker::PartialDupes(int key) {
    MainWindowState& ui = c_.ui;
    ui.lblDialogBack = kStatusTeal;
    c_.clearPartialList();
    const std::size_t heldBefore = ui.txtCall.text.size();
    std::string typed = ui.txtCall.text;
    if (key > 45 && key < 91) {
        typed.push_back(static_cast<char>(key));
        if (ui.partialDupesOn) {
            std::string list;
            const ContestLog& log = c_.log();
            for (std::size_t k = 1; k <= log.size() && list.size() <= 100; ++k) {
                const ContactRecord& r = log.record(k);
                if (equalsIgnoreCase(r.band, c_.op.currentBand) &&
                    startsWithIgnoreCase(r.call, typed)) {
                    list = r.call + " " + list;
                }
            }
            ui.lblDupe = list;
            ui.lblDupeTeal = !list.empty();
        }
    }
    if (!ui.lblDupe.empty() && heldBefore > 2) {
        c_.setStatus("Possible Duplicate!");
    } else if (c_.op.timeOn) {
        c_.setStatus(" ");
    }
    // The call-shape hint: a call whose second and third characters are both
    // neither digit nor "/" is unusual.
    if (typed.size() == 3 && key > 45 && key < 91) {
        auto numeric = [](char ch) { return ch >= '/' && ch <= '9'; };
        if (!numeric(typed[1]) && !numeric(typed[2])) {
            c_.beeper.beep();
            c_.setStatus("The second or third character is not numeric!");
        } else {
            c_.setStatus(" ");
        }
    }
}

void DupChecker::cmdDup_Click() {
    c_.ui.partialDupesOn = !c_.ui.partialDupesOn;
    c_.ui.lblDupeTeal = false;
    c_.focusOn(EntryField::Call);
}

} // namespace qv
