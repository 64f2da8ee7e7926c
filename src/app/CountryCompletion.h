#pragma once

// Country-name completion in a text box, shared by the entry line's SPC field,
// the station window's country and the edit window's SPC.

#include "app/TextField.h"
#include "geo/PrefixTable.h"

#include <optional>

namespace qv {

// The text left of the caret plus the key is looked up among the prefix table's
// country names, from the last entry backwards. On a match the box shows that
// text followed by the rest of the name, the rest selected, and the entry is
// returned (the key is then consumed); otherwise the box is unchanged.
std::optional<std::size_t> completeCountryInBox(TextField& box, int key,
                                                const PrefixTable& prefixes, bool ignoreCase);

} // namespace qv
