#pragma once

#include "cw/KeyingLine.h"

#include <chrono>
#include <mutex>
#include <optional>
#include <vector>

namespace qv::test {

// A keying line that timestamps every setting on the monotonic clock. The
// keying thread sets it while the test reads it.
class FakeKeyingLine : public KeyingLine {
public:
    struct Edge {
        KeyState state;
        std::chrono::steady_clock::time_point at;
    };

    // Key-downs after this many fail (key up still succeeds, so the line can be
    // left up).
    std::optional<int> failDownAfter;

    Status set(KeyState state) override {
        const std::lock_guard lock(mutex_);
        if (state == KeyState::Down && failDownAfter && downs_ >= *failDownAfter) {
            return Status::failure("line failed");
        }
        downs_ += state == KeyState::Down ? 1 : 0;
        edges_.push_back({state, std::chrono::steady_clock::now()});
        return Status::success();
    }

    std::vector<Edge> edges() const {
        const std::lock_guard lock(mutex_);
        return edges_;
    }
    KeyState state() const {
        const std::lock_guard lock(mutex_);
        return edges_.empty() ? KeyState::Up : edges_.back().state;
    }

private:
    mutable std::mutex mutex_;
    std::vector<Edge> edges_;
    int downs_ = 0;
};

} // namespace qv::test
