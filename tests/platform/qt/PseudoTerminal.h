#pragma once

// A pseudo-terminal for the simulated devices: the program opens devicePath()
// as its serial port, the simulator reads and writes master(). A second
// descriptor on the device side keeps the line up while the program has it
// closed, and both ends are raw, as a serial line is.

#include <fcntl.h>
#include <stdlib.h>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace qv::test {

class PseudoTerminal {
public:
    PseudoTerminal() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
            return;
        }
        devicePath_ = ptsname(master_);
        deviceHold_ = ::open(devicePath_.c_str(), O_RDWR | O_NOCTTY);
        termios raw{};
        if (deviceHold_ >= 0 && tcgetattr(deviceHold_, &raw) == 0) {
            cfmakeraw(&raw);
            tcsetattr(deviceHold_, TCSANOW, &raw);
        }
    }
    ~PseudoTerminal() {
        if (deviceHold_ >= 0) {
            ::close(deviceHold_);
        }
        if (master_ >= 0) {
            ::close(master_);
        }
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    int master() const { return master_; }
    const std::string& devicePath() const { return devicePath_; }

private:
    int master_ = -1;
    int deviceHold_ = -1;
    std::string devicePath_;
};

} // namespace qv::test
