#pragma once

// BandPlan.txt as the privileges window reads it when it opens.

#include "platform/Dialogs.h"
#include "platform/ShippedFiles.h"
#include "rig/BandPlan.h"

#include <optional>
#include <string_view>

namespace qv {

inline constexpr std::string_view kBandPlanFileName = "BandPlan.txt";
inline constexpr const char* kBandDataTitle = "Band Data Not Available.";
inline constexpr const char* kBandDataText = "Band data not available.";

// The plan, or nothing after telling the operator in a box: the file is missing,
// cannot be read, does not read as a band plan or holds more than 200 records.
std::optional<BandPlan> readBandPlanForChart(ShippedFiles& shipped, Dialogs& dialogs);

} // namespace qv
