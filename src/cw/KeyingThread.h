#pragma once

// Sends CW element sequences on a thread of its own, so that the window stays
// responsive while a character is keyed and the timing does not depend on the
// window's events. The user-interface thread hands over one sequence at a time
// and hears back through the completion callback.

#include "base/Status.h"
#include "cw/KeyingLine.h"

#include <chrono>
#include <condition_variable>
#include <functional>
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

enum class KeyingOutcome {
    Sent,       // every element was keyed and timed
    Stopped,    // stop() cut the sequence short
    LineFailed, // the line could not be set; message says why
};

struct KeyingResult {
    KeyingOutcome outcome = KeyingOutcome::Sent;
    std::string message;
};

class KeyingThread {
public:
    // Called on the keying thread once per sequence, after the thread is ready
    // for the next one; a window posts it to its own thread (see
    // platform/qt/QtQueuedCall.h).
    using Completion = std::function<void(const KeyingResult&)>;

    KeyingThread(KeyingLine& line, Completion completion);
    // Cuts a sequence in hand short, leaves the line up and joins the thread; no
    // completion follows.
    ~KeyingThread();
    KeyingThread(const KeyingThread&) = delete;
    KeyingThread& operator=(const KeyingThread&) = delete;

    // Starts sending. Refused while a sequence is in hand, and for a length that
    // is negative or not finite (a speed of 0 gives an endless element).
    [[nodiscard]] Status send(std::vector<KeyingElement> sequence);
    // Ends the sequence in hand at once with the line up; its completion says
    // Stopped. Does nothing when idle.
    void stop();
    bool busy() const;

private:
    void run();
    KeyingResult key(const std::vector<KeyingElement>& sequence,
                     std::unique_lock<std::mutex>& lock);
    bool waitUntil(std::chrono::steady_clock::time_point deadline,
                   std::unique_lock<std::mutex>& lock);

    KeyingLine& line_;
    Completion completion_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::vector<KeyingElement> pending_;
    bool busy_ = false;
    bool stopRequested_ = false;
    bool quitting_ = false;
    std::thread thread_; // last: starts once everything above is ready
};

} // namespace qv
