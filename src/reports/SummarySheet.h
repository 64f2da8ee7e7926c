#pragma once

// The summary-sheet window Form2 ("Summary Sheet Information"): the entrant's
// postal details, remembered in the settings store, and the button that writes
// the Cabrillo entry.

#include "base/Status.h"
#include "core/ContestLog.h"
#include "core/OperatingState.h"
#include "core/StationProfile.h"
#include "core/TextField.h"
#include "platform/Beeper.h"
#include "platform/Dialogs.h"
#include "platform/FileStore.h"
#include "platform/SettingsStore.h"

#include <string>

namespace qv {

enum class Form2Field { Text5, Text6, Text7, Text8, Text1, Text2 };
enum class Form2Focus { Text5, Text6, Text7, Text8, Text1, Text2, Text11, Command4, Command3 };

struct Form2State {
    TextField Text5;    // "Your Name:", UserAddressName
    TextField Text6;    // "Address Line 1:", UserAddressLine1
    TextField Text7;    // "Address Line 2:", UserAddressLine2
    TextField Text8;    // "Email Address:", UserEMail
    TextField Text1;    // "Club Name:", UserClubName
    TextField Text2;    // "Calls or names of all opertors:", the own call on load
    std::string Text11; // the soapbox; lines end with CR LF
    Form2Focus focus = Form2Focus::Text5;
    bool visible = false;

    TextField& field(Form2Field f);
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

// The settings keys of the five remembered fields.
const char* settingsKeyOf(Form2Field f);

// Every time the window is shown: the remembered fields from the settings store,
// the own call in Text2, an empty soapbox.
void Form2Load(Form2State& s, const StationProfile& profile, SettingsStore& settings);

// A typed key: a double quote is discarded, letters typed into Text2 become
// capitals.
void Form2KeyPress(Form2State& s, Form2Field f, int key);
// After an edit the box made itself (a paste): what the files cannot hold goes.
void Form2Edited(Form2State& s, Form2Field f);
// The soapbox's new text, without double quotes; its line breaks become CR LF.
void Text11Change(Form2State& s, std::string_view text);

// "Write Cabrillo File". On success: the two boxes with a beep before each, the
// focus on "Done", and the five fields stored trimmed. A failed write is quiet and
// stores nothing; its status is returned.
Status Command4Click(Form2State& s, const Form2Context& c);

// "Done": hides the window.
void Command3Click(Form2State& s);

} // namespace qv
