#pragma once

// The main window's spot list txtDX: newest row first, at most 200 rows, its
// columns cut from the spot text at fixed positions.

#include "geo/PrefixTable.h"

#include <array>
#include <deque>
#include <string>
#include <string_view>

namespace qv {

struct SpotListRow {
    std::string call;
    std::string frequency; // MHz as a plain number
    std::string qth;       // country of the call
    std::string status;    // hidden column, empty
    std::string comments;  // spot text 1-11 trimmed, two blanks, 35-59 trimmed
    std::string prefix;    // 62-66 trimmed
    std::string time;      // 68-71
    std::string from;      // 73-76 trimmed
};

struct SpotListColumn {
    const char* heading;
    int widthTwips; // of a 9600-wide window
};
// "Call", "Frequency", "QTH", "Status" (hidden), "Comments", "Prefix", "Time", "From".
extern const std::array<SpotListColumn, 8> kSpotListColumns;

class SpotList {
public:
    static constexpr std::size_t kMaxRows = 200;

    explicit SpotList(const PrefixTable& prefixes) : prefixes_(prefixes) {}
    // Inserts at the top; row 200 goes first when the list is full.
    void add(std::string_view call, float frequencyMHz, std::string_view spotText);
    const std::deque<SpotListRow>& rows() const { return rows_; }
    std::size_t revision() const { return revision_; }

private:
    const PrefixTable& prefixes_;
    std::deque<SpotListRow> rows_;
    std::size_t revision_ = 0;
};

} // namespace qv
