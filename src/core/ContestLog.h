#pragma once

#include "core/ContactRecord.h"

#include <cstddef>
#include <vector>

namespace qv {

// The contacts of the contest in logging order, numbered 1..size(); always equal
// to log.txt line for line.
class ContestLog {
public:
    static constexpr std::size_t kCapacity = 11000;

    ContestLog() { records_.reserve(kCapacity); }

    std::size_t size() const { return records_.size(); }
    bool empty() const { return records_.empty(); }
    bool full() const { return records_.size() >= kCapacity; }

    // Record number k, 1 <= k <= size().
    const ContactRecord& record(std::size_t k) const { return records_.at(k - 1); }
    const std::vector<ContactRecord>& records() const { return records_; }

    // False when the log is full.
    bool append(ContactRecord record);
    void clear() { records_.clear(); }
    void assign(std::vector<ContactRecord> records) { records_ = std::move(records); }
    // Removes record k; the later records move down one place.
    void remove(std::size_t k);
    void replace(std::size_t k, ContactRecord record);

private:
    std::vector<ContactRecord> records_;
};

} // namespace qv
