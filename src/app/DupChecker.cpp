#include "app/DupChecker.h"

#include "base/Cp1252.h"

#include <algorithm>
#include <cstring>

namespace qv {

bool DupChecker::DupCheck() {
    u_.hold.clear();
    Form1State& ui = u_.ui;
    const bool listPrevious = u_.prefs.listPreviousContacts != 0;
    if (listPrevious) {
        ui.recent.clear();
    }
    const std::string& call = ui.txtCall.text;
    const std::string& band = u_.op.currentBand;
    const ContestLog& log = u_.working.log();
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
            alertStatus(ui, "Duplicate " + r.call + " " + r.date + " " + r.time + "  Rec#  " +
                                std::to_string(k));
            ui.lblDialogBack = kStatusRed;
            clearPartialList(ui);
            u_.beeper.beep();
            // Spoken before the line empties, so the operator hears which call it was.
            // The word may be waited for while events run: no input reaches the
            // entry line meanwhile.
            ui.inputBlocked = true;
            u_.voice.BlindKeyPhone("Dupe");
            ui.inputBlocked = false;
            u_.hold.found();
            focusOn(ui, EntryField::Call);
            clearEntryFields(ui);
            return true;
        }
    }
    return false;
}

void DupChecker::PartialDupes(int key) {
    Form1State& ui = u_.ui;
    ui.lblDialogBack = kStatusTeal;
    clearPartialList(ui);
    const std::size_t heldBefore = ui.txtCall.text.size();
    std::string typed = ui.txtCall.text;
    if (key > 45 && key < 91) {
        typed.push_back(static_cast<char>(key));
        if (ui.partialDupesOn) {
            std::string list;
            const ContestLog& log = u_.working.log();
            const std::string& band = u_.op.currentBand;
            // This runs over the whole log at every key. A band text with no letters
            // (all the real bands) compares ignoring case exactly as it compares byte
            // for byte, so the common case is a plain comparison.
            const bool caseless = std::all_of(band.begin(), band.end(), [](char c) {
                return toUpper(c) == c && toLower(c) == c;
            });
            auto onBand = [&](const std::string& b) {
                return b.size() == band.size() &&
                       (caseless ? std::memcmp(b.data(), band.data(), b.size()) == 0
                                 : equalsIgnoreCase(b, band));
            };
            for (const ContactRecord& r : log.records()) {
                if (onBand(r.band) && startsWithIgnoreCase(r.call, typed)) {
                    list = r.call + " " + list;
                    if (list.size() > 100) {
                        break;
                    }
                }
            }
            ui.lblDupe = list;
            ui.lblDupeTeal = !list.empty();
            ui.lblDupeWhite = false;
        }
    }
    if (!ui.lblDupe.empty() && heldBefore > 2) {
        setStatus(ui, "Possible Duplicate!");
    } else if (u_.op.timeOn) {
        setStatus(ui, " ");
    }
    // The call-shape hint: a call whose second and third characters are both
    // neither digit nor "/" is unusual.
    if (typed.size() == 3 && key > 45 && key < 91) {
        auto numeric = [](char ch) { return ch >= '/' && ch <= '9'; };
        if (!numeric(typed[1]) && !numeric(typed[2])) {
            u_.beeper.beep();
            setStatus(ui, "The second or third character is not numeric!");
        } else {
            setStatus(ui, " ");
        }
    }
}

void DupChecker::cmdDup_Click() {
    u_.ui.partialDupesOn = !u_.ui.partialDupesOn;
    u_.ui.lblDupeTeal = false;
    u_.ui.lblDupeWhite = false;
    focusOn(u_.ui, EntryField::Call);
}

} // namespace qv
