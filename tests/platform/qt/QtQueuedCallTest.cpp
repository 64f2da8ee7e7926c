#include "platform/qt/QtQueuedCall.h"

#include "cw/KeyingThread.h"
#include "fakes/FakeKeyingLine.h"

#include <thread>

#include <QCoreApplication>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(QtQueuedCall, RunsOnTheContextsThreadFromItsEventLoop) {
    QObject context;
    std::vector<std::pair<int, std::string>> calls;
    std::vector<QThread*> threads;
    const auto call =
        queuedOnto<int, const std::string&>(&context, [&](int n, const std::string& s) {
            calls.emplace_back(n, s);
            threads.push_back(QThread::currentThread());
        });

    std::thread worker([&] {
        const std::string text = "from the worker";
        call(1, text);
        call(2, text);
    });
    worker.join();
    EXPECT_TRUE(calls.empty()) << "queued, not run on the worker";
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls.size() == 2; }, 5000));
    EXPECT_EQ(calls[0], std::make_pair(1, std::string("from the worker")));
    EXPECT_EQ(calls[1].first, 2);
    EXPECT_EQ(threads[0], QCoreApplication::instance()->thread());
}

TEST(QtQueuedCall, CallsAfterTheContextIsGoneAreDropped) {
    int runs = 0;
    std::function<void()> call;
    {
        QObject context;
        call = queuedOnto<>(&context, [&] { ++runs; });
        call(); // pending when the context goes
    }
    call();
    QTest::qWait(50);
    EXPECT_EQ(runs, 0);
}

TEST(QtQueuedCall, TheKeyingThreadsCompletionReachesTheWindowThread) {
    QObject window;
    test::FakeKeyingLine line;
    std::vector<KeyingOutcome> outcomes;
    QThread* ranOn = nullptr;
    KeyingThread keyer(line, queuedOnto<const KeyingResult&>(&window, [&](const KeyingResult& r) {
                           outcomes.push_back(r.outcome);
                           ranOn = QThread::currentThread();
                       }));
    ASSERT_TRUE(keyer
                    .send({{KeyState::Down, KeyingMilliseconds(30)},
                           {KeyState::Up, KeyingMilliseconds(30)}})
                    .ok());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !outcomes.empty(); }, 5000));
    EXPECT_EQ(outcomes, std::vector<KeyingOutcome>{KeyingOutcome::Sent});
    EXPECT_EQ(ranOn, window.thread());
    EXPECT_EQ(line.state(), KeyState::Up);
}

} // namespace
} // namespace qv
