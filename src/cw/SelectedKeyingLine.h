#pragma once

#include "cw/KeyingSelection.h"
#include "cw/ParallelKeyingLine.h"
#include "cw/SerialKeyingLine.h"

#include <mutex>

namespace qv {

// The line the CW setup window's keying option chooses: RTS or DTR of the
// keying serial port, or the parallel port's control register. The keying
// thread sets it; the window changes the choice, and the line it leaves is put
// up first, so that a change of option can never leave the transmitter keyed.
class SelectedKeyingLine : public KeyingLine {
public:
    SelectedKeyingLine(SerialLink& serial, ParallelPort& parallel)
        : rts_(serial, SerialLine::Rts), dtr_(serial, SerialLine::Dtr), parallel_(parallel) {}

    Status set(KeyState state) override {
        const std::lock_guard lock(mutex_);
        KeyingLine* line = lineOf(selection_);
        return line ? line->set(state) : Status::success();
    }

    KeyingSelection selection() const {
        const std::lock_guard lock(mutex_);
        return selection_;
    }
    void select(KeyingSelection selection) {
        const std::lock_guard lock(mutex_);
        if (selection == selection_) {
            return;
        }
        if (KeyingLine* old = lineOf(selection_)) {
            (void)old->set(KeyState::Up);
        }
        selection_ = selection;
    }

private:
    KeyingLine* lineOf(KeyingSelection s) {
        switch (s) {
        case KeyingSelection::SerialRts:
            return &rts_;
        case KeyingSelection::SerialDtr:
            return &dtr_;
        case KeyingSelection::Parallel:
            return &parallel_;
        case KeyingSelection::None:
        case KeyingSelection::WinKeyer:
            break;
        }
        return nullptr;
    }

    mutable std::mutex mutex_;
    SerialKeyingLine rts_;
    SerialKeyingLine dtr_;
    ParallelKeyingLine parallel_;
    KeyingSelection selection_ = KeyingSelection::None;
};

} // namespace qv
