#include "platform/posix/PosixFileStore.h"

#include "fakes/TempDir.h"

#include <csignal>
#include <sys/resource.h>

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

    ASSERT_TRUE(files.append("log.txt", "one\r\n"));
    ASSERT_TRUE(files.append("log.txt", "two\r\n"));
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
        EXPECT_FALSE(files.append("log.txt", std::string(100, 'x')).ok());
    }
    EXPECT_EQ(dir.read("log.txt"), old);
}

TEST(PosixFileStore, UnreadableAndMissingDirectoryFail) {
    test::TempDir dir;
    PosixFileStore files(dir.path());
    ::mkdir(dir.file("log.txt").c_str(), 0755); // a directory where the file should be
    EXPECT_EQ(files.read("log.txt").error, FileContents::Error::Unreadable);

    PosixFileStore nowhere(dir.file("no/such/dir"));
    EXPECT_FALSE(nowhere.append("log.txt", "x").ok());
    EXPECT_FALSE(nowhere.replace("log.txt", "x").ok());
}

} // namespace
} // namespace qv
