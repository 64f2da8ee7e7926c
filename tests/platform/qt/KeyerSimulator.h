#pragma once

// A WinKeyer at the far end of a pseudo-terminal, answering the host-mode
// commands the way the keyer's published command table describes them: the
// echo test, the host open (with the version), the settings, clear buffer and
// backspace, and a small character buffer whose XOFF flag goes up when it is
// nearly full. The test holds the "keying" to fill the buffer and releases it to
// let the characters go. Runs on its own thread.

#include "PseudoTerminal.h"

#include <atomic>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace qv::test {

class KeyerSimulator {
public:
    static constexpr std::size_t kBufferSize = 6;
    static constexpr std::size_t kXoffAt = 4; // queued characters that raise XOFF

    explicit KeyerSimulator(unsigned char version = 31);
    ~KeyerSimulator();
    KeyerSimulator(const KeyerSimulator&) = delete;
    KeyerSimulator& operator=(const KeyerSimulator&) = delete;

    // The device the program opens, or empty when no pseudo-terminal could be made.
    const std::string& devicePath() const { return pty_.devicePath(); }

    // While held, queued characters wait instead of being keyed.
    void holdKeying(bool hold) { held_ = hold; }

    bool hostOpen() const { return hostOpen_; }
    // The characters keyed so far, in order.
    std::string keyed() const;
    // The characters queued and not yet keyed.
    std::string queued() const;
    // Every complete command other than a character, as its bytes.
    std::vector<std::string> commands() const;
    // Characters that arrived while the buffer was already full.
    int overruns() const { return overruns_; }

private:
    void run();
    void serve();
    void keyOne();
    void reportStatus();
    void send(unsigned char byte);

    unsigned char version_;
    PseudoTerminal pty_;
    std::string input_;
    mutable std::mutex mutex_;
    std::deque<char> queue_;
    std::string keyed_;
    std::vector<std::string> commands_;
    unsigned char lastStatus_ = 0xC0;
    std::atomic<bool> held_{false};
    std::atomic<bool> hostOpen_{false};
    std::atomic<int> overruns_{0};
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

} // namespace qv::test
