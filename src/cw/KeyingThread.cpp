#include "cw/KeyingThread.h"

#include <cmath>

namespace qv {
namespace {

using Clock = std::chrono::steady_clock;

// The thread sleeps until this long before an edge and spins the rest, since a
// sleep may overrun by a scheduler tick.
constexpr auto kSpinBeforeEdge = std::chrono::milliseconds(2);

} // namespace

KeyingThread::KeyingThread(KeyingLine& line, Completion completion)
    : line_(line), completion_(std::move(completion)), thread_([this] { run(); }) {}

KeyingThread::~KeyingThread() {
    {
        const std::lock_guard lock(mutex_);
        quitting_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

Status KeyingThread::send(std::vector<KeyingElement> sequence) {
    for (const KeyingElement& e : sequence) {
        if (!std::isfinite(e.length.count()) || e.length.count() < 0) {
            return Status::failure("A keying element has no valid length (" +
                                   std::to_string(e.length.count()) + " ms).");
        }
    }
    {
        const std::lock_guard lock(mutex_);
        if (busy_) {
            return Status::failure("The keyer is still sending.");
        }
        pending_ = std::move(sequence);
        busy_ = true;
        stopRequested_ = false;
    }
    wake_.notify_all();
    return Status::success();
}

void KeyingThread::stop() {
    {
        const std::lock_guard lock(mutex_);
        if (!busy_) {
            return;
        }
        stopRequested_ = true;
    }
    wake_.notify_all();
}

bool KeyingThread::busy() const {
    const std::lock_guard lock(mutex_);
    return busy_;
}

void KeyingThread::run() {
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return busy_ || quitting_; });
        if (quitting_) {
            break;
        }
        const std::vector<KeyingElement> sequence = std::move(pending_);
        pending_.clear();
        const KeyingResult result = key(sequence, lock);
        busy_ = false;
        if (quitting_) {
            break;
        }
        lock.unlock();
        if (completion_) {
            completion_(result);
        }
        lock.lock();
    }
}

// Keys the sequence against deadlines counted from its start, so that the
// lateness of one edge never adds to the next. The line ends up on every path.
KeyingResult KeyingThread::key(const std::vector<KeyingElement>& sequence,
                               std::unique_lock<std::mutex>& lock) {
    KeyingResult result;
    bool down = false;
    const Clock::time_point start = Clock::now();
    KeyingMilliseconds elapsed{0};
    for (const KeyingElement& e : sequence) {
        if (stopRequested_ || quitting_) {
            result.outcome = KeyingOutcome::Stopped;
            break;
        }
        lock.unlock();
        const Status set = line_.set(e.state);
        lock.lock();
        if (!set.ok()) {
            result = {KeyingOutcome::LineFailed, set.message()};
            break;
        }
        down = e.state == KeyState::Down;
        elapsed += e.length;
        if (!waitUntil(start + std::chrono::duration_cast<Clock::duration>(elapsed), lock)) {
            result.outcome = KeyingOutcome::Stopped;
            break;
        }
    }
    if (down || result.outcome != KeyingOutcome::Sent) {
        lock.unlock();
        const Status up = line_.set(KeyState::Up);
        lock.lock();
        if (!up.ok()) {
            if (result.outcome == KeyingOutcome::Sent) {
                result.outcome = KeyingOutcome::LineFailed;
            }
            result.message += (result.message.empty() ? "" : " ") + up.message();
        }
    }
    return result;
}

// Waits for the deadline; false when a stop cut the wait short.
bool KeyingThread::waitUntil(Clock::time_point deadline, std::unique_lock<std::mutex>& lock) {
    const auto cut = [this] { return stopRequested_ || quitting_; };
    if (wake_.wait_until(lock, deadline - kSpinBeforeEdge, cut)) {
        return false;
    }
    lock.unlock();
    while (Clock::now() < deadline) {
    }
    lock.lock();
    return !cut();
}

} // namespace qv
