#include "base/Numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <system_error>

namespace qv {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexDigit(char c) {
    if (isDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

struct Scan {
    double value = 0;
    std::size_t end = 0; // one past the last character of the number
    bool found = false;
};

// "&H" hex: up to four digits are a 16-bit signed value, more are 32-bit signed,
// the way the traditional hex literal reads (&HFFFF is -1).
Scan scanHex(std::string_view text, std::size_t pos) {
    Scan s;
    std::uint64_t v = 0;
    std::size_t i = pos;
    while (i < text.size() && hexDigit(text[i]) >= 0 && i - pos < 16) {
        v = (v << 4) | static_cast<std::uint64_t>(hexDigit(text[i]));
        ++i;
    }
    const std::size_t digits = i - pos;
    if (digits == 0) {
        return s;
    }
    if (digits <= 4) {
        s.value = static_cast<std::int16_t>(static_cast<std::uint16_t>(v));
    } else if (digits <= 8) {
        s.value = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    } else {
        s.value = static_cast<double>(v);
    }
    s.end = i;
    s.found = true;
    return s;
}

Scan scanNumber(std::string_view text, std::size_t pos) {
    Scan s;
    std::size_t i = pos;
    if (i + 1 < text.size() && text[i] == '&' && (text[i + 1] == 'H' || text[i + 1] == 'h')) {
        return scanHex(text, i + 2);
    }
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return s;
    }
    std::size_t mantissaEnd = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) {
                ++j;
            }
            i = j;
        }
    }
    std::string buffer(text.substr(start, i - start));
    for (std::size_t k = mantissaEnd - start; k < buffer.size(); ++k) {
        if (buffer[k] == 'd' || buffer[k] == 'D') {
            buffer[k] = 'e';
        }
    }
    // from_chars is independent of the C locale, which Qt sets from the environment.
    const bool negative = buffer[0] == '-';
    const std::size_t skip = (buffer[0] == '-' || buffer[0] == '+') ? 1 : 0;
    double magnitude = 0;
    const auto parsed = std::from_chars(buffer.data() + skip, buffer.data() + buffer.size(),
                                        magnitude, std::chars_format::general);
    if (parsed.ec == std::errc::result_out_of_range) {
        // Too large overflows to infinity, too small underflows to zero.
        magnitude =
            buffer.find("e-") != std::string::npos ? 0.0 : std::numeric_limits<double>::infinity();
    }
    s.value = negative ? -magnitude : magnitude;
    s.end = i;
    s.found = true;
    return s;
}

std::size_t skipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isBlank(text[pos])) {
        ++pos;
    }
    return pos;
}

} // namespace

double leadingNumber(std::string_view text) {
    const Scan s = scanNumber(text, skipBlanks(text, 0));
    return s.found ? s.value : 0.0;
}

bool isNumeric(std::string_view text) {
    const Scan s = scanNumber(text, skipBlanks(text, 0));
    return s.found && skipBlanks(text, s.end) == text.size();
}

std::int64_t roundHalfEven(double value) {
    if (!std::isfinite(value)) {
        return 0;
    }
    const double floorValue = std::floor(value);
    const double fraction = value - floorValue;
    double result = floorValue;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floorValue, 2.0) != 0.0)) {
        result = floorValue + 1.0;
    }
    constexpr double kLimit = 9.2e18;
    if (result > kLimit || result < -kLimit) {
        return result > 0 ? std::numeric_limits<std::int64_t>::max()
                          : std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(result);
}

namespace {
template <typename T> std::string shortest(T value) {
    if (value == 0) {
        return "0"; // also for -0
    }
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}
} // namespace

std::string formatShortest(double value) {
    return shortest(value);
}
std::string formatShortest(float value) {
    return shortest(value);
}

std::string formatGrouped(std::int64_t value) {
    const bool negative = value < 0;
    std::uint64_t magnitude =
        negative ? static_cast<std::uint64_t>(-(value + 1)) + 1 : static_cast<std::uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    std::string out;
    out.reserve(digits.size() + digits.size() / 3 + 1);
    if (negative) {
        out.push_back('-');
    }
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            out.push_back(',');
        }
        out.push_back(digits[i]);
    }
    return out;
}

} // namespace qv
