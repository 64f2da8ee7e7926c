#pragma once

// Duplicates on the band, the prefill from earlier contacts, the partial-duplicate
// list while the call is typed, and the hold after a duplicate.

#include "core/MainContext.h"

#include <cstdint>

namespace qv {

class DupChecker {
public:
    static constexpr std::uint32_t kHoldMs = 3000;

    explicit DupChecker(MainContext& c) : c_(c) {}

    // DupCheck of the call field on the current band. Fills an empty name, SPC and
    // category from the earliest earlier contact of the call; on a duplicate shows
    // its message, empties the entry line and returns true.
    bool DupCheck();

    // The partial-duplicate list for a key typed in the call field (kNone once the
    // key was consumed), then the call-shape hint.
    void PartialDupes(int key);

    // Set by the last check until the hold after it has passed.
    bool duplicateFlag() const { return flag_; }
    std::uint32_t duplicateTimeMs() const { return timeMs_; }
    void clearFlag() { flag_ = false; }

    // The switch of cmdDup.
    void cmdDup_Click();

private:
    MainContext& c_;
    bool flag_ = false;
    std::uint32_t timeMs_ = 0;
};

} // namespace qv
