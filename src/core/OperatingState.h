#pragma once

#include "base/DateTime.h"
#include "core/DxEntityList.h"
#include "core/MultiplierTable.h"

#include <array>
#include <cstdint>
#include <string>

namespace qv {

// The main window's current band, mode, frequency, operating clock and totals.
struct OperatingState {
    std::string currentBand = "40";
    std::string currentMode = "PH";
    std::string currentFrequency;

    bool timeOn = false;
    DateTime timeOnStart;
    float operatingSeconds = 0;
    float operatingSecondsNow = 0;

    std::int32_t totalPoints = 0;
    std::array<bool, MultiplierTable::kSize> multiplierWorked{};
    // Contacts counted into each multiplier, for the words a screen reader says
    // about it.
    std::array<std::int32_t, MultiplierTable::kSize> multiplierContacts{};
    // The traditional list held 1000 names; this one grows, so that every entity
    // worked keeps counting as a multiplier.
    DxEntityList dxWorked;
};

} // namespace qv
