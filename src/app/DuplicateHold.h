#pragma once

// The hold after a duplicate, as one small state machine. The check that finds a
// duplicate flags it; the next key typed into the call field waits until three
// seconds after the duplicate, with the window taking no input meanwhile, and is
// then let into the field. Every new check clears the flag.

#include "platform/Clock.h"
#include "platform/Timer.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace qv {

class DuplicateHold {
public:
    static constexpr std::uint32_t kHoldMs = 3000;

    // inputBlocked is the window's flag: set while a key is held.
    DuplicateHold(Clock& clock, Timers& timers, bool& inputBlocked);

    // A duplicate was reported just now.
    void found();
    // The start of every duplicate check.
    void clear();
    bool flagged() const { return state_ != State::Idle; }
    bool holding() const { return state_ == State::Holding; }

    // A key for the call field. True: it goes in now (a hold that has already
    // passed clears the flag). False: it is held and handed to `release` once
    // the three seconds have passed.
    bool admit(int key);
    void onRelease(std::function<void(int key)> release) { release_ = std::move(release); }

private:
    enum class State { Idle, Flagged, Holding };
    void releaseNow();

    Clock& clock_;
    bool& inputBlocked_;
    std::unique_ptr<Timer> timer_;
    std::function<void(int)> release_;
    State state_ = State::Idle;
    std::uint32_t since_ = 0;
    int heldKey_ = 0;
};

} // namespace qv
