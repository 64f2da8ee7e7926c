#pragma once

// A radio at the far end of a pseudo-terminal. It answers the program's queries
// and takes its frequency and mode commands as each family's radios do: Kenwood
// and Elecraft text, the FTdx9000's text, Icom CI-V with the bus echo, the
// five-byte Yaesu commands with their status blocks, and the Ten-Tec Orion and
// front-panel protocols. It runs on its own thread; the test turns its dial and
// reads what the program set.

#include "PseudoTerminal.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace qv::test {

class RadioSimulator {
public:
    enum class Mode { LSB, USB, CW, AM, FM };

    // A simulator for the radio the rig window calls rigType, at hz in mode.
    RadioSimulator(std::string rigType, std::uint64_t hz, Mode mode);
    ~RadioSimulator();
    RadioSimulator(const RadioSimulator&) = delete;
    RadioSimulator& operator=(const RadioSimulator&) = delete;

    // The device the program opens, or empty when no pseudo-terminal could be made.
    const std::string& devicePath() const { return pty_.devicePath(); }

    // Takes as long as a line at this speed would: each command is answered once
    // its last character would have arrived, and replies leave one character at a
    // time. Unpaced (the default), everything moves at once.
    void paceAt(int baud, int bitsPerCharacter) {
        characterTime_ = std::chrono::microseconds(1'000'000LL * bitsPerCharacter / baud);
    }

    void turnDial(std::uint64_t hz) { hz_ = hz; }
    std::uint64_t hz() const { return hz_; }
    Mode mode() const { return mode_; }
    // Every complete command received, as its bytes, in order.
    std::vector<std::string> commands() const;

private:
    void run();
    // Takes the complete commands at the front of the input and answers them.
    void serve();
    void answer(const std::string& command);
    void answerText(const std::string& command);
    void answerIcom(const std::string& frame);
    void answerYaesu(const std::string& block);
    void answerFrontPanel(const std::string& command);
    void answerOrion(const std::string& command);
    void send(const std::string& bytes);

    std::string rigType_;
    std::atomic<std::uint64_t> hz_;
    std::atomic<Mode> mode_;
    PseudoTerminal pty_;
    std::string input_;
    mutable std::mutex mutex_;
    std::vector<std::string> commands_;
    std::atomic<bool> stop_{false};
    std::chrono::microseconds characterTime_{0};
    std::thread thread_;
};

} // namespace qv::test
