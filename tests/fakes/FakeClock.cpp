#include "fakes/FakeClock.h"

#include <algorithm>

namespace qv::test {

std::unique_ptr<Timer> FakeClock::create() {
    return std::make_unique<FakeTimer>(*this);
}

void FakeClock::advance(std::uint32_t milliseconds) {
    const std::uint64_t end = elapsed_ + milliseconds;
    for (;;) {
        FakeTimer* next = nullptr;
        for (FakeTimer* t : timers_) {
            if (t->active_ && t->due_ <= end && (!next || t->due_ < next->due_)) {
                next = t;
            }
        }
        const std::uint64_t to = next ? next->due_ : end;
        // The date-times count whole seconds: they turn when a second is complete.
        const auto seconds = static_cast<std::int64_t>(to / 1000 - elapsed_ / 1000);
        ms += static_cast<std::uint32_t>(to - elapsed_);
        elapsed_ = to;
        local = local.addSeconds(seconds);
        utc = utc.addSeconds(seconds);
        if (!next) {
            return;
        }
        if (next->singleShot_) {
            next->active_ = false;
        } else {
            next->due_ += std::max<std::uint32_t>(next->interval_, 1);
        }
        if (next->callback_) {
            next->callback_();
        }
    }
}

FakeTimer::~FakeTimer() {
    auto& all = clock_.timers_;
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

void FakeTimer::start() {
    active_ = true;
    due_ = clock_.elapsed_ + interval_;
}

} // namespace qv::test
