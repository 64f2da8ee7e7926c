#include "platform/posix/TerminationSignals.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace qv {
namespace {

constexpr std::array<int, 3> kSignals = {SIGTERM, SIGINT, SIGHUP};

// A signal handler can reach nothing but a static: the pipe's write end.
int gWriteFd = -1;
std::array<struct sigaction, 3> gPrevious{};

void onSignal(int signal) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    // A full pipe already says that a signal is waiting.
    [[maybe_unused]] const ssize_t n = ::write(gWriteFd, &byte, 1);
    errno = saved;
}

} // namespace

TerminationSignals::TerminationSignals() {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    readFd_ = fds[0];
    gWriteFd = fds[1];
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // A write in progress carries on after the handler instead of failing.
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        ::sigaction(kSignals[i], &action, &gPrevious[i]);
    }
}

TerminationSignals::~TerminationSignals() {
    if (readFd_ < 0) {
        return;
    }
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        ::sigaction(kSignals[i], &gPrevious[i], nullptr);
    }
    ::close(gWriteFd);
    gWriteFd = -1;
    ::close(readFd_);
}

int TerminationSignals::take() {
    int last = 0;
    unsigned char byte = 0;
    while (readFd_ >= 0 && ::read(readFd_, &byte, 1) == 1) {
        last = byte;
    }
    return last;
}

} // namespace qv
