#include "app/RecentContacts.h"

#include <algorithm>
#include <string>

namespace qv {

void RecentContacts::choose(std::optional<std::size_t> row) {
    chosen_ = row && *row < rows_.size() ? row : std::nullopt;
}

std::optional<std::size_t> RecentContacts::chosenRecord() const {
    if (!chosen_) {
        return std::nullopt;
    }
    const std::string& number = rows_[*chosen_].columns[0];
    const std::size_t k = std::strtoul(number.c_str(), nullptr, 10);
    return k > 0 ? std::optional<std::size_t>(k) : std::nullopt;
}

void RecentContacts::reset(std::vector<ListRow> rows, int sortColumn) {
    if (observer_) {
        observer_->beginReset();
    }
    rows_ = std::move(rows);
    sortColumn_ = sortColumn;
    chosen_.reset();
    if (observer_) {
        observer_->endReset();
    }
}

void RecentContacts::rebuild(const ContestLog& log) {
    const std::size_t n = log.size();
    const std::size_t first = (showAll || n < kLastCount) ? 1 : n - (kLastCount - 1);
    std::vector<ListRow> rows;
    rows.reserve(n - first + 1);
    for (std::size_t k = n; k >= first && k >= 1; --k) {
        rows.push_back(listRowFor(k, log.record(k)));
    }
    reset(std::move(rows), -1);
    rebuiltFor_ = n;
}

void RecentContacts::appended(const ContestLog& log) {
    const std::size_t n = log.size();
    if (rebuiltFor_ != n - 1 || n == 0) {
        rebuild(log);
        return;
    }
    rebuiltFor_ = n;
    if (!showAll && rows_.size() == kLastCount) {
        // A full last-20 list keeps its length: every row moves down one place.
        std::move_backward(rows_.begin(), rows_.end() - 1, rows_.end());
        rows_.front() = listRowFor(n, log.record(n));
        chosen_ =
            chosen_ && *chosen_ + 1 < rows_.size() ? std::optional(*chosen_ + 1) : std::nullopt;
        if (observer_) {
            observer_->shiftedDown();
        }
        return;
    }
    if (observer_) {
        observer_->beginInsert(0, 1);
    }
    rows_.insert(rows_.begin(), listRowFor(n, log.record(n)));
    if (chosen_) {
        ++*chosen_;
    }
    if (observer_) {
        observer_->endInsert();
    }
    if (!showAll && rows_.size() > kLastCount) {
        const std::size_t last = rows_.size() - 1;
        if (observer_) {
            observer_->beginRemove(last, 1);
        }
        rows_.pop_back();
        if (chosen_ == last) {
            chosen_.reset();
        }
        if (observer_) {
            observer_->endRemove();
        }
    }
}

void RecentContacts::clear() {
    reset({}, -1);
    rebuiltFor_.reset();
}

void RecentContacts::add(ListRow row) {
    if (observer_) {
        observer_->beginInsert(rows_.size(), 1);
    }
    rows_.push_back(std::move(row));
    rebuiltFor_.reset();
    if (observer_) {
        observer_->endInsert();
    }
}

void RecentContacts::sortBy(int column) {
    if (column < 0 || column >= static_cast<int>(kLogListColumns)) {
        return;
    }
    const auto c = static_cast<std::size_t>(column);
    std::vector<ListRow> rows = rows_;
    std::stable_sort(rows.begin(), rows.end(), [c](const ListRow& a, const ListRow& b) {
        return a.columns[c] < b.columns[c];
    });
    reset(std::move(rows), column);
    rebuiltFor_.reset();
}

} // namespace qv
