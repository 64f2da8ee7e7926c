#pragma once

// Waits on the user-interface thread that let queued events run meanwhile, so the
// windows keep painting: the pauses between a radio's commands.

#include <cstdint>

namespace qv {

class EventWait {
public:
    virtual ~EventWait() = default;
    // Runs the events queued now, then returns.
    virtual void processEvents() = 0;
    // Returns once `milliseconds` have passed, running events meanwhile.
    virtual void sleep(std::uint32_t milliseconds) = 0;
};

// Where no waiting is wanted: returns at once.
class NoEventWait : public EventWait {
public:
    void processEvents() override {}
    void sleep(std::uint32_t) override {}
};

} // namespace qv
