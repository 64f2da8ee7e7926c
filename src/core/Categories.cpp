#include "core/Categories.h"

#include "base/Cp1252.h"

namespace qv {

bool isCategory(std::string_view text, bool ignoreCase) {
    for (std::string_view category : kCategories) {
        if (ignoreCase ? equalsIgnoreCase(text, category) : text == category) {
            return true;
        }
    }
    return false;
}

} // namespace qv
