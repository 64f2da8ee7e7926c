#include "cw/MorseTable.h"

#include <array>
#include <utility>

namespace qv {
namespace {

constexpr std::array<std::pair<char, std::string_view>, 47> kTable = {{
    {' ', "00000000"},
    {'A', "10111000"},
    {'B', "111010101000"},
    {'C', "11101011101000"},
    {'D', "1110101000"},
    {'E', "1000"},
    {'F', "101011101000"},
    {'G', "111011101000"},
    {'H', "1010101000"},
    {'I', "101000"},
    {'J', "1011101110111000"},
    {'K', "111010111000"},
    {'L', "101110101000"},
    {'M', "1110111000"},
    {'N', "11101000"},
    {'O', "11101110111000"},
    {'P', "10111011101000"},
    {'Q', "1110111010111000"},
    {'R', "1011101000"},
    {'S', "10101000"},
    {'T', "111000"},
    {'U', "1010111000"},
    {'V', "101010111000"},
    {'W', "101110111000"},
    {'X', "11101010111000"},
    {'Y', "1110101110111000"},
    {'Z', "11101110101000"},
    {'0', "1110111011101110111000"},
    {'1', "10111011101110111000"},
    {'2', "101011101110111000"},
    {'3', "1010101110111000"},
    {'4', "10101010111000"},
    {'5', "101010101000"},
    {'6', "11101010101000"},
    {'7', "1110111010101000"},
    {'8', "111011101110101000"},
    {'9', "11101110111011101000"},
    {'.', "10111010111010111000"},
    {',', "1110111010101110111000"},
    {'?', "101011101110101000"},
    {'/', "1110101011101000"},
    // Both send BT (-...-); "-" is not the hyphen sign.
    {'-', "1110101010111000"},
    {'=', "1110101010111000"},
    {'[', "1011101011101000"},          // AR
    {']', "101010111010111000"},        // SK
    {';', "111010111011101000"},        // KN
    {'\\', "111010111010101110101000"}, // CL
}};

} // namespace

std::string_view MorseTable::elements(char ch) {
    const char upper = ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
    if (upper == '\0') {
        return {};
    }
    for (const auto& [c, e] : kTable) {
        if (c == upper) {
            return e;
        }
    }
    return {};
}

std::string elementString(char ch, int wordSpace) {
    std::string e(MorseTable::elements(ch));
    if (ch != ' ') {
        return e;
    }
    if (wordSpace > 0) {
        e.append(static_cast<std::size_t>(wordSpace), '0');
    } else if (wordSpace < 0) {
        const int keep = static_cast<int>(e.size()) + wordSpace;
        e.resize(keep > 0 ? static_cast<std::size_t>(keep) : 0);
    }
    return e;
}

} // namespace qv
