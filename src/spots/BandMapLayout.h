#pragma once

// The band maps as data: the scale of a band zoomed onto its spots, the five
// scale marks, and each shown spot's caption, tip, colour and place along the
// axis (0 at the axis start, 1 at its end). The windows only paint this.

#include "base/Colour.h"
#include "spots/SpotStore.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

struct BandRange {
    double low = 0;
    double high = 0;
};

// The main window's band map range of a band ("20" -> 14.0 to 14.35); 0 to 0
// for a band it does not know (70 cm included).
BandRange bandMapRange(std::string_view band);

// The label text colour of a spot by age in seconds; nothing at 3600 or more.
std::optional<Colour> spotAgeColour(std::int64_t ageSeconds);

struct Scale {
    double low = 0;
    double high = 0;
    std::array<std::string, 5> marks; // "#.000"
};
// Zooms range onto the spots of slots 1-49 strictly inside it (lowest - 0.001 to
// highest + 0.001) when there are two different frequencies, and writes the
// marks. The returned low and high are read back from marks 0 and 4.
Scale zoomedScale(const SpotStore& store, BandRange range);

struct SpotLabel {
    std::size_t slot = 0;
    std::string caption; // the slot's label
    std::string tip;     // call, two blanks, "#.000" MHz, two blanks, hh:mm:ss (UTC)
    Colour colour = 0;
    double position = 0; // along the axis, 0..1 (on the spectrum map slot 0, which the
                         // zoom does not look at, may lie off it)
    int row = 0;         // the spectrum map's band row; 0 on the main band map
};

struct BandMapLayout {
    Scale scale;
    std::vector<SpotLabel> labels; // newest first
};
// The main window's band map on band at now.
BandMapLayout layoutBandMap(const SpotStore& store, std::string_view band, const DateTime& now,
                            int utcOffsetHours);

// The spectrum map's eleven rows, 160 m to 2 m.
struct SpectrumRow {
    const char* band;
    BandRange range;
};
extern const std::array<SpectrumRow, 11> kSpectrumRows;

struct SpectrumLayout {
    std::array<Scale, 11> scales;
    std::vector<SpotLabel> labels; // newest first, row set
};
SpectrumLayout layoutSpectrum(const SpotStore& store, const DateTime& now, int utcOffsetHours);

} // namespace qv
