#pragma once

// ADIFCnt.txt: country names with their DXCC entity numbers, one record a line
// ("name",number), read in the item syntax.

#include "base/Status.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace qv {

class AdifCountryTable {
public:
    static constexpr const char* kFileName = "ADIFCnt.txt";
    static constexpr std::size_t kCapacity = 1000;

    // Replaces the table with the file's records. Fails, leaving the table empty,
    // on a line that cannot be read, a record without a name and a whole number,
    // or more than 1000 records.
    Status load(std::string_view text);

    std::size_t size() const { return size_; }
    // The number of the first record whose name equals country (blanks around it
    // removed), ignoring case; 0 when there is none.
    std::int64_t dxccOf(std::string_view country) const;

private:
    std::size_t size_ = 0;
    std::unordered_map<std::string, std::int64_t> byUpperName_; // first record wins
};

} // namespace qv
