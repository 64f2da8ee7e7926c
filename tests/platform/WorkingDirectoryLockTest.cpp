#include "platform/posix/WorkingDirectoryLock.h"

#include "fakes/TempDir.h"

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace qv {
namespace {

using State = WorkingDirectoryLock::State;

TEST(WorkingDirectoryLock, OneCopyPerFolderUntilItEnds) {
    test::TempDir dir;
    test::TempDir other;
    {
        const WorkingDirectoryLock first(dir.path());
        EXPECT_EQ(first.state(), State::Held);
        EXPECT_EQ(WorkingDirectoryLock(dir.path()).state(), State::InUse);
        EXPECT_EQ(WorkingDirectoryLock(other.path()).state(), State::Held);

        // Another process sees it held too.
        const pid_t child = ::fork();
        if (child == 0) {
            ::_exit(WorkingDirectoryLock(dir.path()).state() == State::InUse ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(WorkingDirectoryLock(dir.path()).state(), State::Held) << "released at the end";
    EXPECT_FALSE(dir.exists("log.txt")) << "log.txt is not touched";
}

TEST(WorkingDirectoryLock, AFolderWithoutALockFileGuardsNothing) {
    test::TempDir dir;
    EXPECT_EQ(WorkingDirectoryLock(dir.file("no/such/folder")).state(), State::Unavailable);
}

} // namespace
} // namespace qv
