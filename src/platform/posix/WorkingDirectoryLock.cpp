#include "platform/posix/WorkingDirectoryLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace qv {

WorkingDirectoryLock::WorkingDirectoryLock(const std::string& directory) {
    const std::string path = directory + "/" + kFileName;
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        // flock needs no write access: a lock file that exists can still be held.
        fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    }
    if (fd_ < 0) {
        return;
    }
    int result;
    do {
        result = ::flock(fd_, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        state_ = State::Held;
        return;
    }
    state_ = errno == EWOULDBLOCK ? State::InUse : State::Unavailable;
    ::close(fd_);
    fd_ = -1;
}

WorkingDirectoryLock::~WorkingDirectoryLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

} // namespace qv
