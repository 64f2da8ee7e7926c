#pragma once

// The rate graph as data: contacts per hour over the whole log, one value per
// column of the plot, the band strip's colours and the axis labels. The window
// only paints what this computes.

#include "base/Colour.h"
#include "core/ContactRecord.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>

namespace qv {

inline constexpr int kRateGraphColumns = 1500;
// The gap filling looks up to 15 columns past the last one.
inline constexpr std::size_t kRateGraphSlots = kRateGraphColumns + 16;
inline constexpr std::size_t kRateGraphMinimumContacts = 7;
inline constexpr std::size_t kRateGraphTimeLabels = 15;
inline constexpr std::size_t kRateGraphRateLabels = 17;

inline constexpr Colour kGraphBlack = rgb(0, 0, 0);
inline constexpr Colour kGraphWhite = rgb(255, 255, 255);
inline constexpr Colour kGraphGrey = rgb(128, 128, 128);
inline constexpr Colour kGraphCurve = rgb(0, 0, 255);

// The band legend lblBnd(0..6): caption and colour. "160" and "70" have none.
struct BandLegendEntry {
    const char* band;
    Colour colour;
};
inline constexpr std::array<BandLegendEntry, 7> kBandLegend{{
    {"2", rgb(255, 255, 255)},
    {"80", rgb(0, 0, 255)},
    {"40", rgb(255, 0, 0)},
    {"20", rgb(0, 255, 0)},
    {"15", rgb(128, 255, 255)},
    {"10", rgb(255, 0, 255)},
    {"6", rgb(255, 255, 0)},
}};

struct RateGraph {
    // How far the drawing gets: a log with fewer than 7 contacts draws nothing;
    // all contacts in one second stop it after the time axis, and a flat curve
    // (maximum equal to minimum) after the rate axis, before any line is drawn.
    // A first or last contact whose date and time cannot be read draws nothing.
    enum class Reached { NotEnoughContacts, Nothing, TimeAxis, RateAxis, Complete };
    Reached reached = Reached::NotEnoughContacts;

    // Indexed by column 1..1500; slot 0 is the "column before the first" (0).
    std::array<float, kRateGraphSlots> rate{};
    std::array<float, kRateGraphSlots> smooth{};
    std::array<Colour, kRateGraphSlots> colour{};
    float minimum = 100000;
    float maximum = -1;

    std::array<std::string, kRateGraphTimeLabels> timeLabels; // lblTime, "hh:mm"
    std::array<std::string, kRateGraphTimeLabels> dateLabels; // lblDate, "MM/DD"
    std::array<std::string, kRateGraphRateLabels> rateLabels; // lblY, bottom to top

    // The height of value v above the plot's bottom line as a share of the plot's
    // height; only meaningful when the rate axis was reached with maximum > minimum.
    double heightShare(float value) const;
};

// Computes the graph from the contacts' date, time and band, in log order, on a
// plot whose background is background.
RateGraph computeRateGraph(std::span<const ContactRecord> contacts, Colour background);

// "###0.0": one decimal, at least one digit before the point.
std::string formatRate(float value);

} // namespace qv
