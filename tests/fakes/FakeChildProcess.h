#pragma once

#include "platform/ChildProcess.h"

#include <string>
#include <vector>

namespace qv::test {

// A program that starts, runs and ends when the test says; a program run to its
// end prints what the test gives it.
class FakeChildProcess : public ChildProcess {
public:
    std::string program;
    std::vector<std::vector<std::string>> starts; // the arguments of each start
    std::string startFailure;                     // set: starting fails with it
    bool isRunning = false;
    int stops = 0;
    std::string errors;
    std::function<void()> finished;
    std::vector<std::string> ran;       // the programs run to their end, with arguments
    std::optional<std::string> printed; // what they print

    Status start(const std::string& p, const std::vector<std::string>& arguments) override {
        program = p;
        starts.push_back(arguments);
        if (!startFailure.empty()) {
            return Status::failure(startFailure);
        }
        isRunning = true;
        errors.clear();
        return Status::success();
    }
    bool running() const override { return isRunning; }
    void stop() override {
        ++stops;
        isRunning = false;
    }
    std::string errorOutput() const override { return errors; }
    void setFinishedHandler(std::function<void()> f) override { finished = std::move(f); }
    std::optional<std::string> runToEnd(const std::string& p,
                                        const std::vector<std::string>& arguments,
                                        std::uint32_t) override {
        std::string line = p;
        for (const std::string& a : arguments) {
            line += " " + a;
        }
        ran.push_back(line);
        return printed;
    }

    // The program ends by itself, saying why.
    void die(std::string said) {
        isRunning = false;
        errors = std::move(said);
        if (finished) {
            finished();
        }
    }
};

} // namespace qv::test
