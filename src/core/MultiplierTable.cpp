#include "core/MultiplierTable.h"

#include "base/Cp1252.h"

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

std::optional<std::size_t> MultiplierTable::find(std::string_view spc) const {
    if (spc.size() != 2) {
        return std::nullopt;
    }
    const auto& all = entries();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (equalsIgnoreCase(all[i].abbreviation, spc)) {
            return i + 1;
        }
    }
    return std::nullopt;
}

} // namespace qv
