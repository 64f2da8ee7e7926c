#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace qv {

struct Multiplier {
    std::string_view abbreviation;
    std::string_view name;
};

// The 62 US states and Canadian provinces that count as multipliers, numbered
// 1..62 in their fixed order (1-50 US, 51-62 Canada).
class MultiplierTable {
public:
    static constexpr std::size_t kSize = 62;

    std::size_t size() const { return kSize; }
    // Entry j, 1 <= j <= 62.
    const Multiplier& entry(std::size_t j) const { return entries().at(j - 1); }
    // The entry number whose abbreviation equals spc, ignoring case.
    std::optional<std::size_t> find(std::string_view spc) const;

    static const std::array<Multiplier, kSize>& entries();
};

} // namespace qv
