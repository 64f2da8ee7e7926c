#include "core/ContestLog.h"

#include <stdexcept>

namespace qv {

bool ContestLog::append(ContactRecord record) {
    if (full()) {
        return false;
    }
    records_.push_back(std::move(record));
    return true;
}

void ContestLog::remove(std::size_t k) {
    if (k < 1 || k > records_.size()) {
        throw std::out_of_range("ContestLog::remove");
    }
    records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(k - 1));
}

void ContestLog::replace(std::size_t k, ContactRecord record) {
    records_.at(k - 1) = std::move(record);
}

} // namespace qv
