#pragma once

// BandPlan.txt: the frequency privileges by licence class. The first value is the
// date the plan is effective from; then records of five values: band, class ("O"
// for the band's overall edges, else "N", "T", "P", "G", "A" or "E"), mode ("CW"
// or a phone mode), lower and upper edge in MHz. Values are separated by commas
// or line breaks; a text may stand in double quotes.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

struct BandPlanRow {
    std::string band;
    std::string licenceClass;
    std::string mode;
    float lowerMHz = 0;
    float upperMHz = 0;
};

struct BandPlan {
    static constexpr std::size_t kMaxRows = 200;
    std::string effective;
    std::vector<BandPlanRow> rows; // file order
};

enum class BandPlanError { Unreadable, TooManyRows };

// The whole file, or why not: text that does not read as the records above, or
// more than 200 records.
struct BandPlanParse {
    std::optional<BandPlan> plan;
    BandPlanError error = BandPlanError::Unreadable;
};
BandPlanParse parseBandPlan(std::string_view text);

// Rig control's table: the rows of class "E" in file order, 200 at most; loading
// always ends. Text that does not read gives what was read before the fault.
std::vector<BandPlanRow> extraClassRows(std::string_view text);

} // namespace qv
