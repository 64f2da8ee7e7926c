#include "cw/KeyingThread.h"

#include "fakes/FakeKeyingLine.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace qv {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Edge = test::FakeKeyingLine::Edge;

// Timing checks are generous: they show the sequence is timed against its
// start, not how precise the machine is.
constexpr double kToleranceMs = 20;

// The completions, as the thread reports them.
class Completions {
public:
    KeyingThread::Completion callback() {
        return [this](const KeyingResult& r) {
            {
                const std::lock_guard lock(mutex_);
                results_.push_back({r, Clock::now(), std::this_thread::get_id()});
            }
            arrived_.notify_all();
        };
    }
    struct Arrival {
        KeyingResult result;
        Clock::time_point at;
        std::thread::id thread;
    };
    // The nth completion (from 1), waiting for it at most the deadline.
    std::optional<Arrival> wait(std::size_t n, std::chrono::milliseconds deadline = 5s) {
        std::unique_lock lock(mutex_);
        if (!arrived_.wait_for(lock, deadline, [&] { return results_.size() >= n; })) {
            return std::nullopt;
        }
        return results_[n - 1];
    }
    std::size_t count() {
        const std::lock_guard lock(mutex_);
        return results_.size();
    }

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<Arrival> results_;
};

KeyingElement down(double ms) {
    return {KeyState::Down, KeyingMilliseconds(ms)};
}
KeyingElement up(double ms) {
    return {KeyState::Up, KeyingMilliseconds(ms)};
}

double msBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Waits until the line has seen n settings.
bool waitForEdges(const test::FakeKeyingLine& line, std::size_t n) {
    const auto deadline = Clock::now() + 5s;
    while (line.edges().size() < n) {
        if (Clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

TEST(KeyingThread, KeysEveryEdgeAtItsTimeAndEndsUp) {
    test::FakeKeyingLine line;
    Completions done;
    KeyingThread keyer(line, done.callback());

    // "E" "E" at 20 WPM shortened: down 60, up 60, down 180 (a dah), up 60, and a
    // last down whose end the thread closes with key up.
    ASSERT_TRUE(keyer.send({down(60), up(60), down(180), up(60), down(60)}).ok());
    EXPECT_TRUE(keyer.busy());
    EXPECT_FALSE(keyer.send({down(10)}).ok()) << "one sequence at a time";

    const auto finished = done.wait(1);
    ASSERT_TRUE(finished);
    EXPECT_EQ(finished->result.outcome, KeyingOutcome::Sent);
    EXPECT_NE(finished->thread, std::this_thread::get_id());
    EXPECT_FALSE(keyer.busy());

    const std::vector<Edge> edges = line.edges();
    const KeyState expected[] = {KeyState::Down, KeyState::Up,   KeyState::Down,
                                 KeyState::Up,   KeyState::Down, KeyState::Up};
    const double at[] = {0, 60, 120, 300, 360, 420};
    ASSERT_EQ(edges.size(), std::size(expected));
    for (std::size_t i = 0; i < edges.size(); ++i) {
        EXPECT_EQ(edges[i].state, expected[i]) << "edge " << i;
        EXPECT_NEAR(msBetween(edges[0].at, edges[i].at), at[i], kToleranceMs) << "edge " << i;
    }
    EXPECT_GE(msBetween(edges[0].at, finished->at), 420 - kToleranceMs);

    // Ready for the next one; a sequence ending up gets no extra key up.
    ASSERT_TRUE(keyer.send({down(10), up(10)}).ok());
    ASSERT_TRUE(done.wait(2));
    EXPECT_EQ(line.edges().size(), 8u);
    EXPECT_EQ(line.state(), KeyState::Up);
}

TEST(KeyingThread, StopCutsTheSequenceShortWithTheLineUp) {
    test::FakeKeyingLine line;
    Completions done;
    KeyingThread keyer(line, done.callback());

    ASSERT_TRUE(keyer.send({down(2000), up(2000), down(2000)}).ok());
    ASSERT_TRUE(waitForEdges(line, 1));
    const auto stoppedAt = Clock::now();
    keyer.stop();

    const auto finished = done.wait(1);
    ASSERT_TRUE(finished);
    EXPECT_EQ(finished->result.outcome, KeyingOutcome::Stopped);
    EXPECT_LT(msBetween(stoppedAt, finished->at), 500);
    EXPECT_EQ(line.state(), KeyState::Up);
    EXPECT_EQ(line.edges().size(), 2u);

    keyer.stop(); // idle: nothing happens
    EXPECT_EQ(done.count(), 1u);
}

TEST(KeyingThread, DestructionWhileSendingLeavesTheLineUp) {
    test::FakeKeyingLine line;
    Completions done;
    const auto start = Clock::now();
    {
        KeyingThread keyer(line, done.callback());
        ASSERT_TRUE(keyer.send({down(5000), up(10)}).ok());
        ASSERT_TRUE(waitForEdges(line, 1));
    }
    EXPECT_LT(msBetween(start, Clock::now()), 1000);
    EXPECT_EQ(line.state(), KeyState::Up);
    EXPECT_EQ(done.count(), 0u) << "no completion from a keyer that is gone";
}

TEST(KeyingThread, ALineThatFailsEndsTheSequenceUp) {
    test::FakeKeyingLine line;
    line.failDownAfter = 1;
    Completions done;
    KeyingThread keyer(line, done.callback());

    ASSERT_TRUE(keyer.send({down(20), up(20), down(20), up(20)}).ok());
    const auto finished = done.wait(1);
    ASSERT_TRUE(finished);
    EXPECT_EQ(finished->result.outcome, KeyingOutcome::LineFailed);
    EXPECT_EQ(finished->result.message, "line failed");
    const std::vector<Edge> edges = line.edges();
    ASSERT_EQ(edges.size(), 3u);
    EXPECT_EQ(edges[2].state, KeyState::Up);
}

TEST(KeyingThread, RefusesElementsThatWouldNeverEnd) {
    test::FakeKeyingLine line;
    Completions done;
    KeyingThread keyer(line, done.callback());

    // A speed of 0 makes an endless unit.
    for (const double ms : {std::numeric_limits<double>::infinity(), std::nan(""), -1.0}) {
        EXPECT_FALSE(keyer.send({down(10), up(ms)}).ok()) << ms;
    }
    EXPECT_FALSE(keyer.busy());
    EXPECT_TRUE(line.edges().empty());

    ASSERT_TRUE(keyer.send({}).ok());
    const auto finished = done.wait(1);
    ASSERT_TRUE(finished);
    EXPECT_EQ(finished->result.outcome, KeyingOutcome::Sent);
    EXPECT_TRUE(line.edges().empty());
}

} // namespace
} // namespace qv
