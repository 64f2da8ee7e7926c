#include "displays/RateGraph.h"

#include "base/DateTime.h"
#include "base/Numbers.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace qv {
namespace {

constexpr std::int64_t kRateWindowSeconds = 600;
constexpr int kLongestFilledGap = 15;
constexpr int kSmoothingColumns = 7;

std::optional<Colour> legendColour(const std::string& band) {
    for (const BandLegendEntry& e : kBandLegend) {
        if (band == e.band) {
            return e.colour;
        }
    }
    return std::nullopt;
}

std::string twoDigits(int v) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", v % 100);
    return text;
}

// Contacts counted in the 10 minutes up to contact k (itself included), walking
// back until the first one 10 minutes or more older; unreadable times are passed.
int countBack(const std::vector<std::optional<DateTime>>& times, std::size_t k) {
    int count = 0;
    for (std::size_t j = k + 1; j-- > 0;) {
        if (!times[j]) {
            continue;
        }
        if (times[k]->secondsSince(*times[j]) >= kRateWindowSeconds) {
            break;
        }
        ++count;
    }
    return count;
}

void fillShortGaps(RateGraph& g) {
    for (int i = 2; i <= kRateGraphColumns; ++i) {
        if (g.rate[i] != 0) {
            g.smooth[i] = g.rate[i];
            continue;
        }
        for (int j = i + 1; j <= i + kLongestFilledGap; ++j) {
            if (g.rate[j] > 0) {
                const float before = g.rate[i - 1];
                const float step = g.rate[j] - before;
                for (int m = i; m < j; ++m) {
                    g.rate[m] = before + float(m - i) * step / float(j - i);
                    g.smooth[m] = g.rate[m];
                }
                break;
            }
        }
    }
}

void smoothOverSeven(RateGraph& g) {
    for (int i = kSmoothingColumns; i <= kRateGraphColumns; ++i) {
        float sum = 0;
        int positive = 0;
        for (int j = i - kSmoothingColumns + 1; j <= i; ++j) {
            if (g.rate[j] > 0) {
                sum += g.rate[j];
                ++positive;
            }
        }
        if (positive > 0) {
            g.smooth[i] = sum / float(positive);
        }
    }
}

// A column with smoothed rate takes the band colour last seen where it has
// none of its own; a column without rate breaks the strip.
void carryColours(RateGraph& g, Colour background) {
    Colour last = background;
    for (int i = 1; i <= kRateGraphColumns; ++i) {
        if (g.smooth[i] > 0) {
            if (g.colour[i] == background) {
                g.colour[i] = last;
            } else {
                last = g.colour[i];
            }
        } else {
            last = background;
        }
    }
}

} // namespace

std::string formatRate(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", double(value));
    return text;
}

double RateGraph::heightShare(float value) const {
    return double(value - minimum) * 0.995 / double(maximum - minimum) + 0.0025;
}

RateGraph computeRateGraph(std::span<const ContactRecord> contacts, Colour background) {
    RateGraph g;
    const std::size_t n = contacts.size();
    if (n < kRateGraphMinimumContacts) {
        return g;
    }
    g.reached = RateGraph::Reached::Nothing;
    g.colour.fill(background);

    std::vector<std::optional<DateTime>> times;
    times.reserve(n);
    for (const ContactRecord& r : contacts) {
        times.push_back(parseLogDateTime(r.date, r.time));
    }
    if (!times.front() || !times.back()) {
        return g;
    }
    const DateTime first = *times.front();
    const std::int64_t span = times.back()->secondsSince(first);

    for (std::size_t i = 0; i < kRateGraphTimeLabels; ++i) {
        const DateTime t = first.addSeconds(
            roundHalfEven(double(i) * double(span) / double(kRateGraphTimeLabels - 1)));
        g.timeLabels[i] = t.hourMinuteText();
        g.dateLabels[i] = twoDigits(t.month()) + "/" + twoDigits(t.day());
    }
    g.reached = RateGraph::Reached::TimeAxis;
    // All contacts in one second: every column spans no time at all.
    if (span == 0) {
        return g;
    }
    const double columnSeconds = double(span) / kRateGraphColumns;

    g.rate[1] = 6;
    g.smooth[1] = 6;
    for (std::size_t k = 0; k < n; ++k) {
        if (!times[k]) {
            continue;
        }
        const std::int64_t column =
            k == 0 ? 1 : roundHalfEven(double(times[k]->secondsSince(first)) / columnSeconds);
        // A contact outside the log's first and last time has no column.
        if (column < 0 || column > kRateGraphColumns) {
            continue;
        }
        g.rate[column] = float(6 * countBack(times, k));
        if (const auto c = legendColour(contacts[k].band)) {
            g.colour[column] = *c;
        }
    }

    fillShortGaps(g);
    smoothOverSeven(g);
    for (int i = 1; i <= kRateGraphColumns; ++i) {
        g.minimum = std::min(g.minimum, g.smooth[i]);
        g.maximum = std::max(g.maximum, g.smooth[i]);
    }
    for (std::size_t i = 0; i < kRateGraphRateLabels; ++i) {
        const float v =
            g.minimum + float(i) * (g.maximum - g.minimum) / float(kRateGraphRateLabels - 1);
        g.rateLabels[i] = formatRate(i == kRateGraphRateLabels - 1 ? g.maximum : v);
    }
    carryColours(g, background);
    g.reached =
        g.maximum == g.minimum ? RateGraph::Reached::RateAxis : RateGraph::Reached::Complete;
    return g;
}

} // namespace qv
