#include "KeyerSimulator.h"

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace qv::test {
namespace {

// How many argument bytes follow each command byte (admin sub-commands aside).
int argumentsOf(unsigned char command) {
    switch (command) {
    case 0x01: // side tone
    case 0x02: // speed
    case 0x03: // weight
    case 0x06: // pause
    case 0x09: // pin configuration
    case 0x0B: // key immediate
    case 0x0C: // high-speed CW
    case 0x0D: // Farnsworth
    case 0x0E: // mode
    case 0x11: // key compensation
    case 0x12: // paddle switchpoint
    case 0x14: // software paddle
    case 0x16: // buffer pointer
    case 0x17: // dit/dah ratio
        return 1;
    case 0x04: // PTT lead-in and tail
        return 2;
    case 0x05: // speed pot setup
        return 3;
    default:
        return 0;
    }
}

} // namespace

KeyerSimulator::KeyerSimulator(unsigned char version) : version_(version) {
    thread_ = std::thread([this] { run(); });
}

KeyerSimulator::~KeyerSimulator() {
    stop_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
}

std::string KeyerSimulator::keyed() const {
    std::lock_guard lock(mutex_);
    return keyed_;
}

std::string KeyerSimulator::queued() const {
    std::lock_guard lock(mutex_);
    return {queue_.begin(), queue_.end()};
}

std::vector<std::string> KeyerSimulator::commands() const {
    std::lock_guard lock(mutex_);
    return commands_;
}

void KeyerSimulator::run() {
    auto nextKey = std::chrono::steady_clock::now();
    while (!stop_) {
        pollfd p{pty_.master(), POLLIN, 0};
        if (::poll(&p, 1, 2) > 0 && (p.revents & POLLIN) != 0) {
            char buffer[256];
            const ssize_t n = ::read(pty_.master(), buffer, sizeof buffer);
            if (n > 0) {
                input_.append(buffer, static_cast<std::size_t>(n));
                serve();
            }
        }
        // One character keyed every 5 ms while not held.
        if (std::chrono::steady_clock::now() >= nextKey) {
            nextKey = std::chrono::steady_clock::now() + std::chrono::milliseconds(5);
            keyOne();
        }
    }
}

void KeyerSimulator::serve() {
    std::size_t used = 0;
    while (used < input_.size()) {
        const auto command = static_cast<unsigned char>(input_[used]);
        std::size_t length = 1;
        if (command == 0x00) {
            if (used + 1 >= input_.size()) {
                break;
            }
            const auto sub = static_cast<unsigned char>(input_[used + 1]);
            length = sub == 0x04 ? 3 : 2;
        } else if (command < 0x20) {
            length = 1 + static_cast<std::size_t>(argumentsOf(command));
        }
        if (used + length > input_.size()) {
            break; // the rest of the command is still on its way
        }
        const std::string bytes = input_.substr(used, length);
        used += length;
        if (command >= 0x20) {
            std::lock_guard lock(mutex_);
            if (queue_.size() >= kBufferSize) {
                ++overruns_;
            } else {
                queue_.push_back(static_cast<char>(command));
            }
        } else {
            std::lock_guard lock(mutex_);
            commands_.push_back(bytes);
        }
        if (command == 0x00) {
            const auto sub = static_cast<unsigned char>(bytes[1]);
            if (sub == 0x02) {
                hostOpen_ = true;
                send(version_);
            } else if (sub == 0x03) {
                hostOpen_ = false;
            } else if (sub == 0x04) {
                send(static_cast<unsigned char>(bytes[2]));
            }
        } else if (command == 0x0A) {
            std::lock_guard lock(mutex_);
            queue_.clear();
        } else if (command == 0x08) {
            std::lock_guard lock(mutex_);
            if (!queue_.empty()) {
                queue_.pop_back();
            }
        }
        reportStatus();
    }
    input_.erase(0, used);
}

void KeyerSimulator::keyOne() {
    if (held_) {
        return;
    }
    {
        std::lock_guard lock(mutex_);
        if (queue_.empty()) {
            return;
        }
        keyed_.push_back(queue_.front());
        queue_.pop_front();
    }
    reportStatus();
}

// The keyer tells the host of every change of its status byte.
void KeyerSimulator::reportStatus() {
    unsigned char status = 0xC0;
    {
        std::lock_guard lock(mutex_);
        if (!queue_.empty()) {
            status |= 0x04; // busy
        }
        if (queue_.size() >= kXoffAt) {
            status |= 0x01; // XOFF
        }
    }
    if (status != lastStatus_ && hostOpen_) {
        lastStatus_ = status;
        send(status);
    }
}

void KeyerSimulator::send(unsigned char byte) {
    const char c = static_cast<char>(byte);
    (void)!::write(pty_.master(), &c, 1);
}

} // namespace qv::test
