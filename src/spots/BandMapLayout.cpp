#include "spots/BandMapLayout.h"

#include "base/Numbers.h"
#include "rig/BandConversion.h"

#include <charconv>
#include <cmath>

namespace qv {
namespace {

struct BandMapBand {
    std::string_view band;
    BandRange range;
};

constexpr std::array<BandMapBand, 10> kBandMapBands = {{
    {"160", {1.8, 2.0}},
    {"80", {3.5, 4.0}},
    {"40", {7.0, 7.3}},
    {"20", {14.0, 14.35}},
    {"15", {21.0, 21.45}},
    {"10", {28.0, 29.7}},
    {"6", {50, 54}},
    {"2", {144, 148}},
    {"1.25", {219, 225}},
    {"440", {420, 450}},
}};

constexpr std::int64_t kShownSeconds = 3600;

// Three decimals, no leading zero: 14.0239996 -> "14.024", 0.5 -> ".500".
std::string markText(double value) {
    if (!std::isfinite(value)) {
        value = 0;
    }
    char buffer[400];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3).ptr;
    std::string text(buffer, end);
    const bool negative = text[0] == '-';
    std::size_t digits = negative ? 1 : 0;
    if (text.compare(digits, 2, "0.") == 0) {
        text.erase(digits, 1);
    }
    if (negative && text.find_first_not_of("-.0") == std::string::npos) {
        text.erase(0, 1); // -0.0001 shows as .000
    }
    return text;
}

bool strictlyInside(float frequencyMHz, double low, double high) {
    const double f = frequencyMHz;
    return f > low && f < high;
}

double along(float frequencyMHz, const Scale& scale) {
    const double span = scale.high - scale.low;
    return span > 0 ? (static_cast<double>(frequencyMHz) - scale.low) / span : 0.0;
}

SpotLabel labelOf(std::size_t slot, const SpotRecord& record, int utcOffsetHours) {
    SpotLabel label;
    label.slot = slot;
    label.caption = record.label;
    label.tip = record.call + "  " + frequencyText(record.frequencyMHz) + "  ";
    if (record.received) {
        label.tip += record.received->addSeconds(std::int64_t{utcOffsetHours} * 3600).timeText();
    }
    return label;
}

} // namespace

const std::array<SpectrumRow, 11> kSpectrumRows = {{
    {"160", {1.8, 2.0}},
    {"80", {3.5, 4.0}},
    {"40", {7.0, 7.3}},
    {"30", {10.1, 10.15}},
    {"20", {14.0, 14.35}},
    {"17", {18.068, 18.168}},
    {"15", {21.0, 21.45}},
    {"12", {24.89, 24.99}},
    {"10", {28.0, 29.7}},
    {"6", {50, 54}},
    {"2", {144, 148}},
}};

BandRange bandMapRange(std::string_view band) {
    for (const BandMapBand& b : kBandMapBands) {
        if (b.band == band) {
            return b.range;
        }
    }
    return {};
}

std::optional<Colour> spotAgeColour(std::int64_t ageSeconds) {
    if (ageSeconds < 600) {
        return rgb(255, 255, 128);
    }
    if (ageSeconds < 1800) {
        return rgb(255, 255, 255);
    }
    if (ageSeconds < kShownSeconds) {
        return rgb(192, 192, 192);
    }
    return std::nullopt;
}

Scale zoomedScale(const SpotStore& store, BandRange range) {
    // Slot 0 is not looked at: it is about to go.
    bool found = false;
    float lowest = 0;
    float highest = 0;
    for (std::size_t i = 1; i < SpotStore::kSlots; ++i) {
        const float f = store.slot(i).frequencyMHz;
        if (!strictlyInside(f, range.low, range.high)) {
            continue;
        }
        if (!found || f < lowest) {
            lowest = f;
        }
        if (!found || f > highest) {
            highest = f;
        }
        found = true;
    }
    double low = range.low;
    double high = range.high;
    if (found && highest > lowest) {
        low = static_cast<double>(lowest) - 0.001;
        high = static_cast<double>(highest) + 0.001;
    }
    Scale scale;
    for (std::size_t k = 0; k < scale.marks.size(); ++k) {
        scale.marks[k] = markText(low + static_cast<double>(k) * 0.25 * (high - low));
    }
    // The spots are placed on the scale as its marks read.
    scale.low = leadingNumber(scale.marks.front());
    scale.high = leadingNumber(scale.marks.back());
    return scale;
}

BandMapLayout layoutBandMap(const SpotStore& store, std::string_view band, const DateTime& now,
                            int utcOffsetHours) {
    BandMapLayout layout;
    layout.scale = zoomedScale(store, bandMapRange(band));
    for (std::size_t i = SpotStore::kSlots; i-- > 0;) {
        const SpotRecord& record = store.slot(i);
        if (!strictlyInside(record.frequencyMHz, layout.scale.low, layout.scale.high) ||
            !record.received) {
            continue;
        }
        const std::optional<Colour> colour = spotAgeColour(now.secondsSince(*record.received));
        if (!colour) {
            break; // every older slot is older still
        }
        SpotLabel label = labelOf(i, record, utcOffsetHours);
        label.colour = *colour;
        label.position = along(record.frequencyMHz, layout.scale);
        layout.labels.push_back(std::move(label));
    }
    return layout;
}

SpectrumLayout layoutSpectrum(const SpotStore& store, const DateTime& now, int utcOffsetHours) {
    SpectrumLayout layout;
    for (std::size_t k = 0; k < kSpectrumRows.size(); ++k) {
        layout.scales[k] = zoomedScale(store, kSpectrumRows[k].range);
    }
    for (std::size_t i = SpotStore::kSlots; i-- > 0;) {
        const SpotRecord& record = store.slot(i);
        if (!record.received) {
            continue;
        }
        const std::optional<Colour> colour = spotAgeColour(now.secondsSince(*record.received));
        if (!colour) {
            break; // every older slot is older still
        }
        // The row is chosen by the band's fixed range, the place on it by the
        // zoomed scale; slot 0, which the zoom does not look at, may lie off it.
        for (std::size_t k = 0; k < kSpectrumRows.size(); ++k) {
            const BandRange& fixed = kSpectrumRows[k].range;
            if (strictlyInside(record.frequencyMHz, fixed.low, fixed.high)) {
                SpotLabel label = labelOf(i, record, utcOffsetHours);
                label.colour = *colour;
                label.position = along(record.frequencyMHz, layout.scales[k]);
                label.row = static_cast<int>(k);
                layout.labels.push_back(std::move(label));
                break;
            }
        }
    }
    return layout;
}

} // namespace qv
