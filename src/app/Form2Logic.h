#pragma once

// The summary-sheet window Form2 ("Summary Sheet Information"): the entrant's
// postal details, remembered in the settings store, and the button that writes
// the Cabrillo entry.

#include "app/TextBoxes.h"
#include "base/Status.h"
#include "core/ContestLog.h"
#include "core/OperatingState.h"
#include "core/StationProfile.h"
#include "platform/Beeper.h"
#include "platform/Dialogs.h"
#include "platform/FileStore.h"
#include "platform/SettingsStore.h"

#include <string>

namespace qv {

// The six text boxes first, then the soapbox and the two buttons.
enum class Form2Control { Text5, Text6, Text7, Text8, Text1, Text2, Text11, Command4, Command3 };

struct Form2State : TextBoxes<Form2Control, 6> {
    // Text5 "Your Name:" (UserAddressName), Text6 "Address Line 1:" (UserAddressLine1),
    // Text7 "Address Line 2:" (UserAddressLine2), Text8 "Email Address:" (UserEMail),
    // Text1 "Club Name:" (UserClubName), Text2 "Calls or names of all opertors:" (the
    // own call on load).
    std::string Text11; // the soapbox; lines end with CR LF
    Form2Control focus = Form2Control::Text5;
    bool visible = false;
};

// What the window reads and writes besides its fields.
struct Form2Context {
    const ContestLog& log;
    const OperatingState& totals;
    const StationProfile& profile;
    SettingsStore& settings;
    Dialogs& dialogs;
    Beeper& beeper;
    FileStore& files;         // the working directory
    std::string programTitle; // the main window's title, for CREATED-BY
};

// The settings key of a remembered field; empty text for Text2.
const char* settingsKeyOf(Form2Control f);

class Form2Logic {
public:
    using Control = Form2Control;
    using State = Form2State;

    explicit Form2Logic(Form2Context context) : c_(std::move(context)) {}

    const Form2State& state() const { return s_; }
    Form2State& state() { return s_; }

    // Every time the window is shown: the remembered fields from the settings store,
    // the own call in Text2, an empty soapbox.
    void load();

    // A typed key: a double quote is discarded, letters typed into Text2 become
    // capitals.
    void keyPressed(Form2Control f, int key);
    // After an edit the box made itself (a paste): what the files cannot hold goes.
    void edited(Form2Control f);
    void moveFocus(Form2Control to) { s_.focus = to; }
    // The soapbox's new text, without double quotes; its line breaks become CR LF.
    void Text11Change(std::string_view text);

    // "Write Cabrillo File". On success: the two boxes with a beep before each, the
    // focus on "Done", and the five fields stored trimmed. A failed write is quiet
    // and stores nothing; its status is returned.
    Status Command4Click();

    // "Done": hides the window.
    void Command3Click() { s_.visible = false; }

private:
    Form2Context c_;
    Form2State s_;
};

} // namespace qv
