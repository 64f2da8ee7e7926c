#include "platform/posix/PosixFileStore.h"

#include "fakes/TempDir.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace qv {
namespace {

// Limits the size any write may grow a file to, the way a full disk stops a
// write part-way; restored when the guard goes out of scope.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST(PosixFileStore, ReadsAppendsAndReplaces) {
    test::TempDir dir;
    PosixFileStore files(dir.path());
    EXPECT_EQ(files.read("log.txt").error, FileContents::Error::NotFound);
    EXPECT_FALSE(files.exists("log.txt"));

    ASSERT_TRUE(files.append("log.txt", "one\r\n").clean());
    ASSERT_TRUE(files.append("log.txt", "two\r\n").clean());
    EXPECT_EQ(dir.read("log.txt"), "one\r\ntwo\r\n");

    ASSERT_TRUE(files.replace("log.txt", "new\r\n"));
    EXPECT_EQ(files.read("log.txt").bytes, "new\r\n");
    EXPECT_FALSE(dir.exists("log.txt.tmp"));
}

TEST(PosixFileStore, AFailedReplaceLeavesTheOldFileWhole) {
    test::TempDir dir;
    PosixFileStore files(dir.path());
    const std::string old(5000, 'o');
    dir.write("log.txt", old);
    const std::string replacement(8000, 'n');
    {
        FileSizeLimit limit(3000); // the write stops part-way through
        const Status s = files.replace("log.txt", replacement);
        EXPECT_FALSE(s.ok());
        EXPECT_NE(s.message().find("log.txt"), std::string::npos);
    }
    EXPECT_EQ(dir.read("log.txt"), old);
    EXPECT_FALSE(dir.exists("log.txt.tmp"));
}

TEST(PosixFileStore, AFailedAppendUndoesThePartialLine) {
    test::TempDir dir;
    PosixFileStore files(dir.path());
    const std::string old(1000, 'o');
    dir.write("log.txt", old);
    {
        FileSizeLimit limit(1040);
        EXPECT_EQ(files.append("log.txt", std::string(100, 'x')).left, AppendResult::Left::Nothing);
    }
    EXPECT_EQ(dir.read("log.txt"), old);
}

TEST(PosixFileStore, UnreadableAndMissingDirectoryFail) {
    test::TempDir dir;
    PosixFileStore files(dir.path());
    ::mkdir(dir.file("log.txt").c_str(), 0755); // a directory where the file should be
    EXPECT_EQ(files.read("log.txt").error, FileContents::Error::Unreadable);

    PosixFileStore nowhere(dir.file("no/such/dir"));
    EXPECT_FALSE(nowhere.append("log.txt", "x").clean());
    EXPECT_FALSE(nowhere.replace("log.txt", "x").ok());
}

// The system calls with failures on order: a close, a sync or a truncate.
struct FailingCalls {
    bool failClose = false;
    bool failSync = false;
    bool failTruncate = false;

    FileSystemCalls calls() {
        FileSystemCalls c = FileSystemCalls::real();
        c.close = [this](int fd) {
            ::close(fd);
            if (failClose) {
                failClose = false; // only the first close: the one after the sync
                errno = EIO;
                return -1;
            }
            return 0;
        };
        c.sync = [this](int fd) {
            if (failSync) {
                errno = EIO;
                return -1;
            }
            return ::fsync(fd);
        };
        c.truncate = [this](int fd, off_t length) {
            if (failTruncate) {
                errno = EIO;
                return -1;
            }
            return ::ftruncate(fd, length);
        };
        return c;
    }
};

TEST(PosixFileStore, AFailedAppendIsTakenBackOutOrReportedAsWhole) {
    const std::string old = "one\r\n";
    const std::string line = "two\r\n";
    struct Case {
        const char* what;
        bool close, sync, truncate;
        AppendResult::Left left;
        std::string after;
    };
    const Case cases[] = {
        {"close fails after the sync", true, false, false, AppendResult::Left::Nothing, old},
        {"sync fails", false, true, false, AppendResult::Left::Nothing, old},
        // The bytes cannot be taken out again: they are whole in the file.
        {"sync and truncate fail", false, true, true, AppendResult::Left::Whole, old + line},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        dir.write("log.txt", old);
        FailingCalls failing{c.close, c.sync, c.truncate};
        PosixFileStore files(dir.path(), true, failing.calls());
        const AppendResult result = files.append("log.txt", line);
        EXPECT_EQ(result.left, c.left) << c.what;
        EXPECT_FALSE(result.problem.empty()) << c.what;
        EXPECT_EQ(dir.read("log.txt"), c.after) << c.what;
    }
}

TEST(PosixFileStore, AReadOnlyFileStaysReadOnlyAndIsNotWrittenOver) {
    test::TempDir dir;
    PosixFileStore files(dir.path());
    dir.write("log.txt", "one\r\n");
    ::chmod(dir.file("log.txt").c_str(), 0640);
    ASSERT_TRUE(files.replace("log.txt", "two\r\n"));
    struct stat st {};
    ::stat(dir.file("log.txt").c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0640u) << "a rewrite keeps the permissions";

    ::chmod(dir.file("log.txt").c_str(), 0444);
    EXPECT_FALSE(files.replace("log.txt", "three\r\n").ok());
    EXPECT_EQ(files.append("log.txt", "three\r\n").left, AppendResult::Left::Nothing);
    EXPECT_EQ(dir.read("log.txt"), "two\r\n");
    ::stat(dir.file("log.txt").c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0444u);
}

TEST(PosixFileStore, IdentityChangesWhenTheFileIsReplacedOrGrows) {
    test::TempDir dir;
    PosixFileStore files(dir.path());
    EXPECT_FALSE(files.identify("log.txt"));
    dir.write("log.txt", "one\r\n");
    const auto first = files.identify("log.txt");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->size, 5u);
    EXPECT_EQ(files.identify("log.txt"), first);
    ASSERT_TRUE(files.replace("log.txt", "one\r\n"));
    EXPECT_NE(files.identify("log.txt"), first) << "a new file under the same name";
}

} // namespace
} // namespace qv
