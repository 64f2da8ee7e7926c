#include "rig/serial/SerialSettings.h"

#include <array>
#include <cctype>

namespace qv {
namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    return s;
}

// A whole number of digits only, no larger than limit.
std::optional<int> wholeNumber(std::string_view s, int limit) {
    if (s.empty()) {
        return std::nullopt;
    }
    long long value = 0;
    for (const char c : s) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > limit) {
            return std::nullopt;
        }
    }
    return static_cast<int>(value);
}

constexpr std::array<std::pair<char, Parity>, 5> kParityLetters{{{'N', Parity::None},
                                                                 {'E', Parity::Even},
                                                                 {'O', Parity::Odd},
                                                                 {'M', Parity::Mark},
                                                                 {'S', Parity::Space}}};

std::optional<Parity> parityOf(std::string_view s) {
    if (s.size() != 1) {
        return std::nullopt;
    }
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
    for (const auto& [l, parity] : kParityLetters) {
        if (l == letter) {
            return parity;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<SerialSettings> parseSerialSettings(std::string_view text) {
    std::array<std::string_view, 4> fields;
    std::size_t count = 0;
    while (true) {
        const std::size_t comma = text.find(',');
        if (count == fields.size()) {
            return std::nullopt;
        }
        fields[count++] = trimmed(text.substr(0, comma));
        if (comma == std::string_view::npos) {
            break;
        }
        text.remove_prefix(comma + 1);
    }
    if (count != fields.size()) {
        return std::nullopt;
    }

    const auto baud = wholeNumber(fields[0], 4000000);
    const auto parity = parityOf(fields[1]);
    const auto dataBits = wholeNumber(fields[2], 8);
    const auto stopBits = wholeNumber(fields[3], 2);
    if (!baud || *baud < 1 || !parity || !dataBits || *dataBits < 5 || !stopBits || *stopBits < 1) {
        return std::nullopt;
    }
    return SerialSettings{*baud, *parity, *dataBits, *stopBits};
}

std::string formatSerialSettings(const SerialSettings& settings) {
    char letter = 'N';
    for (const auto& [l, parity] : kParityLetters) {
        if (parity == settings.parity) {
            letter = l;
        }
    }
    return std::to_string(settings.baud) + ',' + letter + ',' + std::to_string(settings.dataBits) +
           ',' + std::to_string(settings.stopBits);
}

} // namespace qv
