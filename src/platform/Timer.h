#pragma once

// Timers the logic owns: a window's clock tick, the rate tick, the hold after a
// duplicate, and the poll and watch timers of the subsystems. Each fires its
// callback on the user-interface thread.

#include <cstdint>
#include <functional>
#include <memory>

namespace qv {

class Timer {
public:
    using Callback = std::function<void()>;

    virtual ~Timer() = default;

    virtual void setCallback(Callback callback) = 0;
    virtual void setInterval(std::uint32_t milliseconds) = 0;
    virtual std::uint32_t interval() const = 0;
    // A single-shot timer fires once per start.
    virtual void setSingleShot(bool singleShot) = 0;
    // Starts, or restarts, counting the interval from now.
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool active() const = 0;
};

// Makes the timers; the program's are Qt timers, the tests' run on a fake clock.
class Timers {
public:
    virtual ~Timers() = default;
    virtual std::unique_ptr<Timer> create() = 0;

    // A timer with its interval and callback set, not yet started.
    std::unique_ptr<Timer> create(std::uint32_t milliseconds, Timer::Callback callback,
                                  bool singleShot = false) {
        std::unique_ptr<Timer> timer = create();
        timer->setInterval(milliseconds);
        timer->setSingleShot(singleShot);
        timer->setCallback(std::move(callback));
        return timer;
    }
};

} // namespace qv
