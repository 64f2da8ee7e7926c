#include "core/EntryLine.h"

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

namespace {
char capital(int key) {
    return key >= 'a' && key <= 'z' ? static_cast<char>(key - 32) : static_cast<char>(key);
}
} // namespace

void EntryLine::type(EntryField field, int key) {
    if (key == keys::kNone) {
        return;
    }
    if (typeKey(fieldOf(c_.ui, field), key)) {
        edited(field);
    }
}

void EntryLine::keyPress(EntryField field, int key) {
    if (c_.ui.inputBlocked) {
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
    MainWindowState& ui = c_.ui;
    if (ui.txtCall.text.size() < 2) {
        ui.txtCntry.clear();
        c_.clearGeoLabels();
        c_.updateNewIndicator();
    }
    if (ui.txtCall.text.size() < 3 && c_.op.timeOn) {
        c_.setStatus(" ");
    }
    if (!c_.op.timeOn) {
        c_.setStatus("Click Log \"Time On\"!");
        c_.beeper.beep();
    }
    if (key == keys::kQuote) {
        key = keys::kNone;
    }
    if (key == keys::kEnter) {
        logger_.Mains();
        key = keys::kNone;
    }
    if (key == keys::kSpace) {
        key = keys::kNone;
        c_.focusOn(EntryField::Spc);
    }
    key = static_cast<unsigned char>(capital(key));
    dupes_.PartialDupes(key);
    if (dupes_.duplicateFlag()) {
        // Hold the key until three seconds after the duplicate; the window then
        // releases it (releaseHeldKey) and takes input again.
        heldKey_ = key;
        ui.inputBlocked = true;
        ui.holdUntilMs = dupes_.duplicateTimeMs() + DupChecker::kHoldMs;
        if (static_cast<std::int32_t>(c_.clock.milliseconds() - ui.holdUntilMs) >= 0) {
            releaseHeldKey();
        }
        return;
    }
    type(EntryField::Call, key);
}

void EntryLine::releaseHeldKey() {
    if (!c_.ui.inputBlocked) {
        return;
    }
    c_.ui.inputBlocked = false;
    dupes_.clearFlag();
    const int key = heldKey_;
    heldKey_ = keys::kNone;
    type(EntryField::Call, key);
}

void EntryLine::spcKey(int key) {
    MainWindowState& ui = c_.ui;
    TextField& spc = ui.txtCntry;
    if (key == keys::kQuote) {
        return;
    }
    if (key == keys::kEnter) {
        logger_.Mains();
        return;
    }
    if (key == keys::kSpace && spc.caret() == 0) {
        c_.focusOn(EntryField::Category);
        return;
    }
    if (spc.caret() == 0) {
        spc.clear(); // typing replaces a looked-up country
    }
    if (spc.text.empty() || spc.caret() < 2) {
        key = static_cast<unsigned char>(capital(key));
    }
    if (key != keys::kSpace && spc.caret() == 2 && spc.text.size() >= 1) {
        // With the usual two-letter text, GE followed by r reads Ger.
        std::string text;
        text.push_back(spc.text.front());
        text.push_back(toLower(spc.text.back()));
        spc.setText(text);
    }
    if (spc.text.size() >= 2 && key != keys::kBackspace) {
        const std::string typed = spc.text.substr(0, spc.caret()) + static_cast<char>(key);
        if (const auto k = completeCountry(c_.prefixes, typed, true)) {
            const std::string& name = c_.prefixes.entry(*k).country;
            spc.text = typed + name.substr(typed.size());
            spc.select(typed.size(), spc.text.size() - typed.size());
            c_.showEntryPosition(*k);
            spcChanged();
            return;
        }
        if (key == keys::kSpace) {
            c_.focusOn(EntryField::Category);
            return;
        }
    }
    type(EntryField::Spc, key);
}

void EntryLine::categoryKey(int key) {
    MainWindowState& ui = c_.ui;
    if (key == keys::kSpace) {
        c_.focusOn(EntryField::Name); // Space works as Tab
        return;
    }
    if (!ui.txtRSTR.text.empty() && ui.txtRSTR.selLength == 0 && key != keys::kEnter &&
        key != keys::kBackspace) {
        // The category holds one letter; the next letter typed starts the name.
        if (ui.txtSec.text.empty() && key != keys::kQuote) {
            ui.txtSec.setText(std::string(1, toUpper(static_cast<char>(key))));
            edited(EntryField::Name);
        }
        c_.focusOn(EntryField::Name);
        return;
    }
    if (key == keys::kEnter) {
        logger_.Mains();
        return;
    }
    if (key == keys::kQuote) {
        return;
    }
    type(EntryField::Category, static_cast<unsigned char>(toUpper(static_cast<char>(key))));
}

void EntryLine::nameKey(int key) {
    if (key == keys::kQuote) {
        return;
    }
    if (key == keys::kEnter) {
        logger_.Mains();
        return;
    }
    if (key == keys::kSpace) {
        c_.focusOn(c_.ui.postContestMode ? EntryField::PostConTime : EntryField::Call);
        return;
    }
    if (c_.ui.txtSec.caret() == 0 && key != keys::kBackspace) {
        key = static_cast<unsigned char>(toUpper(static_cast<char>(key)));
    }
    type(EntryField::Name, key);
}

void EntryLine::postContestKey(EntryField field, int key) {
    if (key == keys::kEnter) {
        logger_.Mains();
        return;
    }
    if (key == keys::kSpace) {
        c_.focusOn(field == EntryField::PostConTime ? EntryField::PostConDate : EntryField::Call);
        return;
    }
    const char allowed = field == EntryField::PostConTime ? ':' : '/';
    if (key == keys::kBackspace || key == allowed || (key >= '0' && key <= '9')) {
        type(field, key);
    }
}

void EntryLine::edited(EntryField field) {
    TextField& f = fieldOf(c_.ui, field);
    sanitize(f);
    if (field == EntryField::Call) {
        callChanged();
    } else if (field == EntryField::Spc) {
        spcChanged();
    }
}

void EntryLine::callChanged() {
    MainWindowState& ui = c_.ui;
    GeoFields geo{ui.txtCntry.text, ui.txtCntry.selStart, ui.txtCntry.selLength,
                  ui.label19,       ui.label22,           ui.label23};
    entryFieldLookup(c_.prefixes, ui.txtCall.text,
                     {c_.profile.ownLatitude, c_.profile.ownLongitude}, geo);
    ui.txtCntry.text = geo.spc;
    ui.txtCntry.select(geo.spcSelectionStart, geo.spcSelectionLength);
    ui.label19 = geo.continent;
    ui.label22 = geo.bearing;
    ui.label23 = geo.distance;
    c_.updateNewIndicator();
    c_.keyer.setCurrentCall(ui.txtCall.text);
}

void EntryLine::entered(EntryField field) {
    MainWindowState& ui = c_.ui;
    const int navigation = c_.prefs.navigationMode;
    switch (field) {
    case EntryField::Call:
        ui.editButtonsVisible = false;
        if (ui.txtCall.text.empty()) {
            ui.txtRSTR.clear();
        }
        if (navigation != 0) {
            c_.voice.BlindKeyPhone("Call");
        }
        if (ui.txtCall.text.empty() && ui.recent.rows.size() < c_.log().size() &&
            ui.recent.rows.size() < 18) {
            c_.rebuildRecent();
        }
        break;
    case EntryField::Spc:
        if (navigation == 2) {
            c_.voice.BlindKeyPhone("SPC");
        }
        break;
    case EntryField::Category:
        if (navigation == 2) {
            c_.voice.BlindKeyPhone("Class");
        }
        break;
    case EntryField::Name:
        if (navigation == 2) {
            c_.voice.BlindKeyPhone("Name");
        }
        break;
    case EntryField::PostConTime:
        ui.txtPostConTime.selectAll();
        break;
    case EntryField::PostConDate:
        if (ui.txtPostConDate.text.empty()) {
            ui.txtPostConDate.setText(c_.clock.localNow().dateText());
        }
        ui.txtPostConDate.selectAll();
        break;
    }
}

void EntryLine::left(EntryField field) {
    if (field != EntryField::Call) {
        return;
    }
    MainWindowState& ui = c_.ui;
    for (const Greeting& g : kGreetings) {
        if (equalsIgnoreCase(ui.txtCall.text, g.call)) {
            c_.setStatus(g.text);
            ui.lblDialogBack = kGreetingCyan;
            c_.beeper.beep();
        }
    }
    if (!ui.txtCall.text.empty()) {
        dupes_.DupCheck();
    }
    if (ui.txtCntry.text.empty() && ui.txtCall.text.size() > 2) {
        if (const char* spc = canadianDefaultSpc(ui.txtCall.text)) {
            ui.txtCntry.text = spc;
            ui.txtCntry.selectAll();
            spcChanged();
        }
    }
    if (ui.txtRSTR.text.empty() && !c_.prefs.defaultCategory.empty() &&
        ui.txtCall.text.size() > 2) {
        ui.txtRSTR.text = c_.prefs.defaultCategory;
        ui.txtRSTR.selectAll();
    }
}

void EntryLine::cmdClear_Click() {
    c_.clearEntryFields();
    c_.setStatus("");
    c_.clearPartialList();
    c_.ui.lblDialogBack = kStatusTeal;
    c_.focusOn(EntryField::Call);
}

void EntryLine::multiplierClicked(std::size_t entry) {
    c_.ui.txtCntry.setText(std::string(c_.multipliers.entry(entry).abbreviation));
    spcChanged();
}

void EntryLine::multiplierHovered(std::size_t entry) {
    const Multiplier& m = c_.multipliers.entry(entry);
    std::size_t total = 0;
    for (const ContactRecord& r : c_.log().records()) {
        total += equalsIgnoreCase(r.spc, m.abbreviation) ? 1 : 0;
    }
    c_.ui.lblDupe = "  " + std::string(m.name) + "    Total = " + std::to_string(total);
    c_.ui.lblDupeSmall = true;
}

void EntryLine::backgroundHovered() {
    c_.clearPartialList();
}

} // namespace qv
