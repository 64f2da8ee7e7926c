#include "cw/KeyingThread.h"

#include "base/Numbers.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <pthread.h>
#include <sched.h>

namespace qv {
namespace {

using Clock = std::chrono::steady_clock;

// The thread sleeps until this long before an edge and spins the rest, since a
// sleep may overrun by a scheduler tick.
constexpr auto kSpinBeforeEdge = std::chrono::milliseconds(2);
// A character is reported finished this long before its closing key-up run
// ends, so the window's thread has this long to hand over the next one.
constexpr KeyingMilliseconds kHandoverLead(30);

// Edges are due to the millisecond: where the system grants it, a real-time
// priority keeps other programs from delaying them. Without the right the
// thread keys at its normal priority. Timer and Sleep wait between edges, so
// the thread never holds a processor for long. The counting loop holds one for
// the whole message instead: a real-time thread that never waits is throttled
// by the system (pauses of tens of milliseconds) and starves the window's
// thread, so the loop counts at the normal priority it was calibrated at.
void keyingPriority(TimingMethod method) {
    sched_param param{};
    if (method == TimingMethod::Loop) {
        (void)pthread_setschedparam(pthread_self(), SCHED_OTHER, &param);
    } else {
        param.sched_priority = 10;
        (void)pthread_setschedparam(pthread_self(), SCHED_FIFO, &param);
    }
}

bool validLength(double value) {
    return std::isfinite(value) && value >= 0;
}

} // namespace

KeyingThread::KeyingThread(KeyingLine& line, Completion completion, KeyingTimebase* timebase)
    : line_(line), completion_(std::move(completion)),
      ownTimebase_(timebase ? nullptr : std::make_unique<SteadyTimebase>()),
      timebase_(timebase ? *timebase : *ownTimebase_), thread_([this] { run(); }) {}

KeyingThread::~KeyingThread() {
    {
        const std::lock_guard lock(mutex_);
        quitting_ = true;
    }
    timebase_.interrupt();
    wake_.notify_all();
    thread_.join();
}

Status KeyingThread::send(std::vector<KeyingElement> sequence, KeyingTiming timing) {
    for (const KeyingElement& e : sequence) {
        if (!validLength(e.length.count())) {
            return Status::failure("A keying element has no valid length (" +
                                   std::to_string(e.length.count()) + " ms).");
        }
    }
    if (timing.method == TimingMethod::Loop && !validLength(timing.loopPasses)) {
        return Status::failure("The loop count is not valid.");
    }
    {
        const std::lock_guard lock(mutex_);
        if (busy_) {
            return Status::failure("The keyer is still sending.");
        }
        pending_ = std::move(sequence);
        pendingTiming_ = timing;
        busy_ = true;
        stopRequested_ = false;
        timebase_.resume();
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
    timebase_.interrupt();
}

void KeyingThread::halt() {
    stop();
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return !busy_; });
}

bool KeyingThread::busy() const {
    const std::lock_guard lock(mutex_);
    return busy_;
}

void KeyingThread::run() {
    std::optional<TimingMethod> priorityFor;
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return busy_ || quitting_; });
        if (quitting_) {
            break;
        }
        const std::vector<KeyingElement> sequence = std::move(pending_);
        pending_.clear();
        const KeyingTiming timing = pendingTiming_;
        lock.unlock();
        if (priorityFor != timing.method) {
            keyingPriority(timing.method);
            priorityFor = timing.method;
        }
        bool released = false;
        const KeyingResult result = key(sequence, timing, released);
        if (!released) {
            finish(result);
        }
        lock.lock();
    }
    busy_ = false;
    idle_.notify_all();
}

void KeyingThread::finish(const KeyingResult& result) {
    {
        const std::lock_guard lock(mutex_);
        busy_ = false;
        idle_.notify_all();
        if (quitting_) {
            return;
        }
    }
    if (completion_) {
        completion_(result);
    }
}

Status KeyingThread::setLine(KeyState state) {
    try {
        return line_.set(state);
    } catch (...) {
        return Status::failure("The keying line failed.");
    }
}

// Keys the sequence. With Timer every edge has an absolute deadline counted from
// the sequence's start, so that the lateness of one edge never adds to the next,
// and the sequence is reported finished a little before its closing key-up run
// ends: the next character, handed over meanwhile, then starts exactly when
// this one ends however late the window's thread was. The line ends up on every
// path, and is not touched again once the sequence has been reported.
KeyingResult KeyingThread::key(const std::vector<KeyingElement>& sequence,
                               const KeyingTiming& timing, bool& released) {
    KeyingResult result;
    bool down = false;
    const Clock::time_point start = timebase_.now();
    const auto at = [start](KeyingMilliseconds offset) {
        return start + std::chrono::duration_cast<Clock::duration>(offset);
    };

    // Where the closing key-up run begins, and when the hand-over may happen.
    KeyingMilliseconds total{0};
    KeyingMilliseconds trailingFrom{0};
    std::size_t firstTrailingUp = sequence.size();
    for (std::size_t i = 0; i < sequence.size(); ++i) {
        if (sequence[i].state == KeyState::Down) {
            firstTrailingUp = sequence.size();
        } else if (firstTrailingUp == sequence.size()) {
            firstTrailingUp = i;
            trailingFrom = total;
        }
        total += sequence[i].length;
    }
    const bool early = timing.method == TimingMethod::Timer && firstTrailingUp < sequence.size();
    const Clock::time_point releaseAt = at(std::max(trailingFrom, total - kHandoverLead));

    KeyingMilliseconds elapsed{0};
    for (std::size_t i = 0; i < sequence.size(); ++i) {
        const KeyingElement& e = sequence[i];
        if (cut()) {
            result.outcome = KeyingOutcome::Stopped;
            break;
        }
        if (!released) {
            const Status set = setLine(e.state);
            if (!set.ok()) {
                result = {KeyingOutcome::LineFailed, set.message(), {}};
                break;
            }
            down = e.state == KeyState::Down;
        }
        elapsed += e.length;
        switch (timing.method) {
        case TimingMethod::Timer: {
            const Clock::time_point deadline = at(elapsed);
            if (early && !released && i >= firstTrailingUp && deadline >= releaseAt) {
                timebase_.sleepUntil(releaseAt);
                if (!cut()) {
                    released = true;
                    finish({KeyingOutcome::Sent, {}, at(total)});
                }
            }
            timebase_.sleepUntil(deadline - kSpinBeforeEdge);
            if (!cut()) {
                timebase_.spinUntil(deadline);
            }
            break;
        }
        case TimingMethod::Sleep: {
            const auto ms = std::chrono::milliseconds(roundHalfEven(e.length.count()));
            timebase_.sleepUntil(timebase_.now() + ms);
            break;
        }
        case TimingMethod::Loop:
            timebase_.count(timing.loopPasses);
            break;
        }
        if (cut() && !released) {
            result.outcome = KeyingOutcome::Stopped;
            break;
        }
    }
    if (!released && (down || result.outcome != KeyingOutcome::Sent)) {
        const Status up = setLine(KeyState::Up);
        if (!up.ok()) {
            if (result.outcome == KeyingOutcome::Sent) {
                result.outcome = KeyingOutcome::LineFailed;
            }
            result.message += (result.message.empty() ? "" : " ") + up.message();
        }
    }
    result.endsAt = timebase_.now();
    return result;
}

} // namespace qv
