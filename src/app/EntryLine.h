#pragma once

// The keys, focus changes and clicks of the entry line: call, SPC, category and
// name, and the two post-contest fields.

#include "app/ContactLogger.h"
#include "app/DupChecker.h"
#include "app/DuplicateHold.h"
#include "app/Form1Displays.h"
#include "cw/KeyerCallText.h"
#include "geo/PrefixTable.h"

namespace qv {

class EntryLine {
public:
    struct Uses {
        Form1State& ui;
        const WorkingLog& working;
        const OperatingState& op;
        const PrefixTable& prefixes;
        const MultiplierTable& multipliers;
        const StationProfile& profile;
        const Preferences& prefs;
        Clock& clock;
        Beeper& beeper;
        VoiceNavigation& voice;
        KeyerCallText& keyer;
        Form1Displays& displays;
        DupChecker& dupes;
        DuplicateHold& hold;
        ContactLogger& logger;
    };
    explicit EntryLine(Uses uses);

    // A key typed in a field (Windows-1252 code, or keys:: constants).
    void keyPress(EntryField field, int key);
    // The box edited the text itself (paste, Delete, ...): keep what a file can hold
    // and react to the change.
    void edited(EntryField field);
    void entered(EntryField field);
    void left(EntryField field);

    // "&Clear" (Alt+C, Esc on an idle line).
    void cmdClear_Click();
    // A multiplier label clicked / hovered; the mouse over the window's background.
    void multiplierClicked(std::size_t entry);
    void multiplierHovered(std::size_t entry);
    void backgroundHovered();

    // The key held after a duplicate, once the hold has passed.
    void releaseHeldKey(int key) { type(EntryField::Call, key); }

    // Two calls greeted on the status line when the call field is left.
    struct Greeting {
        const char* call;
        const char* text;
    };
    static const Greeting kGreetings[2];

private:
    void callKey(int key);
    void spcKey(int key);
    void categoryKey(int key);
    void nameKey(int key);
    void postContestKey(EntryField field, int key);
    // The call field's Change: prefix lookup and the keyer's copy of the call.
    void callChanged();
    void spcChanged() { u_.displays.updateNewIndicator(); }
    void type(EntryField field, int key);

    Uses u_;
};

// Default SPC for Canadian calls by their first three characters.
const char* canadianDefaultSpc(std::string_view call);

} // namespace qv
