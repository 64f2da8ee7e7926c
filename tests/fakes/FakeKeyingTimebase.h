#pragma once

#include "cw/KeyingTimebase.h"

#include <mutex>

namespace qv::test {

// A keying timebase whose time moves only when the keying thread waits: a
// sleep or a spin ends exactly at its deadline, and each pass of the counting
// loop takes msPerPass. Read from the test while the keying thread runs.
class FakeKeyingTimebase : public KeyingTimebase {
public:
    double msPerPass = 0.01;

    TimePoint now() override {
        const std::lock_guard lock(mutex_);
        return t_;
    }
    void sleepUntil(TimePoint deadline) override { moveTo(deadline); }
    void spinUntil(TimePoint deadline) override { moveTo(deadline); }
    void count(double passes) override {
        const std::lock_guard lock(mutex_);
        t_ += std::chrono::duration_cast<std::chrono::steady_clock::duration>(
            std::chrono::duration<double, std::milli>(passes * msPerPass));
    }
    void interrupt() override {}
    void resume() override {}

    // Milliseconds since the timebase was made.
    double elapsedMs() {
        const std::lock_guard lock(mutex_);
        return std::chrono::duration<double, std::milli>(t_ - TimePoint{}).count();
    }
    double msAt(TimePoint t) const {
        return std::chrono::duration<double, std::milli>(t - TimePoint{}).count();
    }

private:
    void moveTo(TimePoint deadline) {
        const std::lock_guard lock(mutex_);
        if (deadline > t_) {
            t_ = deadline;
        }
    }

    std::mutex mutex_;
    TimePoint t_{};
};

} // namespace qv::test
