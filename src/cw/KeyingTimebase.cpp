#include "cw/KeyingTimebase.h"

namespace qv {

void countPasses(double passes) {
    volatile double i = 0;
    while (i < passes) {
        i = i + 1;
    }
}

void SteadyTimebase::sleepUntil(TimePoint deadline) {
    std::unique_lock lock(mutex_);
    // An absolute wait on the monotonic clock: lateness of one wait never adds
    // to the next.
    wake_.wait_until(lock, deadline, [this] { return interrupted_; });
}

void SteadyTimebase::spinUntil(TimePoint deadline) {
    while (std::chrono::steady_clock::now() < deadline) {
    }
}

void SteadyTimebase::interrupt() {
    {
        const std::lock_guard lock(mutex_);
        interrupted_ = true;
    }
    wake_.notify_all();
}

void SteadyTimebase::resume() {
    const std::lock_guard lock(mutex_);
    interrupted_ = false;
}

} // namespace qv
