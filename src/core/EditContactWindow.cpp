#include "core/EditContactWindow.h"

#include "base/Cp1252.h"
#include "base/Numbers.h"
#include "core/PostContest.h"
#include "geo/CountryLookup.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace qv {
namespace {

using C = EditControl;

constexpr std::array<std::string_view, 6> kCategories = {"M", "L", "C", "U", "Y", "O"};
constexpr std::array<std::string_view, 9> kBands = {"160", "80", "40", "20", "15",
                                                    "10",  "6",  "2",  "70"};
constexpr std::array<double, 4> kPoints = {1, 2, 10, 25};

constexpr const char* kInvalidCategory = "Invalid Category!";
constexpr const char* kDateTitle = "Invalid Date Format!";
constexpr const char* kDateText = "You have entered an invalid date format!";
constexpr const char* kTimeTitle = "Invalid Time Format!";
constexpr const char* kTimeText = "You have entered an invalid time format!";
constexpr const char* kAreYouSure = "Are you sure?";

template <std::size_t N>
bool isOneOf(const std::array<std::string_view, N>& texts, std::string_view text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

int capital(int key) {
    return key >= 'a' && key <= 'z' ? key - 'a' + 'A' : key;
}

int upper(int key) {
    return key >= keys::kSpace && key <= 255
               ? static_cast<unsigned char>(toUpper(static_cast<char>(key)))
               : key;
}

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

const char* captionOf(EditControl control) {
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

const char* nameOf(EditControl control) {
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

TextField* EditContactState::box(EditControl control) {
    return const_cast<TextField*>(std::as_const(*this).box(control));
}

const TextField* EditContactState::box(EditControl control) const {
    switch (control) {
    case C::txtEditCall:
        return &txtEditCall;
    case C::txtEditPre:
        return &txtEditPre;
    case C::txtEditCk:
        return &txtEditCk;
    case C::txtEditSec:
        return &txtEditSec;
    case C::txtEditDate:
        return &txtEditDate;
    case C::txtEditTime:
        return &txtEditTime;
    case C::Text1:
        return &Text1;
    case C::Text2:
        return &Text2;
    case C::txtEditNum:
        return &txtEditNum;
    case C::txtEditBnd:
        return &txtEditBnd;
    case C::cmdDone:
    case C::cmdDeleteDupe:
        break;
    }
    return nullptr;
}

bool EditContactWindow::open(std::size_t k) {
    state_ = EditContactState{};
    outcome_ = EditOutcome{};
    k_ = 0;
    if (k < 1 || k > log_.size()) {
        return false;
    }
    k_ = k;
    const ContactRecord& r = log_.record(k);
    outcome_.record = r;
    state_.Text2.maxLength = 2;
    fill(state_.txtEditCall, r.call);
    fill(state_.txtEditPre, r.spc);
    fill(state_.txtEditCk, r.category);
    fill(state_.txtEditSec, r.name);
    fill(state_.txtEditDate, r.date);
    fill(state_.txtEditTime, r.time);
    fill(state_.Text1, r.band);
    fill(state_.Text2, formatShortest(r.points));
    fill(state_.txtEditNum, r.nameSent);
    fill(state_.txtEditBnd, r.mode);
    return true;
}

void EditContactWindow::keyPressed(EditControl field, int key) {
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
        typeKey(*box, box->caret() == 0 ? upper(key) : key);
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
void EditContactWindow::completeSpc(int key) {
    TextField& box = state_.txtEditPre;
    if (key < keys::kSpace || key > 255) {
        typeKey(box, key); // Backspace edits as usual rather than emptying the box
        return;
    }
    if (box.caret() == 0) {
        box.clear();
        key = upper(key);
    }
    const std::string typed = box.text.substr(0, box.caret()) + static_cast<char>(key);
    if (const auto k = completeCountry(prefixes_, typed, false)) {
        const std::string& country = prefixes_.entry(*k).country;
        box.text = country;
        box.select(typed.size(), country.size() - typed.size());
        return;
    }
    typeKey(box, key);
}

void EditContactWindow::edited(EditControl field) {
    if (TextField* box = state_.box(field)) {
        sanitize(*box);
    }
}

void EditContactWindow::moveFocus(EditControl to) {
    if (to == state_.focus || to == C::txtEditBnd || state_.closed) {
        return;
    }
    if (leave(state_.focus)) {
        state_.focus = to;
    }
}

// The checks made when a box loses the focus; false keeps the focus in it.
bool EditContactWindow::leave(EditControl field) {
    switch (field) {
    case C::txtEditCk:
        return categoryAccepted();
    case C::txtEditDate:
        if (!logDate(state_.txtEditDate.text)) {
            beeper_.beep();
            dialogs_.messageBox(kDateTitle, kDateText);
            return false;
        }
        return true;
    case C::txtEditTime:
        if (!logTime(state_.txtEditTime.text)) {
            beeper_.beep();
            dialogs_.messageBox(kTimeTitle, kTimeText);
            return false;
        }
        return true;
    case C::Text1:
        state_.bandInvalidShown = !isOneOf(kBands, state_.Text1.text);
        if (state_.bandInvalidShown) {
            beeper_.beep();
            return false;
        }
        return true;
    case C::Text2:
        if (!isNumeric(state_.Text2.text)) {
            state_.Text2.setText("0");
        }
        return true;
    case C::txtEditPre:
        if (state_.txtEditPre.text.size() < 3) {
            state_.txtEditPre.text = toUpper(state_.txtEditPre.text);
        }
        return true;
    default:
        return true;
    }
}

bool EditContactWindow::categoryAccepted() {
    if (isOneOf(kCategories, state_.txtEditCk.text)) {
        return true;
    }
    dialogs_.messageBox(kInvalidCategory, kInvalidCategory);
    return false;
}

void EditContactWindow::pressDone() {
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
    TextField& points = state_.Text2;
    if (!isNumeric(points.text) ||
        std::find(kPoints.begin(), kPoints.end(), leadingNumber(points.text)) == kPoints.end()) {
        points.setText("1");
    }
    if (!logTime(state_.txtEditTime.text)) {
        beeper_.beep();
        dialogs_.messageBox(kTimeTitle, kTimeText);
        state_.focus = C::txtEditTime;
        return;
    }
    if (!logDate(state_.txtEditDate.text)) {
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
std::size_t EditContactWindow::countDuplicates() {
    std::size_t found = 0;
    for (std::size_t j = 1; j <= log_.size(); ++j) {
        const ContactRecord& r = log_.record(j);
        if (j != k_ && r.band == state_.Text1.text && r.call == state_.txtEditCall.text) {
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
bool EditContactWindow::sectionAccepted() {
    const std::string& spc = state_.txtEditPre.text;
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

ContactRecord EditContactWindow::editedRecord() const {
    ContactRecord r = log_.record(k_); // keeps the frequency
    r.call = state_.txtEditCall.text;
    r.category = state_.txtEditCk.text;
    r.name = state_.txtEditSec.text;
    r.nameSent = state_.txtEditNum.text;
    r.spc = state_.txtEditPre.text;
    r.date = logDate(state_.txtEditDate.text).value_or(state_.txtEditDate.text);
    r.time = logTime(state_.txtEditTime.text).value_or(state_.txtEditTime.text);
    r.mode = state_.txtEditBnd.text;
    r.band = state_.Text1.text;
    r.points = leadingNumber(state_.Text2.text);
    return r;
}

void EditContactWindow::pressDeleteDupe() {
    if (state_.closed || k_ == 0) {
        return;
    }
    if (dialogs_.askYesNo(kAreYouSure, kAreYouSure)) {
        outcome_ = {EditOutcome::Kind::Delete, log_.record(k_)};
        state_.closed = true;
    }
}

} // namespace qv
