#include "app/DuplicateHold.h"

namespace qv {

DuplicateHold::DuplicateHold(Clock& clock, Timers& timers, bool& inputBlocked)
    : clock_(clock), inputBlocked_(inputBlocked), timer_(timers.create(
                                                      kHoldMs, [this] { releaseNow(); }, true)) {}

void DuplicateHold::found() {
    state_ = State::Flagged;
    since_ = clock_.milliseconds();
}

void DuplicateHold::clear() {
    if (state_ == State::Holding) {
        return; // a held key is still on its way into the field
    }
    state_ = State::Idle;
}

bool DuplicateHold::admit(int key) {
    if (state_ != State::Flagged) {
        return state_ == State::Idle;
    }
    // The tick counter wraps like a 32-bit counter: differences stay right.
    const std::uint32_t passed = clock_.milliseconds() - since_;
    if (passed >= kHoldMs) {
        state_ = State::Idle;
        return true;
    }
    state_ = State::Holding;
    heldKey_ = key;
    inputBlocked_ = true;
    timer_->setInterval(kHoldMs - passed);
    timer_->start();
    return false;
}

void DuplicateHold::releaseNow() {
    if (state_ != State::Holding) {
        return;
    }
    state_ = State::Idle;
    inputBlocked_ = false;
    if (release_) {
        release_(heldKey_);
    }
}

} // namespace qv
