#include "rig/RigDecoders.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

namespace qv::decoders {
namespace {

constexpr std::string_view kCw = "CW";
constexpr std::string_view kPhone = "PH";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Decimal text (digits and an optional point, optionally a power of ten after it)
// as the nearest single-precision value, the way the text reads back; from_chars
// is exact and ignores the C locale.
float readFloat(std::string_view text) {
    float value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    return value;
}

// units / 100 000 as the nearest single-precision value: 1402500 gives 14.025f.
float fromTenHzUnits(std::uint64_t units) {
    char text[32];
    auto end = std::to_chars(text, text + 24, units).ptr;
    *end++ = 'e';
    *end++ = '-';
    *end++ = '5';
    return readFloat(std::string_view(text, static_cast<std::size_t>(end - text)));
}

// Hz in MHz rounded to 5 decimals, halves to the even neighbour.
float mhzFromHz(std::uint64_t hz) {
    std::uint64_t tens = hz / 10;
    const std::uint64_t rest = hz % 10;
    if (rest > 5 || (rest == 5 && tens % 2 == 1)) {
        ++tens;
    }
    return fromTenHzUnits(tens);
}

// A field of decimal digits only. Leading zeros aside, at most 18 digits, so
// that the value and the frequency made from it stay finite.
std::optional<std::uint64_t> decimalField(std::string_view field) {
    if (field.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    int significant = 0;
    for (const char c : field) {
        if (!isDigit(c)) {
            return std::nullopt;
        }
        if (value != 0 || c != '0') {
            if (++significant > 18) {
                return std::nullopt;
            }
        }
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return value;
}

// The k-th hex digit (1-based) of the bytes written as hex text: odd k the high
// half of byte (k + 1) / 2, even k the low half of byte k / 2.
unsigned nibble(std::string_view rx, std::size_t k) {
    const auto byte = static_cast<unsigned char>(rx[(k - 1) / 2]);
    return k % 2 == 1 ? byte >> 4 : byte & 0x0F;
}

char hexDigit(unsigned value) {
    return "0123456789ABCDEF"[value & 0x0F];
}

// Hex digits first to last (1-based, inclusive) as one binary number.
std::uint64_t binaryDigits(std::string_view rx, std::size_t first, std::size_t last) {
    std::uint64_t value = 0;
    for (std::size_t k = first; k <= last; ++k) {
        value = value * 16 + nibble(rx, k);
    }
    return value;
}

// A BCD byte as its decimal value, if both halves are decimal digits.
std::optional<unsigned> bcdByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >> 4) > 9 || (b & 0x0F) > 9) {
        return std::nullopt;
    }
    return (b >> 4) * 10u + (b & 0x0Fu);
}

// The radios write a frequency as digits with leading zeros dropped one by one:
// the first digit unless it is 0, the second unless the first two are 00, the
// third unless the first three are 000. Missing digits count as empty.
std::string withoutLeadingZeros(std::string_view digits, std::size_t kept) {
    std::string text;
    for (std::size_t k = 0; k < kept && k < digits.size(); ++k) {
        if (digits.substr(0, k + 1).find_first_not_of('0') != std::string_view::npos) {
            text.push_back(digits[k]);
        }
    }
    return text;
}

// Digits with one decimal point and at least one digit.
bool isDecimalText(std::string_view text) {
    bool digit = false;
    bool point = false;
    for (const char c : text) {
        if (isDigit(c)) {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

void setModeFromDigit(char digit, RigReading& reading) {
    reading.modeText = digit == '3' ? kCw : kPhone;
}

} // namespace

void kenwoodFrequency(std::string_view frequencyQuery, std::string_view rx, RigReading& reading) {
    if (frequencyQuery.size() < 3) {
        return;
    }
    const std::size_t p = rx.find(frequencyQuery.substr(0, 2));
    // The answer counts only with something after its eleven digits (the ";").
    if (p == std::string_view::npos || rx.size() <= p + 13) {
        return;
    }
    if (const auto hz = decimalField(rx.substr(p + 2, 11))) {
        reading.frequencyMHz = mhzFromHz(*hz);
    }
}

void kenwoodMode(std::string_view rx, RigReading& reading) {
    const std::size_t p = rx.find("MD");
    if (p == std::string_view::npos || rx.size() <= p + 2) {
        return;
    }
    reading.modeText = rx[p + 2] == '3' || rx[p + 2] == '7' ? kCw : kPhone;
}

void kenwoodIf(std::string_view rx, RigReading& reading) {
    const std::size_t p = rx.find("IF");
    if (p == std::string_view::npos || rx.size() <= p + 13) {
        return;
    }
    const auto hz = decimalField(rx.substr(p + 2, 11));
    if (!hz) {
        return;
    }
    reading.frequencyMHz = mhzFromHz(*hz);
    // Mode and VFO sit at fixed places after the frequency; a short answer keeps "PH".
    reading.modeText = kPhone;
    if (rx.size() > p + 29 && rx[p + 29] == '3') {
        reading.modeText = kCw;
    }
    if (rx.size() > p + 30 && isDigit(rx[p + 30])) {
        reading.kenwoodVfo = static_cast<std::uint8_t>(rx[p + 30] - '0');
    }
}

void icom(std::string_view rx, bool frequencyPhase, bool fourByteFrequency, RigReading& reading) {
    enum class State { Idle, GotFirstFE, GotSecondFE, WaitForFD };
    const unsigned char expected = frequencyPhase ? 0x03 : 0x04;
    State state = State::Idle;
    int addressBytesToSkip = 0;
    // The radio sends the least significant BCD byte first and each data byte goes
    // in front of the digits so far, so only the last five data bytes can reach
    // the ten digits the frequency is read from.
    std::array<unsigned char, 5> lastData{};
    std::size_t dataCount = 0;
    for (const char c : rx) {
        const auto b = static_cast<unsigned char>(c);
        if (addressBytesToSkip > 0) {
            --addressBytesToSkip;
            continue;
        }
        switch (state) {
        case State::Idle:
            if (b == 0xFE) {
                state = State::GotFirstFE;
            }
            break;
        case State::GotFirstFE:
            if (b == 0xFE) {
                state = State::GotSecondFE;
                addressBytesToSkip = 2;
            } else {
                state = State::Idle;
            }
            break;
        case State::GotSecondFE:
            state = b == expected ? State::WaitForFD : State::Idle;
            break;
        case State::WaitForFD:
            if (b == 0xFD) {
                state = State::Idle;
            } else if (!frequencyPhase) {
                reading.modeText = b == 0x03 ? kCw : kPhone;
                return;
            } else {
                lastData[dataCount % lastData.size()] = b;
                ++dataCount;
            }
            break;
        }
    }
    if (!frequencyPhase) {
        return;
    }
    // The collected digits, most significant first: the last data byte first.
    std::string digits;
    const std::size_t used = std::min(dataCount, lastData.size());
    for (std::size_t n = 1; n <= used; ++n) {
        const unsigned char b = lastData[(dataCount - n) % lastData.size()];
        digits.push_back(hexDigit(b >> 4));
        digits.push_back(hexDigit(b));
    }
    std::string text = withoutLeadingZeros(digits, 3);
    if (digits.size() > 3) {
        text.push_back(digits[3]);
    }
    text.push_back('.');
    if (digits.size() > 4) {
        text.append(std::string_view(digits).substr(4, 6));
    }
    if (!isDecimalText(text)) {
        return;
    }
    // The 735's four bytes end at 10 Hz, which puts the point two places too far right.
    if (fourByteFrequency) {
        text.append("e-2");
    }
    reading.frequencyMHz = readFloat(text);
}

void yaesuBcd(std::string_view rx, RigReading& reading) {
    if (rx.size() < 5) {
        return;
    }
    std::string digits;
    for (std::size_t k = 1; k <= 10; ++k) {
        digits.push_back(hexDigit(nibble(rx, k)));
    }
    const auto mode = bcdByte(rx[4]);
    if (!mode) {
        return; // a mode code with a letter means the whole reply is not a frequency report
    }
    std::string text = withoutLeadingZeros(digits, 3);
    // Below 1 MHz the point is dropped with the third zero.
    if (digits.substr(0, 3) != "000") {
        text.push_back('.');
    }
    text.append(digits, 3, 5);
    if (!isDecimalText(text)) {
        return;
    }
    reading.frequencyMHz = readFloat(text);
    switch (*mode) {
    case 0:
    case 1:
    case 4:
    case 8:
    case 84:
    case 88:
        reading.modeText = kPhone;
        break;
    case 2:
    case 3:
    case 82:
    case 83:
        reading.modeText = kCw;
        break;
    default:
        break;
    }
}

void yaesu757(std::string_view rx, RigReading& reading) {
    if (rx.size() < 9) {
        return;
    }
    // Bytes 6 to 9 hold the frequency in 10 Hz units, least significant byte first.
    std::uint64_t units = 0;
    for (std::size_t byte = 9; byte >= 6; --byte) {
        const auto pair = bcdByte(rx[byte - 1]);
        if (!pair) {
            return;
        }
        units = units * 100 + *pair;
    }
    reading.frequencyMHz = fromTenHzUnits(units);
    if (rx.size() < 10) {
        return;
    }
    const auto mode = bcdByte(rx[9]);
    if (!mode) {
        return;
    }
    switch (*mode) {
    case 0:
    case 1:
        reading.modeText = kPhone;
        break;
    case 2:
    case 3:
        reading.modeText = kCw;
        break;
    case 4:
        reading.modeText = "AM";
        break;
    case 5:
        reading.modeText = "FM";
        break;
    default:
        break;
    }
}

bool yaesuStatus(std::string_view rigType, std::string_view rx, RigReading& reading) {
    struct Layout {
        std::string_view rigType;
        std::size_t firstDigit;
        std::size_t lastDigit;
        bool hz; // binary Hz rather than 10 Hz units
    };
    static constexpr Layout kLayouts[] = {
        {"Yaesu 890", 5, 10, false},   {"Yaesu 1000", 4, 9, false}, {"Yaesu 990", 3, 8, false},
        {"Yaesu 1000 D", 3, 8, false}, {"Yaesu 920", 3, 10, true},
    };
    const Layout* layout = nullptr;
    for (const Layout& l : kLayouts) {
        if (l.rigType == rigType) {
            layout = &l;
        }
    }
    if (layout == nullptr) {
        return false;
    }
    if (rx.size() < 5) {
        return true;
    }
    const std::uint64_t value = binaryDigits(rx, layout->firstDigit, layout->lastDigit);
    reading.frequencyMHz = layout->hz ? mhzFromHz(value) : fromTenHzUnits(value);
    // The mode is the low half of byte 8.
    if (rx.size() < 8) {
        return true;
    }
    const unsigned mode = nibble(rx, 16);
    if (layout->hz) {
        reading.modeText = mode == 1 ? kCw : kPhone;
    } else if (mode == 2) {
        reading.modeText = kCw;
    } else if (mode <= 7) {
        reading.modeText = kPhone;
    }
    return true;
}

void ftdx9000(std::string_view frequencyQuery, std::string_view modeQuery, std::string_view rx,
              RigReading& reading) {
    // The two steps are independent: a frequency that cannot be read still lets
    // the mode be read.
    const std::string_view frequencyKey = frequencyQuery.substr(0, 2);
    const std::size_t p = frequencyKey.empty() ? std::string_view::npos : rx.find(frequencyKey);
    if (p != std::string_view::npos && rx.size() >= p + 10) {
        if (const auto hz = decimalField(rx.substr(p + 2, 8))) {
            reading.frequencyMHz = mhzFromHz(*hz);
        }
    }
    const std::string_view modeKey = modeQuery.substr(0, 3);
    const std::size_t q = modeKey.empty() ? std::string_view::npos : rx.find(modeKey);
    if (q != std::string_view::npos && rx.size() > q + 3) {
        setModeFromDigit(rx[q + 3], reading);
    }
}

void frontPanel(std::string_view rx, bool frequencyPhase, RigReading& reading) {
    if (frequencyPhase) {
        // "A", then Hz as four bytes, most significant first.
        if (rx.size() >= 5) {
            reading.frequencyMHz = mhzFromHz(binaryDigits(rx, 3, 10));
        }
        return;
    }
    if (rx.size() < 3) {
        return;
    }
    switch (nibble(rx, 4)) {
    case 0:
    case 1:
    case 2:
    case 4:
        reading.modeText = kPhone;
        break;
    case 3:
        reading.modeText = kCw;
        break;
    default:
        break;
    }
}

void orion(std::string_view rx, RigReading& reading) {
    const std::size_t p = rx.find("@AF");
    if (p != std::string_view::npos) {
        const std::size_t r = rx.find('\r', p);
        if (r == std::string_view::npos) {
            return;
        }
        const auto hz = decimalField(rx.substr(p + 3, r - (p + 3)));
        if (!hz) {
            return;
        }
        reading.frequencyMHz = mhzFromHz(*hz);
    }
    const std::size_t q = rx.find("@RMM");
    if (q == std::string_view::npos) {
        return;
    }
    reading.modeText = kPhone;
    if (rx.size() > q + 4 && (rx[q + 4] == '2' || rx[q + 4] == '3')) {
        reading.modeText = kCw;
    }
}

} // namespace qv::decoders
