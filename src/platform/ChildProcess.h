#pragma once

// A program the station runs beside this one (hamlib's rig daemon): started with
// its arguments, watched, and ended by its owner; and short programs run to their
// end for what they print.

#include "base/Status.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qv {

class ChildProcess {
public:
    virtual ~ChildProcess() = default;

    // Starts the program (looked up on PATH); fails when it cannot be started.
    // A program still running from an earlier start is ended first.
    [[nodiscard]] virtual Status start(const std::string& program,
                                       const std::vector<std::string>& arguments) = 0;
    virtual bool running() const = 0;
    // Asks the program to end, kills it when it does not within a second or two,
    // and waits for its end. No finished event follows.
    virtual void stop() = 0;
    // What the program has written to its error output since it was started.
    virtual std::string errorOutput() const = 0;
    // Told, from the event loop, when the program ends by itself.
    virtual void setFinishedHandler(std::function<void()> finished) = 0;

    // Runs a program to its end and returns its standard output; nothing when it
    // cannot be started, fails or does not end within the time.
    virtual std::optional<std::string> runToEnd(const std::string& program,
                                                const std::vector<std::string>& arguments,
                                                std::uint32_t timeoutMs) = 0;
};

} // namespace qv
