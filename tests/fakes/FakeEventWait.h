#pragma once

#include "fakes/FakeClock.h"
#include "platform/EventWait.h"

#include <functional>
#include <vector>

namespace qv::test {

// Waits on the fake clock: a sleep moves it on (firing the timers that fall due)
// and is recorded; `onEvents` stands for the events a wait lets run.
class FakeEventWait : public EventWait {
public:
    explicit FakeEventWait(FakeClock& clock) : clock_(clock) {}

    void processEvents() override {
        ++eventRuns;
        if (onEvents) {
            onEvents();
        }
    }
    void sleep(std::uint32_t milliseconds) override {
        sleeps.push_back(milliseconds);
        clock_.advance(milliseconds);
    }

    std::vector<std::uint32_t> sleeps;
    int eventRuns = 0;
    std::function<void()> onEvents;

private:
    FakeClock& clock_;
};

} // namespace qv::test
