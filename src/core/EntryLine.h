#pragma once

// The keys, focus changes and clicks of the entry line: call, SPC, category and
// name, and the two post-contest fields.

#include "core/DupCheck.h"
#include "core/MainContext.h"
#include "core/Mains.h"

namespace qv {

class EntryLine {
public:
    EntryLine(MainContext& c, DupChecker& dupes, ContactLogger& logger)
        : c_(c), dupes_(dupes), logger_(logger) {}

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
    void releaseHeldKey();

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
    void spcChanged() { c_.updateNewIndicator(); }
    void type(EntryField field, int key);

    MainContext& c_;
    DupChecker& dupes_;
    ContactLogger& logger_;
    int heldKey_ = keys::kNone;
};

// Default SPC for Canadian calls by their first three characters.
const char* canadianDefaultSpc(std::string_view call);

} // namespace qv
