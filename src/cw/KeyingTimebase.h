#pragma once

// What the keying thread waits on: the monotonic clock, sleeps to an absolute
// time, a spin to an exact time and the counting loop. The program's is the
// steady clock; tests use one whose time moves only when it is waited on.

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace qv {

class KeyingTimebase {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~KeyingTimebase() = default;
    virtual TimePoint now() = 0;
    // Gives up the processor until deadline, or less once interrupted.
    virtual void sleepUntil(TimePoint deadline) = 0;
    // Busy-waits until deadline: exact, but holds the processor.
    virtual void spinUntil(TimePoint deadline) = 0;
    // Runs the counting loop for this many passes.
    virtual void count(double passes) = 0;
    // From any thread: wakes a sleep and makes sleeps return at once, until
    // resume().
    virtual void interrupt() = 0;
    virtual void resume() = 0;
};

// Counts a real number from 0 upward in steps of 1 until it is no longer below
// passes. The counter is volatile so that the compiler keeps the loop.
void countPasses(double passes);

class SteadyTimebase : public KeyingTimebase {
public:
    TimePoint now() override { return std::chrono::steady_clock::now(); }
    void sleepUntil(TimePoint deadline) override;
    void spinUntil(TimePoint deadline) override;
    void count(double passes) override { countPasses(passes); }
    void interrupt() override;
    void resume() override;

private:
    std::mutex mutex_;
    std::condition_variable wake_;
    bool interrupted_ = false;
};

} // namespace qv
