#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace qv {

// Distinct DX entity names in order of first appearance, compared ignoring case.
class DxEntityList {
public:
    bool contains(std::string_view name) const;
    // False when an equal name (ignoring case) is already listed.
    bool add(std::string_view name);
    void clear();

    const std::vector<std::string>& names() const { return names_; }
    std::size_t count() const { return names_.size(); }

private:
    std::vector<std::string> names_;
    std::unordered_set<std::string> keys_; // upper-case names, for the membership test
};

} // namespace qv
