#include "rig/BandConversion.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace qv {
namespace {

struct Interval {
    float above;
    float below;
    std::string_view value;

    // Both edges excluded.
    bool holds(float f) const { return f > above && f < below; }
};

constexpr std::array<Interval, 8> kBandIntervals = {{
    {1.7999f, 2.0001f, "160"},
    {3.4999f, 4.0001f, "80"},
    {6.9999f, 7.3001f, "40"},
    {13.9999f, 14.3501f, "20"},
    {20.9999f, 21.4501f, "15"},
    {27.9999f, 29.7001f, "10"},
    {49.9999f, 54.0001f, "6"},
    {143.9999f, 148.0001f, "2"},
}};

// The CW/phone split used while polling; 160 m has none.
constexpr std::array<Interval, 19> kFixedModes = {{
    {3.5f, 3.75f, "CW"},    {3.75f, 4.0f, "PH"},     {7.0f, 7.15f, "CW"},
    {7.15f, 7.3f, "PH"},    {10.1f, 10.15f, "CW"},   {14.0f, 14.15f, "CW"},
    {14.15f, 14.35f, "PH"}, {18.068f, 18.11f, "CW"}, {18.11f, 18.168f, "PH"},
    {21.0f, 21.2f, "CW"},   {21.2f, 21.45f, "PH"},   {24.89f, 24.93f, "CW"},
    {24.93f, 24.99f, "PH"}, {28.0f, 28.3f, "CW"},    {28.3f, 29.7f, "PH"},
    {50.0f, 50.1f, "CW"},   {50.1f, 54.0f, "PH"},    {144.0f, 144.1f, "CW"},
    {144.1f, 148.0f, "PH"},
}};

std::optional<std::string_view> firstHolding(const auto& table, float f) {
    for (const Interval& interval : table) {
        if (interval.holds(f)) {
            return interval.value;
        }
    }
    return std::nullopt;
}

// Adds one to a string of decimal digits.
void increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

std::optional<std::string_view> bandForFrequency(float frequencyMHz) {
    return firstHolding(kBandIntervals, frequencyMHz);
}

std::string frequencyText(float frequencyMHz) {
    if (!std::isfinite(frequencyMHz)) {
        frequencyMHz = 0;
    }
    // Rounded from the shortest decimal that reads back as the same single, so a
    // value shows as it was typed or decoded (14.025, not 14.0249996), halves
    // away from zero.
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                       std::fabs(frequencyMHz), std::chars_format::fixed);
    const std::string_view shortest(buffer.data(), written.ptr - buffer.data());
    const std::size_t point = shortest.find('.');
    std::string whole(shortest.substr(0, point));
    std::string fraction(point == std::string_view::npos ? std::string_view()
                                                         : shortest.substr(point + 1));
    fraction.resize(std::max<std::size_t>(fraction.size(), 4), '0');
    const bool roundUp = fraction[3] >= '5';
    fraction.resize(3);

    std::string digits = whole + fraction;
    if (roundUp) {
        increment(digits);
    }
    whole = digits.substr(0, digits.size() - 3);
    fraction = digits.substr(digits.size() - 3);
    const std::size_t firstSignificant = whole.find_first_not_of('0');
    whole.erase(0, firstSignificant == std::string::npos ? whole.size() : firstSignificant);

    const bool negative =
        std::signbit(frequencyMHz) && digits.find_first_not_of('0') != std::string::npos;
    return (negative ? "-" : "") + whole + "." + fraction;
}

std::optional<std::string_view> FixedModeForFrequency(float frequencyMHz) {
    return firstHolding(kFixedModes, frequencyMHz);
}

std::string BandPlanModeForFrequency(const std::vector<BandPlanRow>& extraRows,
                                     float frequencyMHz) {
    for (const BandPlanRow& row : extraRows) {
        if (!(row.lowerMHz < frequencyMHz && frequencyMHz < row.upperMHz)) {
            continue;
        }
        // No mode command is sent on 160 m.
        if (row.band == "160") {
            return {};
        }
        if (row.mode == "PH") {
            const bool lowerSideband = row.band == "80" || row.band == "60" || row.band == "40";
            return lowerSideband ? "LSB" : "USB";
        }
        return row.mode;
    }
    return {};
}

} // namespace qv
