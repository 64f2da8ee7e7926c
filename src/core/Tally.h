#pragma once

// The counting rules for points, multipliers and DX entities.

#include "core/OperatingState.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace qv {

// Longer than two characters and none of "Not Found", "USA", "Canada", "Alaska",
// "Hawaii" (ignoring case).
bool isDxEntity(std::string_view spc);
bool isNewDxEntity(const OperatingState& state, std::string_view spc);

// Number of US and Canadian multipliers worked.
std::int32_t usCanMultipliers(const OperatingState& state);
// US/Canadian multipliers plus DX entities.
std::int64_t multiplierCount(const OperatingState& state);

void resetTotals(OperatingState& state);

// totalPoints = totalPoints + points, rounded to the nearest integer.
void addPoints(OperatingState& state, double points);

struct CountEffect {
    bool newDxEntity = false;
    std::optional<std::size_t> newMultiplier; // table entry newly worked
};

// Counts one contact's SPC into the multipliers.
CountEffect countSpc(OperatingState& state, const MultiplierTable& table, std::string_view spc);

} // namespace qv
