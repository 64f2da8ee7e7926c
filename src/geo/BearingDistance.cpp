#include "geo/BearingDistance.h"

#include "base/Numbers.h"

#include <cmath>
#include <optional>

namespace qv {
namespace {

// Degrees per radian as the program has always used it, not the exact 180/pi.
constexpr double K = 57.29577951;
constexpr double kMilesPerRadian = 3955.75791314991;

// arccos built from the arctangent, as Atn(-x / Sqr(1 - x^2)) + 2 Atn(1); fails
// where that expression divides by zero or takes the root of a negative number.
std::optional<double> arccos(double x) {
    const double d = 1.0 - x * x;
    if (!(d > 0.0)) {
        return std::nullopt;
    }
    return std::atan(-x / std::sqrt(d)) + 2.0 * std::atan(1.0);
}

// A format of "###" or "##,###": rounded half away from zero, no leading zeros, a
// value that rounds to 0 shows nothing.
std::string wholeNumber(double value, bool grouped) {
    const double rounded = std::round(value);
    if (rounded == 0.0) {
        return {};
    }
    const auto n = static_cast<std::int64_t>(rounded);
    return grouped ? formatGrouped(n) : std::to_string(n);
}

} // namespace

BearingDistance HDCalc(float ownLat, float ownLong, float cntlat, float cntlong) {
    const double lat1 = ownLat / K;
    const double lon1 = ownLong / K;
    const double lat2 = cntlat / K;
    const double lon2 = cntlong / K;

    const double x =
        std::sin(lat1) * std::sin(lat2) + std::cos(lat2) * std::cos(lat1) * std::cos(lon2 - lon1);
    const auto central = arccos(x);
    if (!central) {
        return {};
    }
    const double c = *central * K;
    const double divisor = std::cos(lat1) * std::sin(c / K);
    if (divisor == 0.0) {
        return {};
    }
    const double y = (std::sin(lat2) - x * std::sin(lat1)) / divisor;
    // A station due north or south gives y = +-1, where the arctangent form of
    // arccos divides by zero; its angle is simply 0 or 180 degrees.
    constexpr double kRounding = 1e-12;
    std::optional<double> a;
    if (std::fabs(y) >= 1.0 && std::fabs(y) <= 1.0 + kRounding) {
        a = y > 0 ? 0.0 : 2.0 * std::atan(1.0) * 2.0;
    } else {
        a = arccos(y);
    }
    if (!a) {
        return {};
    }
    const double azimuth = *a * K;
    const double bearing = std::sin(lon1 - lon2) > 0 ? azimuth : 360.0 - azimuth;
    const double miles = *central * kMilesPerRadian;
    if (!std::isfinite(bearing) || !std::isfinite(miles)) {
        return {};
    }
    return {wholeNumber(bearing, false) + " ", wholeNumber(miles, true) + " "};
}

} // namespace qv
