#pragma once

// Between the radio's frequency in MHz and what the log uses: the band, the
// frequency text, the fixed CW/phone split, and the mode the band plan gives.
// Single-precision comparisons with the exact constants of the tables.

#include "rig/BandPlan.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The log's band whose open interval holds the frequency ("160" ... "2"), or
// nothing (60, 30, 17, 12 m, 70 cm, 0).
std::optional<std::string_view> bandForFrequency(float frequencyMHz);

// Three decimals without a leading zero: 14.025 -> "14.025", 7 -> "7.000",
// 0 -> ".000".
std::string frequencyText(float frequencyMHz);

// "CW" or "PH" from the fixed split, or nothing (the caller keeps its mode).
std::optional<std::string_view> FixedModeForFrequency(float frequencyMHz);

// The mode command the band plan gives: "CW", "USB", "LSB" or another text of the
// plan, or empty (no row, or 160 m). "PH" becomes "LSB" on 80, 60 and 40 m and
// "USB" elsewhere.
std::string BandPlanModeForFrequency(const std::vector<BandPlanRow>& extraRows, float frequencyMHz);

} // namespace qv
