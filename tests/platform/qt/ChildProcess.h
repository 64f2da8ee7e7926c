#pragma once

#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

namespace qv::test {

// A helper program the test starts (socat, a sound server) and stops by its
// process id, waiting for it a bounded time.
class ChildProcess {
public:
    // Starts program (looked up on PATH) with its output thrown away, and
    // with extra environment variables ("NAME=value") added.
    ChildProcess(const std::vector<std::string>& command,
                 const std::vector<std::string>& environment = {});
    ~ChildProcess() { stop(); }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return pid_ > 0; }
    // Sends the signal and waits for the end; SIGKILL after the deadline.
    void stop(int signal = 15, std::chrono::milliseconds deadline = std::chrono::seconds(5));

private:
    pid_t pid_ = -1;
};

// Whether a program is on PATH.
bool onPath(const std::string& program);

// Waits until every path exists, at most the deadline.
bool waitForFiles(const std::vector<std::string>& paths, std::chrono::milliseconds deadline);

} // namespace qv::test
