#pragma once

// Which country a call sign belongs to, from the prefix table.

#include "geo/PrefixTable.h"

#include <optional>
#include <string>
#include <string_view>

namespace qv {

// The main window's fields that the call-field lookup fills.
struct GeoFields {
    std::string spc;                   // txtCntry
    std::size_t spcSelectionStart = 0; // selection in the SPC field
    std::size_t spcSelectionLength = 0;
    std::string continent; // Label19
    std::string bearing;   // Label22
    std::string distance;  // Label23
};

struct OwnPosition {
    float latitude = 0;
    float longitude = 0;
};

// The lookup run on every change of the call field. For a station outside the USA
// and Canada it writes the country (or "AK"/"HI") into the SPC field with the
// continent, bearing and distance; for a US or Canadian station it shows only the
// continent "NA"; an unknown prefix gives "Not Found". Comparisons ignore case, and
// a lower-case first character finds what the capital does. An empty call, or a
// first character past "Z", changes nothing.
void entryFieldLookup(const PrefixTable& table, std::string_view callText, const OwnPosition& own,
                      GeoFields& fields);

// The country of a call seen in a DX spot: exact comparisons, no special handling
// of USA, Canada, Alaska or Hawaii; empty text without a match.
std::string CountryyLookupForDXSpots(const PrefixTable& table, std::string_view call);

// Country-name completion: the last entry (searching backwards) whose country name
// begins with typed; the entry number, or nullopt.
std::optional<std::size_t> completeCountry(const PrefixTable& table, std::string_view typed,
                                           bool ignoreCase);

} // namespace qv
