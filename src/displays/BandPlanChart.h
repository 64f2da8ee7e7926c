#pragma once

// The band privileges chart for one licence class, as data the window paints: a
// bar per band the class may use, a name tag beside each bar, and a segment in
// front of the bar for each of the class's records, CW or phone.

#include "base/Colour.h"
#include "rig/BandPlan.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The class buttons in their order, with the class each draws and its title.
struct LicenceClassButton {
    std::string_view caption;
    std::string_view licenceClass;
    std::string_view title;
};
inline constexpr std::array<LicenceClassButton, 6> kLicenceClassButtons = {{
    {"Novice", "N", "Novice Frequency Privileges"},
    {"Technician", "T", "Technician Frequency Privileges"},
    {"Tech +", "P", "Technician Plus Frequency Privileges"},
    {"General", "G", "General Frequency Privileges"},
    {"Advanced", "A", "Advanced Frequency Privileges"},
    {"Extra", "E", "Extra Frequency Privileges"},
}};
// The class the window shows when it opens.
inline constexpr std::size_t kExtraClassButton = 5;

inline constexpr std::size_t kMaxChartBars = 20;

inline constexpr Colour kBarColour = rgb(0, 0, 0);
inline constexpr Colour kTagBack = rgb(255, 255, 0);
inline constexpr Colour kTagText = rgb(0, 0, 0);
inline constexpr Colour kCwBack = rgb(0, 0, 255);
inline constexpr Colour kCwText = rgb(255, 255, 255);
inline constexpr Colour kPhoneBack = rgb(0, 255, 0);
inline constexpr Colour kPhoneText = rgb(0, 0, 0);

// The window's size in pixels, the vertical position of the line under its
// header, and the factor the chart's fonts are scaled by.
struct ChartArea {
    double width = 0;
    double height = 0;
    double headerLineY = 0;
    double fontScale = 1;
};

// The screen width in twips (15 to the pixel) over the design width of 9600
// twips, at most 1.5.
double chartFontScale(int screenWidthPixels);

struct ChartBox {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// Black with a single border; the edges are those the segments are placed by.
struct BandBar {
    std::string band;
    float lowerMHz = 0;
    float upperMHz = 0;
    ChartBox box;
    std::string hover;
};

// Yellow, the band name in bold black, centred.
struct BandTag {
    ChartBox box;
    std::string text;
    std::string hover;
    double fontPoints = 0;
};

// The edges centred in the segment, with a single border.
struct PrivilegeSegment {
    std::size_t bar = 0; // index into the chart's bars
    bool cw = false;
    Colour back = kPhoneBack;
    Colour fore = kPhoneText;
    ChartBox box;
    std::string text;
    std::string hover;
    double fontPoints = 0;
};

struct BandPlanChart {
    std::string title;
    std::vector<BandBar> bars;
    std::vector<BandTag> tags; // one per bar, in the same order
    std::vector<PrivilegeSegment> segments;
};

// An edge in MHz as the chart writes it: three decimals, thousands separated
// ("1,240.000", "14.025").
std::string chartEdgeText(float mhz);

BandPlanChart chartForClass(const BandPlan& plan, const LicenceClassButton& button,
                            const ChartArea& area);

// What a screen reader says for the chart: each band with its segments.
std::string chartDescription(const BandPlanChart& chart);

} // namespace qv
