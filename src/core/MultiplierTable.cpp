#include "core/MultiplierTable.h"

#include <cstdint>

namespace qv {

const std::array<Multiplier, MultiplierTable::kSize>& MultiplierTable::entries() {
    static constexpr std::array<Multiplier, kSize> kEntries = {{
        {"CT", "Connecticut"},
        {"MA", "Massachusetts"},
        {"ME", "Maine"},
        {"NH", "New Hampshire"},
        {"RI", "Rhode Island"},
        {"VT", "Vermont"},
        {"NY", "New York"},
        {"NJ", "New Jersey"},
        {"DE", "Delaware"},
        {"PA", "Pennsylvania"},
        {"MD", "Maryland"},
        {"AL", "Alabama"},
        {"GA", "Georgia"},
        {"KY", "Kentucky"},
        {"NC", "North Carolina"},
        {"FL", "Florida"},
        {"SC", "South Carolina"},
        {"TN", "Tennessee"},
        {"VA", "Virginia"},
        {"AR", "Arkansas"},
        {"LA", "Louisiana"},
        {"MS", "Mississippi"},
        {"NM", "New Mexico"},
        {"TX", "Texas"},
        {"OK", "Oklahoma"},
        {"CA", "California"},
        {"HI", "Hawaii"},
        {"AZ", "Arizona"},
        {"WA", "Washington"},
        {"ID", "Idaho"},
        {"MT", "Montana"},
        {"NV", "Nevada"},
        {"OR", "Oregon"},
        {"UT", "Utah"},
        {"WY", "Wyoming"},
        {"AK", "Alaska"},
        {"MI", "Michigan"},
        {"OH", "Ohio"},
        {"WV", "West Virginia"},
        {"IL", "Illinois"},
        {"IN", "Indiana"},
        {"WI", "Wisconsin"},
        {"CO", "Colorado"},
        {"IA", "Iowa"},
        {"KS", "Kansas"},
        {"MN", "Minnesota"},
        {"MO", "Missouri"},
        {"NE", "Nebraska"},
        {"ND", "North Dakota"},
        {"SD", "South Dakota"},
        {"NB", "New Brunswick"},
        {"NS", "Nova Scotia"},
        {"QU", "Quebec"},
        {"ON", "Ontario"},
        {"MB", "Manitoba"},
        {"SK", "Saskatchewan"},
        {"AB", "Alberta"},
        {"BC", "British Columbia"},
        {"NT", "Northern Territories"},
        {"NF", "Newfoundland"},
        {"LB", "Labrador"},
        {"PE", "Prince Edward"},
    }};
    return kEntries;
}

namespace {

// Entry numbers by the two letters of an abbreviation (A-Z each, either case), so
// a lookup is two index operations: every contact loaded passes here.
class LetterIndex {
public:
    explicit LetterIndex(const std::array<Multiplier, MultiplierTable::kSize>& entries) {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const auto a = slot(entries[i].abbreviation[0]);
            const auto b = slot(entries[i].abbreviation[1]);
            index_[*a][*b] = static_cast<std::uint8_t>(i + 1);
        }
    }
    std::optional<std::size_t> find(std::string_view spc) const {
        if (spc.size() != 2) {
            return std::nullopt;
        }
        const auto a = slot(spc[0]);
        const auto b = slot(spc[1]);
        if (!a || !b || index_[*a][*b] == 0) {
            return std::nullopt;
        }
        return index_[*a][*b];
    }

private:
    static std::optional<std::size_t> slot(char c) {
        if (c >= 'a' && c <= 'z') {
            return static_cast<std::size_t>(c - 'a');
        }
        if (c >= 'A' && c <= 'Z') {
            return static_cast<std::size_t>(c - 'A');
        }
        return std::nullopt;
    }
    std::array<std::array<std::uint8_t, 26>, 26> index_{};
};

} // namespace

std::optional<std::size_t> MultiplierTable::find(std::string_view spc) const {
    static const LetterIndex kIndex(entries());
    return kIndex.find(spc);
}

} // namespace qv
