// Timing of the CW keyer's own engine with the real clock: 400 elements at
// 40 WPM keyed through the CW window's send loop, with the program's Qt event
// loop handing over one character at a time and the other core kept busy. Each
// edge of the recording line is timestamped on the keying thread; the error of
// every element (key down or key up run) against its nominal length is
// reported, and so is the longest stall of the event loop while sending.

#include "BenchFakes.h"
#include "app/CWFrmLogic.h"
#include "base/Numbers.h"
#include "platform/NoFileStore.h"
#include "platform/qt/QtQueuedCall.h"
#include "platform/qt/QtTimers.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <mutex>
#include <thread>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace qv {
namespace {

using Steady = std::chrono::steady_clock;

// A keying port that notes the time of every change of its RTS line.
class RecordingLink : public bench::IdleSerialLink {
public:
    struct Edge {
        bool down;
        Steady::time_point at;
    };

    Status setRts(bool on) override {
        const auto now = Steady::now();
        const std::lock_guard lock(mutex_);
        if (edges_.empty() ? on : edges_.back().down != on) {
            edges_.push_back({on, now});
        }
        return Status::success();
    }

    std::vector<Edge> edges() {
        const std::lock_guard lock(mutex_);
        return edges_;
    }

private:
    std::mutex mutex_;
    std::vector<Edge> edges_;
};

class NoParallelPort : public ParallelPort {
public:
    Status open(std::uint32_t) override { return Status::failure("none"); }
    void close() override {}
    bool isOpen() const override { return false; }
    Status write(ParallelRegister, std::uint8_t) override { return Status::failure("none"); }
};

// "5" is five dits: ten elements of one unit, the last key up three units.
constexpr const char* kMessage = "5555555555555555555555555555555555555555";
constexpr double kUnitMs = 1200.0 / 40;

void BM_CwElementTiming(benchmark::State& st) {
    const auto method = static_cast<TimingMethod>(st.range(0));
    std::vector<double> errors;
    double worstStall = 0;
    double idleStall = 0;
    double loops = 0;
    for (auto _ : st) {
        RecordingLink link;
        NoParallelPort parallel;
        SelectedKeyingLine line(link, parallel);
        SteadyTimebase time;
        CWFrmLogic* loop = nullptr;
        KeyingThread keying(line,
                            queuedOnto<const KeyingResult&>(QCoreApplication::instance(),
                                                            [&loop](const KeyingResult& r) {
                                                                if (loop) {
                                                                    loop->characterSent(r);
                                                                }
                                                            }),
                            &time);
        bench::SilentDialogs dialogs;
        bench::NoBeep beeper;
        CwSendBuffer buffer;
        NoWinKeyer winKeyer;
        QtTimers timers;
        NoFileStore files;
        bench::NoSettings settings;
        CWFrmLogic cw({{keying, line, link, parallel, time, nullptr, dialogs, beeper},
                       buffer,
                       winKeyer,
                       timers,
                       files,
                       settings});
        loop = &cw;
        cw.optionClick(KeyingSelection::SerialRts);
        cw.state()[CWFrmControl::Text10].setText("1");
        cw.state()[CWFrmControl::Text11].setText("40");
        cw.state()[CWFrmControl::Text1].setText(kMessage);
        cw.timingClick(method);
        loops = leadingNumber(cw.state()[CWFrmControl::txtLoop].text);

        // The other core busy for the whole run.
        std::atomic<bool> busy{true};
        std::thread burner([&busy] {
            volatile double x = 0;
            while (busy.load(std::memory_order_relaxed)) {
                x = x + 1;
            }
        });
        // A 5 ms tick shows how long the event loop went without running.
        QElapsedTimer sinceTick;
        sinceTick.start();
        double stall = 0;
        QTimer tick;
        tick.setTimerType(Qt::PreciseTimer);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            stall = std::max(stall, static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
            sinceTick.restart();
        });
        tick.start(5);

        // The same watch for two seconds before sending: what the machine's
        // load alone does to the event loop.
        QElapsedTimer baseline;
        baseline.start();
        while (baseline.elapsed() < 2000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        idleStall = std::max(idleStall, stall);
        stall = 0;

        cw.FKeyCW(kCwKeyF1);
        while (cw.sending()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        tick.stop();
        busy = false;
        burner.join();
        worstStall = std::max(worstStall, stall);

        // Nominal runs: per "5" four 1-unit downs and ups, then the fifth down
        // and a 3-unit gap (the last gap ends with no further edge).
        const std::vector<RecordingLink::Edge> edges = link.edges();
        for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
            const double ms =
                std::chrono::duration<double, std::milli>(edges[i + 1].at - edges[i].at).count();
            const std::size_t inChar = i % 10;
            const double nominal = inChar == 9 ? 3 * kUnitMs : kUnitMs;
            errors.push_back(std::abs(ms - nominal));
        }
    }
    std::sort(errors.begin(), errors.end());
    const auto at = [&](double q) {
        return errors[std::min(errors.size() - 1, static_cast<std::size_t>(q * errors.size()))];
    };
    st.counters["elements"] = static_cast<double>(errors.size() + 1);
    st.counters["err_p50_ms"] = at(0.5);
    st.counters["err_p90_ms"] = at(0.9);
    st.counters["err_p99_ms"] = at(0.99);
    st.counters["err_max_ms"] = errors.back();
    st.counters["stall_max_ms"] = worstStall;
    st.counters["idle_stall_max_ms"] = idleStall;
    if (method == TimingMethod::Loop) {
        st.counters["loops_per_60ms"] = loops;
    }
}
BENCHMARK(BM_CwElementTiming)
    ->ArgName("method")
    ->Arg(static_cast<int>(TimingMethod::Timer))
    ->Arg(static_cast<int>(TimingMethod::Sleep))
    ->Arg(static_cast<int>(TimingMethod::Loop))
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace qv

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
