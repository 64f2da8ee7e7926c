#pragma once

#include "platform/Clock.h"
#include "platform/Timer.h"

#include <vector>

namespace qv::test {

// A clock that shows what the test sets, and the timers that run on it: time
// moves only when the test advances it, and every timer due by then fires, in
// the order of its deadline.
class FakeClock : public Clock, public Timers {
public:
    DateTime local = *DateTime::fromFields(2007, 1, 13, 9, 0, 0);
    DateTime utc = *DateTime::fromFields(2007, 1, 13, 14, 0, 0);
    std::uint32_t ms = 0;

    FakeClock() = default;
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;

    DateTime localNow() override { return local; }
    DateTime utcNow() override { return utc; }
    std::uint32_t milliseconds() override { return ms; }

    void setLocal(int y, int mo, int d, int h, int mi, int s) {
        local = *DateTime::fromFields(y, mo, d, h, mi, s);
    }

    using Timers::create;
    std::unique_ptr<Timer> create() override;

    // Moves every clock on by `milliseconds`, firing the timers that fall due.
    void advance(std::uint32_t milliseconds);

private:
    friend class FakeTimer;
    std::vector<class FakeTimer*> timers_;
    std::uint64_t elapsed_ = 0; // since the fake clock was made, never wraps
};

class FakeTimer : public Timer {
public:
    explicit FakeTimer(FakeClock& clock) : clock_(clock) { clock_.timers_.push_back(this); }
    ~FakeTimer() override;

    void setCallback(Callback callback) override { callback_ = std::move(callback); }
    void setInterval(std::uint32_t milliseconds) override { interval_ = milliseconds; }
    std::uint32_t interval() const override { return interval_; }
    void setSingleShot(bool singleShot) override { singleShot_ = singleShot; }
    void start() override;
    void stop() override { active_ = false; }
    bool active() const override { return active_; }

private:
    friend class FakeClock;
    FakeClock& clock_;
    Callback callback_;
    std::uint32_t interval_ = 0;
    bool singleShot_ = false;
    bool active_ = false;
    std::uint64_t due_ = 0;
};

} // namespace qv::test
