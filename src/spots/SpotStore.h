#pragma once

// The 50 most recent DX spots regardless of band, slot 49 the newest and slot 0
// the oldest. Lives as long as the program; never saved.

#include "base/DateTime.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

struct SpotRecord {
    std::string call;                 // the spotted call as received
    float frequencyMHz = 0;           // 0: no longer shown
    std::optional<DateTime> received; // local time it was stored; none for an empty slot
    std::string label;                // the band-map prefix (spotLabel)
};

// The short prefix a band map shows for a call: W1AW -> W1, VP2/W1AW -> VP2,
// W1AW/3 -> W3, W1AW/P -> P; empty below three characters.
std::string spotLabel(std::string_view call);

class SpotStore {
public:
    static constexpr std::size_t kSlots = 50;

    // Stores a spot in slot 49, moving the others down one (slot 0's is lost),
    // then zeroes the frequency of the newest older entry of the same call among
    // slots 48 down to 1 (slot 0 is not examined).
    void add(std::string_view call, float frequencyMHz, const DateTime& now);
    // A left click on a band map: the slot's spot is no longer shown.
    void remove(std::size_t slot);

    const SpotRecord& slot(std::size_t i) const { return slots_[i]; }
    // (Not named "slots": Qt reserves that word.)
    const std::array<SpotRecord, kSlots>& records() const { return slots_; }

private:
    std::array<SpotRecord, kSlots> slots_{};
};

} // namespace qv
