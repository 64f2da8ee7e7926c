#pragma once

// Sends CW element sequences on a thread of its own, so that the window stays
// responsive while a character is keyed and the timing does not depend on the
// window's events. The user-interface thread hands over one sequence (one
// character) at a time and hears back through the completion callback.

#include "base/Status.h"
#include "cw/KeyingLine.h"
#include "cw/KeyingTimebase.h"
#include "cw/TimingMethod.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace qv {

using KeyingMilliseconds = std::chrono::duration<double, std::milli>;

// One element: the line is set to state, then held for length.
struct KeyingElement {
    KeyState state = KeyState::Up;
    KeyingMilliseconds length{0};
};

// How the elements of a sequence are timed. With Loop every element lasts
// loopPasses passes of the counting loop instead of its length.
struct KeyingTiming {
    TimingMethod method = TimingMethod::Timer;
    double loopPasses = 0;
};

enum class KeyingOutcome {
    Sent,       // every element was keyed and timed
    Stopped,    // stop() cut the sequence short
    LineFailed, // the line could not be set; message says why
};

struct KeyingResult {
    KeyingOutcome outcome = KeyingOutcome::Sent;
    std::string message;
    // When the sequence's last element ends (with Timer it is reported a little
    // before, while its closing key-up run still lasts).
    std::chrono::steady_clock::time_point endsAt{};
};

// What the send loop hands characters to.
class ElementSender {
public:
    virtual ~ElementSender() = default;
    // Starts keying a sequence; refused while one is in hand or when a length
    // would never end. The completion follows once it has been keyed.
    [[nodiscard]] virtual Status send(std::vector<KeyingElement> sequence, KeyingTiming timing) = 0;
    // Ends the sequence in hand, with the line up, and returns once the line is
    // free (the completion still follows, saying Stopped).
    virtual void halt() = 0;
    virtual bool busy() const = 0;
};

class KeyingThread : public ElementSender {
public:
    // Called on the keying thread once per sequence, once the thread takes the
    // next one: with Timer up to 30 ms before the closing key-up run ends, so that
    // the next character follows on time; a window posts it to its own thread
    // (see platform/qt/QtQueuedCall.h).
    using Completion = std::function<void(const KeyingResult&)>;

    // Without a timebase the thread times on the steady clock.
    KeyingThread(KeyingLine& line, Completion completion, KeyingTimebase* timebase = nullptr);
    // Cuts a sequence in hand short, leaves the line up and joins the thread; no
    // completion follows.
    ~KeyingThread() override;
    KeyingThread(const KeyingThread&) = delete;
    KeyingThread& operator=(const KeyingThread&) = delete;

    // Starts sending. Refused while a sequence is in hand, and for a length that
    // is negative or not finite (a speed of 0 gives an endless element).
    [[nodiscard]] Status send(std::vector<KeyingElement> sequence, KeyingTiming timing) override;
    [[nodiscard]] Status send(std::vector<KeyingElement> sequence) {
        return send(std::move(sequence), KeyingTiming{});
    }
    // Ends the sequence in hand at once with the line up; its completion says
    // Stopped. Does nothing when idle.
    void stop();
    void halt() override;
    bool busy() const override;

private:
    void run();
    KeyingResult key(const std::vector<KeyingElement>& sequence, const KeyingTiming& timing,
                     bool& released);
    // The sequence is done: the thread takes the next one, and the completion runs.
    void finish(const KeyingResult& result);
    bool cut() const { return stopRequested_.load() || quitting_.load(); }
    Status setLine(KeyState state);

    KeyingLine& line_;
    Completion completion_;
    std::unique_ptr<SteadyTimebase> ownTimebase_;
    KeyingTimebase& timebase_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::vector<KeyingElement> pending_;
    KeyingTiming pendingTiming_;
    bool busy_ = false;
    std::atomic<bool> stopRequested_{false};
    std::atomic<bool> quitting_{false};
    std::thread thread_; // last: starts once everything above is ready
};

} // namespace qv
