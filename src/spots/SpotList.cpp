#include "spots/SpotList.h"

#include "base/Cp1252.h"
#include "base/Numbers.h"
#include "geo/CountryLookup.h"

namespace qv {
namespace {

// Characters from..to of the spot text, counted from 1; shorter past its end.
std::string_view columns(std::string_view text, std::size_t from, std::size_t to) {
    if (from - 1 >= text.size()) {
        return {};
    }
    return text.substr(from - 1, to - from + 1);
}

std::string trimmed(std::string_view text, std::size_t from, std::size_t to) {
    return std::string(trimBlanks(columns(text, from, to)));
}

} // namespace

const std::array<SpotListColumn, 8> kSpotListColumns = {{
    {"Call", 1040},
    {"Frequency", 880},
    {"QTH", 2000},
    {"Status", 0},
    {"Comments", 3400},
    {"Prefix", 520},
    {"Time", 600},
    {"From", 520},
}};

void SpotList::add(std::string_view call, float frequencyMHz, std::string_view spotText) {
    SpotListRow row;
    row.call = std::string(call);
    row.frequency = formatShortest(frequencyMHz);
    row.qth = CountryyLookupForDXSpots(prefixes_, call);
    row.comments = trimmed(spotText, 1, 11) + "  " + trimmed(spotText, 35, 59);
    row.prefix = trimmed(spotText, 62, 66);
    row.time = std::string(columns(spotText, 68, 71));
    row.from = trimmed(spotText, 73, 76);
    if (rows_.size() >= kMaxRows) {
        rows_.resize(kMaxRows - 1);
    }
    rows_.push_front(std::move(row));
    ++revision_;
}

} // namespace qv
