#include "geo/CountryLookup.h"

#include "base/Cp1252.h"
#include "base/Numbers.h"
#include "geo/BearingDistance.h"

#include <cmath>

namespace qv {
namespace {

// The part after "/" when it is short enough to be a location prefix
// (W1AW/KH6 -> KH6), otherwise the whole call (W1AW/P, F/W1AW).
std::string_view workingCall(std::string_view call) {
    const auto slash = call.find('/');
    if (slash == std::string_view::npos) {
        return call;
    }
    const double n = static_cast<double>(call.size() - (slash + 1));
    if (n > 1 && n < static_cast<double>(call.size()) / 2.0) {
        return call.substr(slash + 1);
    }
    return call;
}

char firstChar(const PrefixEntry& e) {
    return e.prefix.empty() ? '\0' : e.prefix[0];
}

// The block search shared by both lookups: a starting estimate from the first
// character, a step back to the start of its block, then a scan in the direction
// of the block for the longest matching prefix. `index` maps the (possibly
// fractional) scan position to an entry number; nullopt when it leaves the table.
struct Match {
    std::size_t best = 0;
    bool failed = false;
};

template <typename Position, typename ToIndex, typename Equal, typename Less>
Match blockSearch(const PrefixTable& table, std::string_view w, Position start, ToIndex index,
                  Equal equal, Less less) {
    Match m;
    const std::size_t p = table.size();
    auto entryAt = [&](Position pos) -> const PrefixEntry* {
        const auto k = index(pos);
        if (k < 1 || k > p) {
            return nullptr;
        }
        return &table.entry(k);
    };
    const char c0 = w[0];
    Position i = start < 1 ? Position(1) : start;
    do {
        const PrefixEntry* e = entryAt(i);
        if (!e) {
            m.failed = true;
            return m;
        }
        if (!equal(firstChar(*e), c0)) {
            break;
        }
        i = i - 5;
        if (i < 1) {
            i = 1;
        }
    } while (i > 1);

    const PrefixEntry* at = entryAt(i);
    if (!at) {
        m.failed = true;
        return m;
    }
    const bool downwards = less(c0, firstChar(*at));
    std::size_t bestLen = 0;
    for (Position k = i; downwards ? k >= 1 : k <= static_cast<Position>(p);
         k = downwards ? k - 1 : k + 1) {
        const PrefixEntry* e = entryAt(k);
        if (!e) {
            m.failed = true;
            return m;
        }
        const std::string& prefix = e->prefix;
        if (prefix.size() <= w.size() && prefix.size() > bestLen) {
            bool same = true;
            for (std::size_t j = 0; j < prefix.size() && same; ++j) {
                same = equal(prefix[j], w[j]);
            }
            if (same) {
                m.best = index(k);
                bestLen = prefix.size();
            }
        }
        const char f = firstChar(*e);
        if (downwards ? less(f, c0) : less(c0, f)) {
            break;
        }
    }
    return m;
}

bool sameIgnoringCase(char a, char b) {
    return toUpper(a) == toUpper(b);
}
bool lessIgnoringCase(char a, char b) {
    return static_cast<unsigned char>(toUpper(a)) < static_cast<unsigned char>(toUpper(b));
}
bool sameExactly(char a, char b) {
    return a == b;
}
bool lessExactly(char a, char b) {
    return static_cast<unsigned char>(a) < static_cast<unsigned char>(b);
}

void clearLabels(GeoFields& fields) {
    fields.continent.clear();
    fields.bearing.clear();
    fields.distance.clear();
}

} // namespace

void entryFieldLookup(const PrefixTable& table, std::string_view callText, const OwnPosition& own,
                      GeoFields& fields) {
    const std::string upper = toUpper(workingCall(callText));
    const std::string_view w = upper;
    if (w.empty() || table.empty()) {
        return;
    }
    int c = static_cast<unsigned char>(w[0]);
    if (c < 65) {
        c = 65;
    }
    const auto p = static_cast<std::int64_t>(table.size());
    const std::int64_t start = p * (c - 64) / 26;
    const Match m = blockSearch(
        table, w, start, [](std::int64_t k) { return static_cast<std::size_t>(k < 0 ? 0 : k); },
        sameIgnoringCase, lessIgnoringCase);
    if (m.failed) {
        return; // the lookup ends silently, as for a character past "Z"
    }

    std::size_t best = m.best;
    std::string country = best > 0 ? table.entry(best).country : std::string();
    const bool home = equalsIgnoreCase(country, "USA") || equalsIgnoreCase(country, "Canada");
    if (home) {
        best = 0;
    }
    if (best > 0) {
        if (startsWithIgnoreCase(callText, "KG4") && callText.size() > 5) {
            // KG4 with a longer suffix is a US station, not Guantanamo Bay.
            country.clear();
            best = 0;
            for (std::size_t k = 1; k <= table.size(); ++k) {
                if (table.entry(k).country == "USA") {
                    best = k;
                    break;
                }
            }
        }
        if (equalsIgnoreCase(country, "Alaska")) {
            fields.spc = "AK";
        } else if (equalsIgnoreCase(country, "Hawaii")) {
            fields.spc = "HI";
        } else {
            fields.spc = country;
        }
        if (best > 0) {
            const PrefixEntry& e = table.entry(best);
            fields.continent = e.continent;
            const BearingDistance bd = HDCalc(own.latitude, own.longitude, e.latitude, e.longitude);
            fields.bearing = bd.bearing;
            fields.distance = bd.distance;
        } else {
            clearLabels(fields);
        }
    } else {
        if (!home) {
            fields.spc = "Not Found";
        }
        clearLabels(fields);
        if (home) {
            fields.continent = "NA";
        }
    }
    fields.spcSelectionStart = 0;
    fields.spcSelectionLength = fields.spc.size();
    if (fields.spc == "Not Found") {
        clearLabels(fields);
    }
}

std::string CountryyLookupForDXSpots(const PrefixTable& table, std::string_view call) {
    const std::string_view w = workingCall(call);
    if (w.empty() || table.empty()) {
        return {};
    }
    int c = static_cast<unsigned char>(w[0]);
    if (c < 65) {
        c = 65;
    }
    // The scan position is a single-precision number; an entry is reached by
    // rounding it to the nearest whole number, halves to even.
    const float start = static_cast<float>(table.size()) * static_cast<float>(c - 64) / 26.0f;
    const Match m = blockSearch(
        table, w, start,
        [](float k) {
            const auto n = roundHalfEven(static_cast<double>(k));
            return static_cast<std::size_t>(n < 0 ? 0 : n);
        },
        sameExactly, lessExactly);
    if (m.best == 0) {
        return {};
    }
    if (call.substr(0, 3) == "KG4" && call.size() > 5) {
        return "USA";
    }
    return table.entry(m.best).country;
}

std::optional<std::size_t> completeCountry(const PrefixTable& table, std::string_view typed,
                                           bool ignoreCase) {
    for (std::size_t k = table.size(); k >= 1; --k) {
        const std::string& name = table.entry(k).country;
        if (ignoreCase ? startsWithIgnoreCase(name, typed) : name.starts_with(typed)) {
            return k;
        }
    }
    return std::nullopt;
}

} // namespace qv
