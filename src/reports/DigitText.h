#pragma once

#include <string>

namespace qv {

// A non-negative number with leading zeros up to width digits.
inline std::string padded(int value, std::size_t width) {
    std::string digits = std::to_string(value);
    if (digits.size() < width) {
        digits.insert(0, width - digits.size(), '0');
    }
    return digits;
}

} // namespace qv
