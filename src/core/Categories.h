#pragma once

// The operator categories of the exchange, one letter each.

#include <array>
#include <string_view>

namespace qv {

inline constexpr std::array<std::string_view, 6> kCategories = {"M", "L", "C", "U", "Y", "O"};

// The text is exactly one category letter; the entry line ignores case, the
// edit window does not.
bool isCategory(std::string_view text, bool ignoreCase);

} // namespace qv
