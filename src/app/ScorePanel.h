#pragma once

// What the main window's score panel shows: totals, multipliers, score, the 62
// multiplier labels, the DX entity list and the contact rates.

#include "base/Colour.h"
#include "core/ContestLog.h"
#include "core/MultiplierTable.h"
#include "core/OperatingState.h"
#include "core/TimeStats.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qv {

struct MultiplierColours {
    Colour worked = rgb(0, 192, 128);      // teal-green
    Colour remaining = rgb(192, 192, 192); // grey
};

struct MultiplierLabel {
    std::string caption; // the abbreviation
    std::string tooltip; // the full name
    bool worked = false;
    Colour background = 0;
    // What a screen reader says about the label beside its name: worked or
    // not, so that the colour is not the only sign.
    std::string description;
};

struct ScorePanelView {
    std::string totalContacts;       // lblTotCon, "###,##0"
    std::string totalMultipliers;    // lblsectogo
    std::string totalPoints;         // lblTotSec, "###,###,###,##0"
    std::string totalScore;          // lblTotScore
    std::string usCanCaption;        // Label15
    std::string dxCaption;           // lblStation(5)
    std::vector<std::string> dxList; // List1
    std::array<MultiplierLabel, MultiplierTable::kSize> multipliers;
    std::string rateLastHour;          // lblAQSO60
    std::string rateLastTwentyMinutes; // lblAQSO20

    // Counts the changes, so that the window redraws the panel only after one.
    std::uint64_t revision = 0;
};

// The score display texts for the log and totals as they stand.
void Labeldisplay(ScorePanelView& view, const ContestLog& log, const OperatingState& state,
                  const MultiplierTable& table, const MultiplierColours& colours);

// The rate labels; left as they are when the rates could not be computed.
void showRates(ScorePanelView& view, const std::optional<QsoRates>& rates);

} // namespace qv
