#include "app/EntryLine.h"

#include "app/CountryCompletion.h"
#include "base/Cp1252.h"
#include "core/Tally.h"
#include "geo/CountryLookup.h"

#include <string_view>

namespace qv {

const EntryLine::Greeting EntryLine::kGreetings[2] = {
    {"ZORVIK", "The bonus station! Worth 25 points - thanks for the contact."},
    {"VELMARK", "Greetings from the author of Quorvane Log - good luck in the contest!"},
};

const char* canadianDefaultSpc(std::string_view call) {
    static constexpr std::pair<std::string_view, const char*> kTable[] = {
        {"VE1", "NS"}, {"VE2", "QU"}, {"VE3", "ON"}, {"VE4", "MB"}, {"VE5", "SK"},
        {"VE6", "AB"}, {"VE7", "BC"}, {"VE8", "NT"}, {"VE9", "NB"}, {"VY1", "NT"},
        {"VY2", "PE"}, {"VO1", "NF"}, {"VO2", "LB"},
    };
    for (const auto& [start, spc] : kTable) {
        if (startsWithIgnoreCase(call, start)) {
            return spc;
        }
    }
    return nullptr;
}

EntryLine::EntryLine(Uses uses) : u_(uses) {}

void EntryLine::type(EntryField field, int key) {
    if (key == keys::kNone) {
        return;
    }
    if (typeKey(fieldOf(u_.ui, field), key)) {
        edited(field);
    }
}

void EntryLine::keyPress(EntryField field, int key) {
    if (u_.ui.inputBlocked) {
        return; // the window takes no input during the hold after a duplicate
    }
    switch (field) {
    case EntryField::Call:
        callKey(key);
        break;
    case EntryField::Spc:
        spcKey(key);
        break;
    case EntryField::Category:
        categoryKey(key);
        break;
    case EntryField::Name:
        nameKey(key);
        break;
    case EntryField::PostConTime:
    case EntryField::PostConDate:
        postContestKey(field, key);
        break;
    }
}

void EntryLine::callKey(int key) {
    Form1State& ui = u_.ui;
    if (ui.txtCall.text.size() < 2) {
        ui.txtCntry.clear();
        clearGeoLabels(ui);
        u_.displays.updateNewIndicator();
    }
    if (ui.txtCall.text.size() < 3 && u_.op.timeOn) {
        setStatus(ui, " ");
    }
    if (!u_.op.timeOn) {
        setStatus(ui, "Click Log \"Time On\"!");
        u_.beeper.beep();
    }
    if (key == keys::kQuote) {
        key = keys::kNone;
    }
    if (key == keys::kEnter) {
        u_.logger.Mains();
        key = keys::kNone;
    }
    if (key == keys::kSpace) {
        key = keys::kNone;
        focusOn(ui, EntryField::Spc);
    }
    key = capital(key);
    u_.dupes.PartialDupes(key);
    // After a duplicate the key waits until three seconds have passed.
    if (u_.hold.admit(key)) {
        type(EntryField::Call, key);
    }
}

void EntryLine::spcKey(int key) {
    Form1State& ui = u_.ui;
    TextField& spc = ui.txtCntry;
    if (key == keys::kQuote) {
        return;
    }
    if (key == keys::kEnter) {
        u_.logger.Mains();
        return;
    }
    if (key == keys::kSpace && spc.caret() == 0) {
        focusOn(ui, EntryField::Category);
        return;
    }
    if (spc.caret() == 0) {
        spc.clear(); // typing replaces a looked-up country
    }
    if (spc.text.empty() || spc.caret() < 2) {
        key = capital(key);
    }
    if (key != keys::kSpace && spc.caret() == 2 && spc.text.size() >= 1) {
        // With the usual two-letter text, GE followed by r reads Ger.
        std::string text;
        text.push_back(spc.text.front());
        text.push_back(toLower(spc.text.back()));
        spc.setText(text);
    }
    if (spc.text.size() >= 2 && key != keys::kBackspace) {
        if (const auto k = completeCountryInBox(spc, key, u_.prefixes, true)) {
            u_.displays.showEntryPosition(*k);
            spcChanged();
            return;
        }
        if (key == keys::kSpace) {
            focusOn(ui, EntryField::Category);
            return;
        }
    }
    type(EntryField::Spc, key);
}

void EntryLine::categoryKey(int key) {
    Form1State& ui = u_.ui;
    if (key == keys::kSpace) {
        focusOn(ui, EntryField::Name); // Space works as Tab
        return;
    }
    if (!ui.txtRSTR.text.empty() && ui.txtRSTR.selLength == 0 && key != keys::kEnter &&
        key != keys::kBackspace) {
        // The category holds one letter; the next letter typed starts the name.
        if (ui.txtSec.text.empty() && key != keys::kQuote) {
            ui.txtSec.setText(std::string(1, toUpper(static_cast<char>(key))));
            edited(EntryField::Name);
        }
        focusOn(ui, EntryField::Name);
        return;
    }
    if (key == keys::kEnter) {
        u_.logger.Mains();
        return;
    }
    if (key == keys::kQuote) {
        return;
    }
    type(EntryField::Category, upperKey(key));
}

void EntryLine::nameKey(int key) {
    if (key == keys::kQuote) {
        return;
    }
    if (key == keys::kEnter) {
        u_.logger.Mains();
        return;
    }
    if (key == keys::kSpace) {
        focusOn(u_.ui, u_.ui.postContestMode ? EntryField::PostConTime : EntryField::Call);
        return;
    }
    if (u_.ui.txtSec.caret() == 0 && key != keys::kBackspace) {
        key = upperKey(key);
    }
    type(EntryField::Name, key);
}

void EntryLine::postContestKey(EntryField field, int key) {
    if (key == keys::kEnter) {
        u_.logger.Mains();
        return;
    }
    if (key == keys::kSpace) {
        focusOn(u_.ui,
                field == EntryField::PostConTime ? EntryField::PostConDate : EntryField::Call);
        return;
    }
    const char allowed = field == EntryField::PostConTime ? ':' : '/';
    if (key == keys::kBackspace || key == allowed || (key >= '0' && key <= '9')) {
        type(field, key);
    }
}

void EntryLine::edited(EntryField field) {
    TextField& f = fieldOf(u_.ui, field);
    sanitize(f);
    if (field == EntryField::Call) {
        callChanged();
    } else if (field == EntryField::Spc) {
        spcChanged();
    }
}

void EntryLine::callChanged() {
    Form1State& ui = u_.ui;
    GeoFields geo{ui.txtCntry.text, ui.txtCntry.selStart, ui.txtCntry.selLength,
                  ui.label19,       ui.label22,           ui.label23};
    entryFieldLookup(u_.prefixes, ui.txtCall.text,
                     {u_.profile.ownLatitude, u_.profile.ownLongitude}, geo);
    ui.txtCntry.text = geo.spc;
    ui.txtCntry.select(geo.spcSelectionStart, geo.spcSelectionLength);
    ui.label19 = geo.continent;
    ui.label22 = geo.bearing;
    ui.label23 = geo.distance;
    u_.displays.updateNewIndicator();
    u_.keyer.setCurrentCall(ui.txtCall.text);
}

void EntryLine::entered(EntryField field) {
    Form1State& ui = u_.ui;
    const int navigation = u_.prefs.navigationMode;
    switch (field) {
    case EntryField::Call:
        ui.editButtonsVisible = false;
        if (ui.txtCall.text.empty()) {
            ui.txtRSTR.clear();
        }
        if (navigation != 0) {
            u_.voice.BlindKeyPhone("Call");
        }
        if (ui.txtCall.text.empty() && ui.recent.size() < u_.working.log().size() &&
            ui.recent.size() < 18) {
            u_.displays.rebuildRecent();
        }
        break;
    case EntryField::Spc:
        if (navigation == 2) {
            u_.voice.BlindKeyPhone("SPC");
        }
        break;
    case EntryField::Category:
        if (navigation == 2) {
            u_.voice.BlindKeyPhone("Class");
        }
        break;
    case EntryField::Name:
        if (navigation == 2) {
            u_.voice.BlindKeyPhone("Name");
        }
        break;
    case EntryField::PostConTime:
        ui.txtPostConTime.selectAll();
        break;
    case EntryField::PostConDate:
        if (ui.txtPostConDate.text.empty()) {
            ui.txtPostConDate.setText(u_.clock.localNow().dateText());
        }
        ui.txtPostConDate.selectAll();
        break;
    }
}

void EntryLine::left(EntryField field) {
    if (field != EntryField::Call) {
        return;
    }
    Form1State& ui = u_.ui;
    for (const Greeting& g : kGreetings) {
        if (equalsIgnoreCase(ui.txtCall.text, g.call)) {
            setStatus(ui, g.text);
            ui.lblDialogBack = kGreetingCyan;
            u_.beeper.beep();
        }
    }
    if (!ui.txtCall.text.empty()) {
        u_.dupes.DupCheck();
    }
    if (ui.txtCntry.text.empty() && ui.txtCall.text.size() > 2) {
        if (const char* spc = canadianDefaultSpc(ui.txtCall.text)) {
            ui.txtCntry.text = spc;
            ui.txtCntry.selectAll();
            spcChanged();
        }
    }
    if (ui.txtRSTR.text.empty() && !u_.prefs.defaultCategory.empty() &&
        ui.txtCall.text.size() > 2) {
        ui.txtRSTR.text = u_.prefs.defaultCategory;
        ui.txtRSTR.selectAll();
    }
}

void EntryLine::cmdClear_Click() {
    clearEntryFields(u_.ui);
    setStatus(u_.ui, "");
    clearPartialList(u_.ui);
    u_.ui.lblDialogBack = kStatusTeal;
    focusOn(u_.ui, EntryField::Call);
}

void EntryLine::multiplierClicked(std::size_t entry) {
    u_.ui.txtCntry.setText(std::string(u_.multipliers.entry(entry).abbreviation));
    spcChanged();
}

void EntryLine::multiplierHovered(std::size_t entry) {
    const Multiplier& m = u_.multipliers.entry(entry);
    std::size_t total = 0;
    for (const ContactRecord& r : u_.working.log().records()) {
        total += equalsIgnoreCase(r.spc, m.abbreviation) ? 1 : 0;
    }
    u_.ui.lblDupe = "  " + std::string(m.name) + "    Total = " + std::to_string(total);
    u_.ui.lblDupeSmall = true;
}

void EntryLine::backgroundHovered() {
    clearPartialList(u_.ui);
}

} // namespace qv
