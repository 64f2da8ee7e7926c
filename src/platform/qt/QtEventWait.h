#pragma once

#include "platform/EventWait.h"

namespace qv {

// Waits in a nested event loop, so the windows keep painting and queued events
// (a click, a timer) run meanwhile.
class QtEventWait : public EventWait {
public:
    void processEvents() override;
    void sleep(std::uint32_t milliseconds) override;
};

} // namespace qv
