#pragma once

// Numbers typed as text and numbers written to data files.

#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// The leading-number rule: leading blanks skipped, the longest leading number taken
// (sign, digits, decimal point, exponent), "&H" introducing a hexadecimal number;
// text without a leading number gives 0.
double leadingNumber(std::string_view text);

// True when the whole text, apart from surrounding blanks, is one number in the
// form the leading-number rule reads (an empty text is not numeric).
bool isNumeric(std::string_view text);

// Conversion to a whole number: halves go to the even neighbour (2.5 -> 2, 3.5 -> 4).
std::int64_t roundHalfEven(double value);

// Shortest decimal text that reads back as the same value: "10", "2.5", "-5.5",
// "0.5". A single-precision value is shortened as single precision.
std::string formatShortest(double value);
std::string formatShortest(float value);

// A whole number with thousands separators and at least one digit ("###,##0").
std::string formatGrouped(std::int64_t value);

} // namespace qv
