// The program ended at any moment while it logs: by SIGKILL (a crash, the OOM
// killer, a power-off as far as the file is concerned) the next start mends a
// torn last line and loses no confirmed contact; by SIGTERM (a shutdown, Ctrl+C)
// it finishes the line in hand and leaves a whole log. QV_KILL_ROUNDS sets the
// number of kills (a few dozen by default; thousands for the long run).

#include "core/LogFile.h"
#include "core/LogFileFormat.h"
#include "core/WorkingLog.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/TempDir.h"
#include "platform/posix/PosixFileStore.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <random>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

#include <gtest/gtest.h>

extern char** environ;

namespace qv {
namespace {

int rounds() {
    const char* text = std::getenv("QV_KILL_ROUNDS");
    return text ? std::atoi(text) : 30;
}

pid_t startAppender(const std::string& folder, std::vector<std::string> args) {
    args.insert(args.begin(), {QV_LOG_APPENDER, folder});
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawn(&pid, QV_LOG_APPENDER, nullptr, nullptr, argv.data(), environ) != 0) {
        return -1;
    }
    return pid;
}

off_t sizeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_size : 0;
}

// Waits until the appender has logged past `bytes`, for at most two seconds.
void waitForGrowth(const std::string& path, off_t bytes) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (sizeOf(path) <= bytes && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
}

struct Reloaded {
    Outcome outcome;
    std::size_t records = 0;
    bool mended = false;
};

// What the next start of the program finds.
Reloaded reload(const std::string& folder) {
    PosixFileStore files(folder);
    test::FakeDialogs dialogs;
    test::FakeClock clock;
    ContestLog log;
    OperatingState state;
    MultiplierTable table;
    LogFile file(files);
    WorkingLog working(log, state, table, file, dialogs, clock);
    Reloaded r{working.LoadLog()};
    r.records = log.size();
    r.mended = !dialogs.shown.empty() && dialogs.shown[0].title == "Unfinished Line Removed";
    for (std::size_t k = 1; k <= log.size(); ++k) {
        // Numbered in order with nothing lost between two kills.
        EXPECT_EQ(log.record(k).call, "K" + std::to_string(k));
    }
    return r;
}

TEST(KilledWhileLogging, EveryKillLeavesALogTheNextStartReads) {
    test::TempDir dir;
    const std::string path = dir.file("log.txt");
    std::mt19937 random(20261210);
    std::size_t confirmed = 0;
    int mended = 0;
    for (int round = 0; round < rounds(); ++round) {
        const pid_t pid = startAppender(dir.path(), {"60000", "--no-sync"});
        ASSERT_GT(pid, 0);
        waitForGrowth(path, sizeOf(path));
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the appender stopped by itself: " << status;

        const Reloaded r = reload(dir.path());
        ASSERT_EQ(r.outcome, Outcome::Continue) << "round " << round;
        EXPECT_GE(r.records, confirmed) << "a confirmed contact was lost";
        confirmed = r.records;
        mended += r.mended ? 1 : 0;
        if (sizeOf(path) > (8 << 20)) {
            dir.write("log.txt", "");
            confirmed = 0;
        }
    }
    std::printf("%d kills, %d torn lines mended\n", rounds(), mended);
}

TEST(KilledWhileLogging, TerminationFinishesTheLineInHand) {
    test::TempDir dir;
    const std::string path = dir.file("log.txt");
    std::mt19937 random(7);
    for (int round = 0; round < std::max(3, rounds() / 5); ++round) {
        const pid_t pid = startAppender(dir.path(), {"60000", "--graceful", "--no-sync"});
        ASSERT_GT(pid, 0);
        waitForGrowth(path, sizeOf(path));
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
        ::kill(pid, SIGTERM);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFEXITED(status)) << "ended by the signal itself: " << status;
        EXPECT_EQ(WEXITSTATUS(status), 0);

        const std::string bytes = dir.read("log.txt");
        ASSERT_FALSE(bytes.empty());
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << "round " << round;
        EXPECT_TRUE(parseLog(bytes, ContestLog::kCapacity).ok);
        const Reloaded r = reload(dir.path());
        EXPECT_EQ(r.outcome, Outcome::Continue);
        EXPECT_FALSE(r.mended);
    }
}

} // namespace
} // namespace qv
