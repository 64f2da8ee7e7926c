#pragma once

// The bands the contest is worked on, in the band menu's order, with what each
// is called in the Cabrillo entry.

#include <array>
#include <optional>
#include <string_view>

namespace qv {

struct Band {
    std::string_view text;              // as logged: metres, "70" for 70 cm
    std::string_view cabrilloFrequency; // the QSO line's frequency column
};

inline constexpr std::array<Band, 9> kBands = {{{"160", " 1800"},
                                                {"80", " 3500"},
                                                {"40", " 7000"},
                                                {"20", "14000"},
                                                {"15", "21000"},
                                                {"10", "28000"},
                                                {"6", "50"},
                                                {"2", "144"},
                                                {"70", "432"}}};

// The band that a text names exactly, if any.
inline const Band* findBand(std::string_view text) {
    for (const Band& band : kBands) {
        if (band.text == text) {
            return &band;
        }
    }
    return nullptr;
}

// The band label steps through these and back to the first; 160 m is reached
// only from the radio, and a click there changes nothing.
inline std::optional<std::string_view> nextBandOfLabel(std::string_view current) {
    constexpr std::size_t kFirst = 1; // 80 m
    for (std::size_t i = kFirst; i < kBands.size(); ++i) {
        if (kBands[i].text == current) {
            return kBands[i + 1 < kBands.size() ? i + 1 : kFirst].text;
        }
    }
    return std::nullopt;
}

} // namespace qv
