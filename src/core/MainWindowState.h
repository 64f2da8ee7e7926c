#pragma once

// Everything the main window shows, as plain data: the window copies it into its
// widgets after every event it forwards.

#include "base/Colour.h"
#include "core/RecentContacts.h"
#include "core/ScorePanel.h"
#include "core/TextField.h"

#include <cstdint>
#include <optional>
#include <string>

namespace qv {

enum class EntryField { Call, Spc, Category, Name, PostConTime, PostConDate };

inline constexpr Colour kStatusTeal = rgb(0, 192, 192);
inline constexpr Colour kStatusRed = rgb(255, 0, 0);
inline constexpr Colour kGreetingCyan = rgb(192, 255, 255);

struct MainWindowState {
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

    std::string lblDupe; // partial duplicates, or a multiplier's total
    bool lblDupeTeal = false;
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

    std::string label24 = "40"; // band
    std::string cmdLogOnCaption = "&Log \"Time On\"";
    std::string lblutctime, lblCurTime, label16;
    std::string lblttrack = "00:00:00";

    ScorePanelView score;

    // A key held back after a duplicate: nothing reaches the window until then.
    bool inputBlocked = false;
    std::uint32_t holdUntilMs = 0;
};

TextField& fieldOf(MainWindowState& state, EntryField f);

} // namespace qv
