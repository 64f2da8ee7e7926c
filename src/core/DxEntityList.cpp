#include "core/DxEntityList.h"

#include "base/Cp1252.h"

namespace qv {

bool DxEntityList::contains(std::string_view name) const {
    return keys_.count(toUpper(name)) != 0;
}

bool DxEntityList::add(std::string_view name) {
    if (!keys_.insert(toUpper(name)).second) {
        return false;
    }
    names_.emplace_back(name);
    return true;
}

void DxEntityList::clear() {
    names_.clear();
    keys_.clear();
}

} // namespace qv
