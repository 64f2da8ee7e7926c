#pragma once

#include "platform/Timer.h"

namespace qv {

// Timers on QTimer, firing on the thread that created them.
class QtTimers : public Timers {
public:
    using Timers::create;
    std::unique_ptr<Timer> create() override;
};

} // namespace qv
