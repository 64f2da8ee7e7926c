#include "rig/HexText.h"

#include <optional>

namespace qv {
namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// One or two hex digits as a byte; a lone last digit is read by itself.
std::optional<char> readPair(std::string_view text, std::size_t pos) {
    const std::string_view pair = text.substr(pos, 2);
    int value = 0;
    for (const char c : pair) {
        const int digit = hexValue(c);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 16 + digit;
    }
    return static_cast<char>(value);
}

std::string pairsEvery(std::string_view text, std::size_t step) {
    std::string bytes;
    bytes.reserve(text.size() / step + 1);
    for (std::size_t pos = 0; pos < text.size(); pos += step) {
        const auto byte = readPair(text, pos);
        if (!byte) {
            return {};
        }
        bytes.push_back(*byte);
    }
    return bytes;
}

} // namespace

std::string HexTextToBytes(std::string_view text) {
    return pairsEvery(text, 3);
}

std::string HexPairsToBytes(std::string_view text) {
    return pairsEvery(text, 2);
}

std::string BytesToHexText(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.push_back(kDigits[b >> 4]);
        text.push_back(kDigits[b & 0x0F]);
        text.push_back(' ');
    }
    return text;
}

} // namespace qv
