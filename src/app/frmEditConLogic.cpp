#include "app/frmEditConLogic.h"

#include "app/CountryCompletion.h"
#include "base/Band.h"
#include "base/Cp1252.h"
#include "base/Numbers.h"
#include "core/Categories.h"
#include "core/PostContest.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace qv {
namespace {

using C = frmEditConControl;

constexpr std::array<double, 4> kPoints = {1, 2, 10, 25};

constexpr const char* kInvalidCategory = "Invalid Category!";
constexpr const char* kDateTitle = "Invalid Date Format!";
constexpr const char* kDateText = "You have entered an invalid date format!";
constexpr const char* kTimeTitle = "Invalid Time Format!";
constexpr const char* kTimeText = "You have entered an invalid time format!";
constexpr const char* kAreYouSure = "Are you sure?";

bool isDigit(int key) {
    return key >= '0' && key <= '9';
}

// The log keeps dates as "yyyy/mm/dd" whatever order the operator typed.
std::optional<std::string> logDate(std::string_view typed) {
    const auto date = parseTypedDate(typed);
    if (!date) {
        return std::nullopt;
    }
    return date->dateText();
}

// Two-digit fields; seconds only when they were typed, since post-contest
// contacts carry "hh:mm".
std::optional<std::string> logTime(std::string_view typed) {
    const auto seconds = parseTypedTime(typed);
    if (!seconds) {
        return std::nullopt;
    }
    const int h = *seconds / 3600;
    const int m = *seconds / 60 % 60;
    const int s = *seconds % 60;
    char text[16];
    if (std::count(typed.begin(), typed.end(), ':') == 2) {
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", h, m, s);
    } else {
        std::snprintf(text, sizeof text, "%02d:%02d", h, m);
    }
    return std::string(text);
}

void fill(TextField& field, std::string text) {
    field.setText(std::move(text));
    sanitize(field);
}

} // namespace

const char* captionOf(frmEditConControl control) {
    switch (control) {
    case C::txtEditCall:
        return "Callsign";
    case C::txtEditPre:
        return "SPC";
    case C::txtEditCk:
        return "Category";
    case C::txtEditSec:
        return "Name";
    case C::txtEditDate:
        return "Date";
    case C::txtEditTime:
        return "Time";
    case C::Text1:
        return "Band";
    case C::Text2:
        return "Points";
    case C::txtEditNum:
        return "Name S";
    case C::txtEditBnd:
        return "Mode";
    case C::cmdDone:
        return "Done";
    case C::cmdDeleteDupe:
        return "Delete Dupe";
    }
    return "";
}

const char* nameOf(frmEditConControl control) {
    switch (control) {
    case C::txtEditCall:
        return "txtEditCall";
    case C::txtEditPre:
        return "txtEditPre";
    case C::txtEditCk:
        return "txtEditCk";
    case C::txtEditSec:
        return "txtEditSec";
    case C::txtEditDate:
        return "txtEditDate";
    case C::txtEditTime:
        return "txtEditTime";
    case C::Text1:
        return "Text1";
    case C::Text2:
        return "Text2";
    case C::txtEditNum:
        return "txtEditNum";
    case C::txtEditBnd:
        return "txtEditBnd";
    case C::cmdDone:
        return "cmdDone";
    case C::cmdDeleteDupe:
        return "cmdDeleteDupe";
    }
    return "";
}

bool frmEditConLogic::open(std::size_t k) {
    state_ = frmEditConState{};
    outcome_ = EditOutcome{};
    k_ = 0;
    if (k < 1 || k > log_.size()) {
        return false;
    }
    k_ = k;
    const ContactRecord& r = log_.record(k);
    outcome_.record = r;
    state_[C::Text2].maxLength = 2;
    fill(state_[C::txtEditCall], r.call);
    fill(state_[C::txtEditPre], r.spc);
    fill(state_[C::txtEditCk], r.category);
    fill(state_[C::txtEditSec], r.name);
    fill(state_[C::txtEditDate], r.date);
    fill(state_[C::txtEditTime], r.time);
    fill(state_[C::Text1], r.band);
    fill(state_[C::Text2], formatShortest(r.points));
    fill(state_[C::txtEditNum], r.nameSent);
    fill(state_[C::txtEditBnd], r.mode);
    return true;
}

void frmEditConLogic::keyPressed(frmEditConControl field, int key) {
    TextField* box = state_.box(field);
    if (!box || field == C::txtEditBnd || state_.closed || key == keys::kQuote) {
        return;
    }
    if (key == keys::kEnter) {
        pressDone();
        return;
    }
    box->select(box->selStart, box->selLength);
    switch (field) {
    case C::txtEditCall:
    case C::txtEditCk:
    case C::Text1:
    case C::Text2:
        typeKey(*box, capital(key));
        break;
    case C::txtEditSec:
    case C::txtEditNum:
        typeKey(*box, box->caret() == 0 ? upperKey(key) : key);
        break;
    case C::txtEditDate:
        if (key == keys::kBackspace || key == '/' || isDigit(key)) {
            typeKey(*box, key);
        }
        break;
    case C::txtEditTime:
        if (key == keys::kBackspace || key == ':' || isDigit(key)) {
            typeKey(*box, key);
        }
        break;
    case C::txtEditPre:
        completeSpc(key);
        break;
    default:
        break;
    }
}

// A key at the start replaces the whole SPC; then the country names of the
// prefix table complete it, searching from the last entry.
void frmEditConLogic::completeSpc(int key) {
    TextField& box = state_[C::txtEditPre];
    if (key < keys::kSpace || key > 255) {
        typeKey(box, key); // Backspace edits as usual rather than emptying the box
        return;
    }
    if (box.caret() == 0) {
        box.clear();
        key = upperKey(key);
    }
    if (!completeCountryInBox(box, key, prefixes_, false)) {
        typeKey(box, key);
    }
}

void frmEditConLogic::edited(frmEditConControl field) {
    if (TextField* box = state_.box(field)) {
        sanitize(*box);
    }
}

void frmEditConLogic::moveFocus(frmEditConControl to) {
    if (to == state_.focus || to == C::txtEditBnd || state_.closed) {
        return;
    }
    if (leave(state_.focus)) {
        state_.focus = to;
    }
}

// The checks made when a box loses the focus; false keeps the focus in it.
bool frmEditConLogic::leave(frmEditConControl field) {
    switch (field) {
    case C::txtEditCk:
        return categoryAccepted();
    case C::txtEditDate:
        if (!logDate(state_[C::txtEditDate].text)) {
            beeper_.beep();
            dialogs_.messageBox(kDateTitle, kDateText);
            return false;
        }
        return true;
    case C::txtEditTime:
        if (!logTime(state_[C::txtEditTime].text)) {
            beeper_.beep();
            dialogs_.messageBox(kTimeTitle, kTimeText);
            return false;
        }
        return true;
    case C::Text1:
        state_.bandInvalidShown = findBand(state_[C::Text1].text) == nullptr;
        if (state_.bandInvalidShown) {
            beeper_.beep();
            return false;
        }
        return true;
    case C::Text2:
        if (!isNumeric(state_[C::Text2].text)) {
            state_[C::Text2].setText("0");
        }
        return true;
    case C::txtEditPre:
        if (state_[C::txtEditPre].text.size() < 3) {
            state_[C::txtEditPre].text = toUpper(state_[C::txtEditPre].text);
        }
        return true;
    default:
        return true;
    }
}

bool frmEditConLogic::categoryAccepted() {
    if (isCategory(state_[C::txtEditCk].text, false)) {
        return true;
    }
    dialogs_.messageBox(kInvalidCategory, kInvalidCategory);
    return false;
}

void frmEditConLogic::pressDone() {
    if (state_.closed || k_ == 0) {
        return;
    }
    // Enter and a click leave the box in use: its own checks come first, so that a
    // band or SPC typed last is checked like any other.
    if (!leave(state_.focus)) {
        return;
    }
    if (!categoryAccepted()) {
        state_.focus = C::txtEditCk;
        return;
    }
    TextField& points = state_[C::Text2];
    if (!isNumeric(points.text) ||
        std::find(kPoints.begin(), kPoints.end(), leadingNumber(points.text)) == kPoints.end()) {
        points.setText("1");
    }
    if (!logTime(state_[C::txtEditTime].text)) {
        beeper_.beep();
        dialogs_.messageBox(kTimeTitle, kTimeText);
        state_.focus = C::txtEditTime;
        return;
    }
    if (!logDate(state_[C::txtEditDate].text)) {
        beeper_.beep();
        dialogs_.messageBox(kDateTitle, kDateText);
        state_.focus = C::txtEditDate;
        return;
    }
    const std::size_t duplicates = countDuplicates();
    const bool section = sectionAccepted();
    if (duplicates == 0 && section) {
        outcome_ = {EditOutcome::Kind::Saved, editedRecord()};
        state_.closed = true;
    }
}

// Every other record on the same band with the same call, compared exactly.
std::size_t frmEditConLogic::countDuplicates() {
    std::size_t found = 0;
    for (std::size_t j = 1; j <= log_.size(); ++j) {
        const ContactRecord& r = log_.record(j);
        if (j != k_ && r.band == state_[C::Text1].text && r.call == state_[C::txtEditCall].text) {
            ++found;
            state_.dupeShown = true;
            state_.deleteDupeShown = true;
            beeper_.beep();
        }
    }
    if (found == 0) {
        state_.dupeShown = false;
    }
    return found;
}

// A two-character SPC must be one of the abbreviations exactly; other lengths are
// country names and pass.
bool frmEditConLogic::sectionAccepted() {
    const std::string& spc = state_[C::txtEditPre].text;
    bool known = spc.size() != 2;
    for (std::size_t j = 1; j <= multipliers_.size() && !known; ++j) {
        known = multipliers_.entry(j).abbreviation == spc;
    }
    state_.spcInvalidShown = !known;
    if (!known) {
        beeper_.beep();
    }
    return known;
}

ContactRecord frmEditConLogic::editedRecord() const {
    ContactRecord r = log_.record(k_); // keeps the frequency
    r.call = state_[C::txtEditCall].text;
    r.category = state_[C::txtEditCk].text;
    r.name = state_[C::txtEditSec].text;
    r.nameSent = state_[C::txtEditNum].text;
    r.spc = state_[C::txtEditPre].text;
    r.date = logDate(state_[C::txtEditDate].text).value_or(state_[C::txtEditDate].text);
    r.time = logTime(state_[C::txtEditTime].text).value_or(state_[C::txtEditTime].text);
    r.mode = state_[C::txtEditBnd].text;
    r.band = state_[C::Text1].text;
    r.points = leadingNumber(state_[C::Text2].text);
    return r;
}

void frmEditConLogic::pressDeleteDupe() {
    if (state_.closed || k_ == 0) {
        return;
    }
    if (dialogs_.askYesNo(kAreYouSure, kAreYouSure, MessageButtons::YesNoDefaultNo)) {
        outcome_ = {EditOutcome::Kind::Delete, log_.record(k_)};
        state_.closed = true;
    }
}

} // namespace qv
