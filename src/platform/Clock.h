#pragma once

#include "base/DateTime.h"

#include <cstdint>

namespace qv {

// The computer's clocks.
class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime localNow() = 0;
    virtual DateTime utcNow() = 0;
    // Milliseconds since an arbitrary start; wraps like a 32-bit tick counter.
    virtual std::uint32_t milliseconds() = 0;
};

} // namespace qv
