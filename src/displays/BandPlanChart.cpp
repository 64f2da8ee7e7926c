#include "displays/BandPlanChart.h"

#include "rig/BandConversion.h"

#include <algorithm>
#include <cmath>

namespace qv {
namespace {

constexpr double kTwipsPerPixel = 15;
constexpr double kDesignWidthTwips = 9600;
constexpr double kMaxFontScale = 1.5;

constexpr double kBarLeft = 0.1;
constexpr double kBarWidth = 0.85;
constexpr double kBarHeight = 0.04;
constexpr double kBarSpread = 0.8; // of the height below the header line
constexpr double kTagLeft = 0.04;
constexpr double kTagWidth = 0.05;
constexpr double kTagPoints = 8;
constexpr double kSegmentPoints = 7;

std::string edgesText(float lowerMHz, float upperMHz) {
    return chartEdgeText(lowerMHz) + " - " + chartEdgeText(upperMHz);
}

// Whether the band group that the "O" row at index first opens holds a row of
// the class; the group ends at the first row of another band.
bool groupHoldsClass(const std::vector<BandPlanRow>& rows, std::size_t first,
                     std::string_view licenceClass) {
    for (std::size_t i = first + 1; i < rows.size() && rows[i].band == rows[first].band; ++i) {
        if (rows[i].licenceClass == licenceClass) {
            return true;
        }
    }
    return false;
}

// A bar's edges are those of the first record of its band, normally its "O" row.
const BandPlanRow& firstOfBand(const std::vector<BandPlanRow>& rows, const std::string& band) {
    return *std::find_if(rows.begin(), rows.end(),
                         [&](const BandPlanRow& row) { return row.band == band; });
}

std::vector<BandBar> barsFor(const BandPlan& plan, std::string_view licenceClass,
                             const ChartArea& area) {
    std::vector<BandBar> bars;
    for (std::size_t i = 0; i < plan.rows.size() && bars.size() < kMaxChartBars; ++i) {
        if (plan.rows[i].licenceClass != "O" || !groupHoldsClass(plan.rows, i, licenceClass)) {
            continue;
        }
        const BandPlanRow& edges = firstOfBand(plan.rows, plan.rows[i].band);
        BandBar bar;
        bar.band = plan.rows[i].band;
        bar.lowerMHz = edges.lowerMHz;
        bar.upperMHz = edges.upperMHz;
        bar.hover = bar.band + "  " + edgesText(bar.lowerMHz, bar.upperMHz);
        bars.push_back(std::move(bar));
    }
    if (bars.empty()) {
        return bars;
    }
    // Spread over the area below the header line, the first bar one step down.
    const double step = kBarSpread * (area.height - area.headerLineY) / double(bars.size());
    for (std::size_t i = 0; i < bars.size(); ++i) {
        bars[i].box = {kBarLeft * area.width, area.headerLineY + double(i + 1) * step,
                       kBarWidth * area.width, kBarHeight * area.height};
    }
    return bars;
}

std::vector<PrivilegeSegment> segmentsFor(const BandPlan& plan, std::string_view licenceClass,
                                          const std::vector<BandBar>& bars, double fontScale) {
    std::vector<PrivilegeSegment> segments;
    for (const BandPlanRow& row : plan.rows) {
        if (row.licenceClass != licenceClass) {
            continue;
        }
        for (std::size_t b = 0; b < bars.size(); ++b) {
            const BandBar& bar = bars[b];
            const double span = double(bar.upperMHz) - double(bar.lowerMHz);
            // A bar without width has no scale to place a segment on.
            if (bar.band != row.band || !(span > 0) || !std::isfinite(span)) {
                continue;
            }
            PrivilegeSegment s;
            s.bar = b;
            s.cw = row.mode == "CW";
            s.back = s.cw ? kCwBack : kPhoneBack;
            s.fore = s.cw ? kCwText : kPhoneText;
            s.box = {bar.box.left + bar.box.width * (double(row.lowerMHz) - bar.lowerMHz) / span,
                     bar.box.top,
                     bar.box.width * (double(row.upperMHz) - double(row.lowerMHz)) / span,
                     bar.box.height};
            s.text = edgesText(row.lowerMHz, row.upperMHz);
            s.hover = (s.cw ? "CW  " : "PH  ") + s.text;
            s.fontPoints = kSegmentPoints * fontScale;
            segments.push_back(std::move(s));
        }
    }
    return segments;
}

} // namespace

double chartFontScale(int screenWidthPixels) {
    return std::min(screenWidthPixels * kTwipsPerPixel / kDesignWidthTwips, kMaxFontScale);
}

std::string chartEdgeText(float mhz) {
    std::string text = frequencyText(mhz);
    const std::size_t wholeStart = text.starts_with('-') ? 1 : 0;
    const std::size_t point = text.find('.');
    for (std::size_t at = point; at > wholeStart + 3; at -= 3) {
        text.insert(at - 3, 1, ',');
    }
    return text;
}

BandPlanChart chartForClass(const BandPlan& plan, const LicenceClassButton& button,
                            const ChartArea& area) {
    BandPlanChart chart;
    chart.title = button.title;
    chart.bars = barsFor(plan, button.licenceClass, area);
    for (const BandBar& bar : chart.bars) {
        chart.tags.push_back(
            {{kTagLeft * area.width, bar.box.top, kTagWidth * area.width, bar.box.height},
             bar.band,
             bar.hover,
             kTagPoints * area.fontScale});
    }
    chart.segments = segmentsFor(plan, button.licenceClass, chart.bars, area.fontScale);
    return chart;
}

std::string chartDescription(const BandPlanChart& chart) {
    std::string text = chart.title + ".";
    for (std::size_t b = 0; b < chart.bars.size(); ++b) {
        text += "\n" + chart.bars[b].band + ":";
        const char* separator = " ";
        for (const PrivilegeSegment& s : chart.segments) {
            if (s.bar == b) {
                text += separator + std::string(s.cw ? "CW " : "Phone ") + s.text;
                separator = ", ";
            }
        }
    }
    return text;
}

} // namespace qv
