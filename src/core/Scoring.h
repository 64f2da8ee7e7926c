#pragma once

// The points of one contact.

#include <string_view>

namespace qv {

// The bonus station: a contact with it scores 25 points whatever the category.
inline constexpr std::string_view Zorvik = "ZORVIK";

// 10 points; category Y 2, O 1; the bonus station 25 (ignoring case throughout).
double contactPoints(std::string_view call, std::string_view category);

} // namespace qv
