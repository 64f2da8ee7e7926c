#include "app/CountryCompletion.h"

#include "geo/CountryLookup.h"

namespace qv {

std::optional<std::size_t> completeCountryInBox(TextField& box, int key,
                                                const PrefixTable& prefixes, bool ignoreCase) {
    if (key < keys::kSpace || key > 255) {
        return std::nullopt;
    }
    const std::string typed = box.text.substr(0, box.caret()) + static_cast<char>(key);
    const auto k = completeCountry(prefixes, typed, ignoreCase);
    if (k) {
        const std::string& name = prefixes.entry(*k).country;
        box.text = typed + name.substr(typed.size());
        box.select(typed.size(), box.text.size() - typed.size());
    }
    return k;
}

} // namespace qv
