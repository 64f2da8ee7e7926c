#pragma once

#include "base/Status.h"

#include <string>
#include <string_view>
#include <vector>

namespace qv {

struct PrefixEntry {
    std::string prefix;
    std::string country;
    std::string continent;
    float longitude = 0; // degrees, west positive
    float latitude = 0;  // degrees, north positive
};

// The call-sign prefixes of arrlpre2.txt, numbered 1..size() in file order. Sorted
// so that prefixes with the same first character are contiguous and the blocks
// ascend (digits before letters).
class PrefixTable {
public:
    static constexpr const char* kFileName = "arrlpre2.txt";
    static constexpr std::size_t kCapacity = 2500;

    PrefixTable() = default;
    explicit PrefixTable(std::vector<PrefixEntry> entries) : entries_(std::move(entries)) {}

    // Reads the file's text: eight items a line (prefix, country, continent,
    // longitude, latitude and three ignored items). Fails on a bad line or more
    // than 2500 lines, leaving the table as it was.
    Status load(std::string_view text);

    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    // Entry k, 1 <= k <= size().
    const PrefixEntry& entry(std::size_t k) const { return entries_.at(k - 1); }
    const std::vector<PrefixEntry>& entries() const { return entries_; }

private:
    std::vector<PrefixEntry> entries_;
};

} // namespace qv
