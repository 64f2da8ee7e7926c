#pragma once

#include <string>

namespace qv {

// Claims a working directory for one running copy of the program, with flock on
// a lock file of its own (log.txt itself stays unlocked between operations). The
// claim lasts as long as the object; the system drops it when the process ends,
// however it ends.
class WorkingDirectoryLock {
public:
    static constexpr const char* kFileName = ".quorvane-log.lock";

    enum class State {
        Held,        // this copy has the directory
        InUse,       // another running copy has it
        Unavailable, // no lock file can be made (a read-only folder): nothing to guard
    };

    explicit WorkingDirectoryLock(const std::string& directory);
    ~WorkingDirectoryLock();
    WorkingDirectoryLock(const WorkingDirectoryLock&) = delete;
    WorkingDirectoryLock& operator=(const WorkingDirectoryLock&) = delete;

    State state() const { return state_; }

private:
    int fd_ = -1;
    State state_ = State::Unavailable;
};

} // namespace qv
