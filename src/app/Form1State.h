#pragma once

// Everything the main window shows, as plain data: the window copies it into its
// widgets after every event it forwards.

#include "app/ProgramTitle.h"
#include "app/RecentContacts.h"
#include "app/ScorePanel.h"
#include "app/TextField.h"
#include "base/Colour.h"
#include "core/OperatingState.h"

#include <cstdint>
#include <optional>
#include <string>

namespace qv {

enum class EntryField { Call, Spc, Category, Name, PostConTime, PostConDate };

inline constexpr Colour kStatusTeal = rgb(0, 192, 192);
inline constexpr Colour kStatusRed = rgb(255, 0, 0);
inline constexpr Colour kGreetingCyan = rgb(192, 255, 255);

struct Form1State {
    // The entry line.
    TextField txtCall{{}, 0, 0, 12};
    TextField txtCntry{{}, 0, 0, 30};
    TextField txtRSTR{{}, 0, 0, 3};
    TextField txtSec{{}, 0, 0, 20};
    TextField txtPostConTime{{}, 0, 0, 5};
    TextField txtPostConDate{{}, 0, 0, 10};
    bool postContestMode = false; // the two post-contest fields are shown

    // Where the focus belongs; focusRequest counts requests so that a repeated
    // request for the same field is seen too.
    EntryField focus = EntryField::Call;
    std::uint32_t focusRequest = 0;

    std::string lblDialog; // status line
    Colour lblDialogBack = kStatusTeal;
    // Screen readers hear each new message of the status line, and every
    // verdict on an entry (counted here), a repeated one too.
    std::uint32_t statusAlerts = 0;

    std::string lblDupe; // partial duplicates, or a multiplier's total
    bool lblDupeTeal = false;
    bool lblDupeWhite = false;  // "You've been spotted!"
    bool lblDupeSmall = false;  // one point smaller while it shows a multiplier total
    bool partialDupesOn = true; // cmdDup

    std::string label19;        // continent
    std::string label22;        // bearing
    std::string label23;        // miles
    bool label3Visible = false; // "New"

    RecentContacts recent;
    bool editButtonsVisible = false; // cmdEdit, cmdDelete

    // Own station line.
    std::string label2, label25, label1, label4;

    std::string cmdLogOnCaption = "&Log \"Time On\"";
    std::string lblutctime, lblCurTime, label16;
    std::string lblttrack = "00:00:00";

    ScorePanelView score;

    // A key held back after a duplicate: nothing reaches the window until then.
    bool inputBlocked = false;
};

TextField& fieldOf(Form1State& state, EntryField f);

// The status line's text (a message, or blanks that clear it); the focus moved to a field (counted,
// so that a repeated request for the same field is seen too).
void setStatus(Form1State& state, std::string text);
// The status line's text as the verdict on an entry (it comes with a beep): it
// is announced again even when the line already shows it.
void alertStatus(Form1State& state, std::string text);
void focusOn(Form1State& state, EntryField field);
// Empties the continent, bearing and distance labels.
void clearGeoLabels(Form1State& state);
// Empties the four entry fields and the three labels ("New" goes with the SPC).
void clearEntryFields(Form1State& state);
// Empties the partial-duplicate line and gives it its neutral look.
void clearPartialList(Form1State& state);

// The band label Label24: the current band when it is one of the bands, else
// nothing.
std::string bandLabel(const OperatingState& op);

} // namespace qv
