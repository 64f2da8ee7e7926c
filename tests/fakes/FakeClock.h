#pragma once

#include "platform/Clock.h"

namespace qv::test {

// A clock that shows what the test sets.
class FakeClock : public Clock {
public:
    DateTime local = *DateTime::fromFields(2007, 1, 13, 9, 0, 0);
    DateTime utc = *DateTime::fromFields(2007, 1, 13, 14, 0, 0);
    std::uint32_t ms = 0;

    DateTime localNow() override { return local; }
    DateTime utcNow() override { return utc; }
    std::uint32_t milliseconds() override { return ms; }

    void setLocal(int y, int mo, int d, int h, int mi, int s) {
        local = *DateTime::fromFields(y, mo, d, h, mi, s);
    }
};

} // namespace qv::test
