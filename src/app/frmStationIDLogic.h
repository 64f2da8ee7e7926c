#pragma once

// The logic of the station window frmStationID: what its nine text boxes show,
// where the focus is, and what keys, focus moves and the two buttons do to them.

#include "app/TextBoxes.h"
#include "core/StationProfile.h"
#include "geo/PrefixTable.h"
#include "platform/Beeper.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"

#include <array>
#include <string>

namespace qv {

enum class frmStationIDControl {
    Text1,    // ownCall
    Text2,    // ownCountry
    Text3,    // ownLongitude
    Text4,    // ownLatitude
    Text5,    // ownSpc
    Text6,    // utcOffsetHours
    Text7,    // ownContinent
    Text8,    // ownCategory
    Text9,    // ownName
    Command1, // "Done"
    Command2, // "Details"
};

inline constexpr const char* kStationWindowTitle = " Amateur Station I.D.";
inline constexpr const char* kCategoryHint = "(M, L, C, U, Y, O)";
inline constexpr const char* kCategoryOptionsTitle = "Category Options";

// The caption beside a text box, or a button's caption.
const char* captionOf(frmStationIDControl control);

// The fields in the order the profile lists them, which is also the tab order.
inline constexpr std::array<frmStationIDControl, 9> kStationFieldOrder = {
    frmStationIDControl::Text1, frmStationIDControl::Text5, frmStationIDControl::Text6,
    frmStationIDControl::Text2, frmStationIDControl::Text3, frmStationIDControl::Text4,
    frmStationIDControl::Text7, frmStationIDControl::Text8, frmStationIDControl::Text9,
};

// The six category explanations, separated by an empty line.
std::string categoryOptionsText();

// The nine text boxes by their controls, Text1 to Text9.
struct frmStationIDState : TextBoxes<frmStationIDControl, 9> {
    frmStationIDControl focus = frmStationIDControl::Text1;
    bool hidden = false; // "Done" hid the window: the fields are the result
};

class frmStationIDLogic {
public:
    using Control = frmStationIDControl;
    using State = frmStationIDState;

    frmStationIDLogic(const PrefixTable& prefixes, Dialogs& dialogs, Beeper& beeper)
        : prefixes_(prefixes), dialogs_(dialogs), beeper_(beeper) {}

    // Fills every box from the profile (numbers in their shortest form); an empty
    // call box takes the stored "UserCallSign".
    void open(const StationProfile& profile, SettingsStore& settings);

    const frmStationIDState& state() const { return state_; }
    // The window binds its boxes to these fields.
    frmStationIDState& state() { return state_; }

    // A key typed into a text box (a Windows-1252 code, Enter or Backspace).
    void keyPressed(frmStationIDControl field, int key);
    // The box was edited natively (paste, Delete): drops what may not be stored.
    void edited(frmStationIDControl field);
    // The focus goes to another control; the UTC box keeps it, with a beep, while
    // its text is not a number.
    void moveFocus(frmStationIDControl to);

    void pressDone();    // Command1
    void pressDetails(); // Command2

    // What "Done" leaves in the profile.
    void copyInto(StationProfile& profile) const;

private:
    void completeCountry(int key);

    const PrefixTable& prefixes_;
    Dialogs& dialogs_;
    Beeper& beeper_;
    frmStationIDState state_;
};

// The stored "UserCallSign", reduced to what a field may hold.
std::string storedCallSign(SettingsStore& settings);

// The close box instead of "Done": the profile stays as it was, except that an
// empty call takes the stored "UserCallSign", as on opening.
void keepProfileOnClose(StationProfile& profile, SettingsStore& settings);

} // namespace qv
