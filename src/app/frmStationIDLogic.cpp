#include "app/frmStationIDLogic.h"

#include "app/CountryCompletion.h"
#include "base/Cp1252.h"
#include "base/Numbers.h"

#include <utility>

namespace qv {
namespace {

using C = frmStationIDControl;

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

bool entersDone(frmStationIDControl field) {
    switch (field) {
    case frmStationIDControl::Text1:
    case frmStationIDControl::Text5:
    case frmStationIDControl::Text6:
    case frmStationIDControl::Text7:
    case frmStationIDControl::Text8:
    case frmStationIDControl::Text9:
        return true;
    default:
        return false;
    }
}

float numberOf(const TextField& field) {
    return static_cast<float>(leadingNumber(field.text));
}

} // namespace

const char* captionOf(frmStationIDControl control) {
    switch (control) {
    case frmStationIDControl::Text1:
        return "Please Enter your Call Sign:";
    case frmStationIDControl::Text2:
        return "Your Country:";
    case frmStationIDControl::Text3:
        return "Your Longitude:";
    case frmStationIDControl::Text4:
        return "Your Latitude:";
    case frmStationIDControl::Text5:
        return "State / Province / Country:";
    case frmStationIDControl::Text6:
        return "Hours added for UTC:";
    case frmStationIDControl::Text7:
        return "Your Continent:";
    case frmStationIDControl::Text8:
        return "Your Category:";
    case frmStationIDControl::Text9:
        return "Your Name:";
    case frmStationIDControl::Command1:
        return "Done";
    case frmStationIDControl::Command2:
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

void frmStationIDLogic::open(const StationProfile& profile, SettingsStore& settings) {
    state_ = frmStationIDState{};
    fill(state_[C::Text1], profile.ownCall);
    fill(state_[C::Text2], profile.ownCountry);
    fill(state_[C::Text3], formatShortest(profile.ownLongitude));
    fill(state_[C::Text4], formatShortest(profile.ownLatitude));
    fill(state_[C::Text5], profile.ownSpc);
    fill(state_[C::Text6], formatShortest(profile.utcOffsetHours));
    fill(state_[C::Text7], profile.ownContinent);
    fill(state_[C::Text8], profile.ownCategory);
    fill(state_[C::Text9], profile.ownName);
    if (state_[C::Text1].text.empty()) {
        fill(state_[C::Text1], storedCallSign(settings));
    }
}

void frmStationIDLogic::keyPressed(frmStationIDControl field, int key) {
    TextField* box = state_.box(field);
    if (!box) {
        return;
    }
    if (key == keys::kEnter && entersDone(field)) {
        pressDone();
        return;
    }
    switch (field) {
    case frmStationIDControl::Text1:
    case frmStationIDControl::Text5:
    case frmStationIDControl::Text7:
    case frmStationIDControl::Text8:
        typeKey(*box, capital(key));
        break;
    case frmStationIDControl::Text9:
        if (box->caret() == 0) {
            key = upperKey(key);
        }
        typeKey(*box, key);
        break;
    case frmStationIDControl::Text6:
        if (key == keys::kBackspace || (key >= '-' && key <= '9')) {
            typeKey(*box, key);
        }
        break;
    case frmStationIDControl::Text2:
        completeCountry(key);
        break;
    default:
        typeKey(*box, key);
        break;
    }
}

// Completes the country from the prefix table's names, searching from the last
// entry; the three location boxes follow the completed entry.
void frmStationIDLogic::completeCountry(int key) {
    TextField& box = state_[C::Text2];
    box.select(box.selStart, box.selLength);
    if (box.caret() == 0) {
        key = upperKey(key);
    }
    if (const auto k = completeCountryInBox(box, key, prefixes_, false)) {
        const PrefixEntry& entry = prefixes_.entry(*k);
        fill(state_[C::Text3], formatShortest(entry.longitude));
        fill(state_[C::Text4], formatShortest(entry.latitude));
        fill(state_[C::Text7], entry.continent);
        return;
    }
    typeKey(box, key);
}

void frmStationIDLogic::edited(frmStationIDControl field) {
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

void frmStationIDLogic::moveFocus(frmStationIDControl to) {
    if (state_.focus == frmStationIDControl::Text6 && to != frmStationIDControl::Text6 &&
        !usableNumber(state_[C::Text6], kUtcOffsetLimit)) {
        beeper_.beep();
        return;
    }
    state_.focus = to;
}

void frmStationIDLogic::pressDone() {
    const std::pair<TextField*, double> numbers[] = {{&state_[C::Text6], kUtcOffsetLimit},
                                                     {&state_[C::Text3], kLongitudeLimit},
                                                     {&state_[C::Text4], kLatitudeLimit}};
    for (const auto& [number, limit] : numbers) {
        if (!usableNumber(*number, limit)) {
            number->setText("0");
        }
    }
    state_.hidden = true;
}

void frmStationIDLogic::pressDetails() {
    dialogs_.messageBox(kCategoryOptionsTitle, categoryOptionsText(), MessageButtons::Ok,
                        MessageIcon::None);
    moveFocus(frmStationIDControl::Text8);
}

void frmStationIDLogic::copyInto(StationProfile& profile) const {
    profile.ownCall = std::string(trimBlanks(state_[C::Text1].text));
    profile.ownCountry = state_[C::Text2].text;
    profile.ownLongitude = numberOf(state_[C::Text3]);
    profile.ownLatitude = numberOf(state_[C::Text4]);
    profile.ownSpc = state_[C::Text5].text;
    profile.utcOffsetHours = numberOf(state_[C::Text6]);
    profile.ownContinent = state_[C::Text7].text;
    profile.ownCategory = state_[C::Text8].text;
    profile.ownName = state_[C::Text9].text;
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
