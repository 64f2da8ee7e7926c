#pragma once

#include <cstdint>

namespace qv {

// Colours are 32-bit values with red in the low byte, then green, then blue.
using Colour = std::uint32_t;

constexpr Colour rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return static_cast<Colour>(red) | (static_cast<Colour>(green) << 8) |
           (static_cast<Colour>(blue) << 16);
}
constexpr std::uint8_t redOf(Colour c) {
    return c & 0xFF;
}
constexpr std::uint8_t greenOf(Colour c) {
    return (c >> 8) & 0xFF;
}
constexpr std::uint8_t blueOf(Colour c) {
    return (c >> 16) & 0xFF;
}

} // namespace qv
