#include "core/StationWindow.h"

#include "base/Cp1252.h"
#include "base/Numbers.h"
#include "geo/CountryLookup.h"

#include <utility>

namespace qv {
namespace {

// Windows-1252: 0x96 is the en dash, 0x92 the typographic apostrophe.
constexpr std::array<const char*, 6> kCategoryOptions = {
    "M \x96 Multiple operators (licensed or unlicensed kids) operating with a control operator "
    "within the limits of the control operator\x92s license and using the control operator's call "
    "sign.",
    "L \x96 Single operator (Licensed kid) - operating within limits of his/her license and using "
    "his/her own call sign.",
    "C \x96 Single operator (Licensed kid) - operating with a control operator within the limits "
    "of the control operator\x92s license and using the control operator's call sign.",
    "U \x96 Single op (Unlicensed kid) - operating with a control op within limits of his/her "
    "license and using the control operator's call sign.",
    "Y \x96 Single operator - A licensed YL adult operator 18 years old or older at the start of "
    "the contest.",
    "O \x96 Single operator - A licensed OM adult operator 18 years old or older at the start of "
    "the contest.",
};

constexpr const char* kUserCallSign = "UserCallSign";

void fill(TextField& field, std::string text) {
    field.setText(std::move(text));
    sanitize(field);
}

char capital(int key) {
    return key >= 'a' && key <= 'z' ? static_cast<char>(key - 'a' + 'A') : static_cast<char>(key);
}

bool entersDone(StationControl field) {
    switch (field) {
    case StationControl::Text1:
    case StationControl::Text5:
    case StationControl::Text6:
    case StationControl::Text7:
    case StationControl::Text8:
    case StationControl::Text9:
        return true;
    default:
        return false;
    }
}

float numberOf(const TextField& field) {
    return static_cast<float>(leadingNumber(field.text));
}

} // namespace

const char* captionOf(StationControl control) {
    switch (control) {
    case StationControl::Text1:
        return "Please Enter your Call Sign:";
    case StationControl::Text2:
        return "Your Country:";
    case StationControl::Text3:
        return "Your Longitude:";
    case StationControl::Text4:
        return "Your Latitude:";
    case StationControl::Text5:
        return "State / Province / Country:";
    case StationControl::Text6:
        return "Hours added for UTC:";
    case StationControl::Text7:
        return "Your Continent:";
    case StationControl::Text8:
        return "Your Category:";
    case StationControl::Text9:
        return "Your Name:";
    case StationControl::Command1:
        return "Done";
    case StationControl::Command2:
        return "Details";
    }
    return "";
}

std::string categoryOptionsText() {
    std::string text;
    for (const char* option : kCategoryOptions) {
        if (!text.empty()) {
            text += "\r\n\r\n";
        }
        text += option;
    }
    return text;
}

TextField* StationWindowState::box(StationControl control) {
    return const_cast<TextField*>(std::as_const(*this).box(control));
}

const TextField* StationWindowState::box(StationControl control) const {
    switch (control) {
    case StationControl::Text1:
        return &Text1;
    case StationControl::Text2:
        return &Text2;
    case StationControl::Text3:
        return &Text3;
    case StationControl::Text4:
        return &Text4;
    case StationControl::Text5:
        return &Text5;
    case StationControl::Text6:
        return &Text6;
    case StationControl::Text7:
        return &Text7;
    case StationControl::Text8:
        return &Text8;
    case StationControl::Text9:
        return &Text9;
    case StationControl::Command1:
    case StationControl::Command2:
        break;
    }
    return nullptr;
}

void StationWindow::open(const StationProfile& profile, SettingsStore& settings) {
    state_ = StationWindowState{};
    fill(state_.Text1, profile.ownCall);
    fill(state_.Text2, profile.ownCountry);
    fill(state_.Text3, formatShortest(profile.ownLongitude));
    fill(state_.Text4, formatShortest(profile.ownLatitude));
    fill(state_.Text5, profile.ownSpc);
    fill(state_.Text6, formatShortest(profile.utcOffsetHours));
    fill(state_.Text7, profile.ownContinent);
    fill(state_.Text8, profile.ownCategory);
    fill(state_.Text9, profile.ownName);
    if (state_.Text1.text.empty()) {
        fill(state_.Text1, storedCallSign(settings));
    }
}

void StationWindow::keyPressed(StationControl field, int key) {
    TextField* box = state_.box(field);
    if (!box) {
        return;
    }
    if (key == keys::kEnter && entersDone(field)) {
        pressDone();
        return;
    }
    switch (field) {
    case StationControl::Text1:
    case StationControl::Text5:
    case StationControl::Text7:
    case StationControl::Text8:
        typeKey(*box, static_cast<unsigned char>(capital(key)));
        break;
    case StationControl::Text9:
        if (box->caret() == 0) {
            key = static_cast<unsigned char>(toUpper(static_cast<char>(key)));
        }
        typeKey(*box, key);
        break;
    case StationControl::Text6:
        if (key == keys::kBackspace || (key >= '-' && key <= '9')) {
            typeKey(*box, key);
        }
        break;
    case StationControl::Text2:
        completeCountry(key);
        break;
    default:
        typeKey(*box, key);
        break;
    }
}

// Completes the country from the prefix table's names, searching from the last
// entry; the three location boxes follow the completed entry.
void StationWindow::completeCountry(int key) {
    TextField& box = state_.Text2;
    box.select(box.selStart, box.selLength);
    if (box.caret() == 0) {
        key = static_cast<unsigned char>(toUpper(static_cast<char>(key)));
    }
    if (key >= keys::kSpace && key <= 255) {
        const std::string typed = box.text.substr(0, box.caret()) + static_cast<char>(key);
        if (const auto k = qv::completeCountry(prefixes_, typed, false)) {
            const PrefixEntry& entry = prefixes_.entry(*k);
            box.text = entry.country;
            box.select(typed.size(), entry.country.size() - typed.size());
            fill(state_.Text3, formatShortest(entry.longitude));
            fill(state_.Text4, formatShortest(entry.latitude));
            fill(state_.Text7, entry.continent);
            return;
        }
    }
    typeKey(box, key);
}

void StationWindow::edited(StationControl field) {
    if (TextField* box = state_.box(field)) {
        sanitize(*box);
    }
}

namespace {

// Numeric, and within what the field can mean.
bool usableNumber(const TextField& box, double limit) {
    return isNumeric(box.text) && withinLimit(leadingNumber(box.text), limit);
}

} // namespace

void StationWindow::moveFocus(StationControl to) {
    if (state_.focus == StationControl::Text6 && to != StationControl::Text6 &&
        !usableNumber(state_.Text6, kUtcOffsetLimit)) {
        beeper_.beep();
        return;
    }
    state_.focus = to;
}

void StationWindow::pressDone() {
    const std::pair<TextField*, double> numbers[] = {{&state_.Text6, kUtcOffsetLimit},
                                                     {&state_.Text3, kLongitudeLimit},
                                                     {&state_.Text4, kLatitudeLimit}};
    for (const auto& [number, limit] : numbers) {
        if (!usableNumber(*number, limit)) {
            number->setText("0");
        }
    }
    state_.hidden = true;
}

void StationWindow::pressDetails() {
    dialogs_.messageBox(kCategoryOptionsTitle, categoryOptionsText(), MessageButtons::Ok,
                        MessageIcon::None);
    moveFocus(StationControl::Text8);
}

void StationWindow::copyInto(StationProfile& profile) const {
    profile.ownCall = std::string(trimBlanks(state_.Text1.text));
    profile.ownCountry = state_.Text2.text;
    profile.ownLongitude = numberOf(state_.Text3);
    profile.ownLatitude = numberOf(state_.Text4);
    profile.ownSpc = state_.Text5.text;
    profile.utcOffsetHours = numberOf(state_.Text6);
    profile.ownContinent = state_.Text7.text;
    profile.ownCategory = state_.Text8.text;
    profile.ownName = state_.Text9.text;
}

std::string storedCallSign(SettingsStore& settings) {
    TextField call;
    call.text = settings.get(kSettingsApplication, kSettingsSection, kUserCallSign, "");
    sanitize(call);
    return call.text;
}

void keepProfileOnClose(StationProfile& profile, SettingsStore& settings) {
    if (profile.ownCall.empty()) {
        profile.ownCall = storedCallSign(settings);
    }
}

} // namespace qv
