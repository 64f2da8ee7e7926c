// The voice keyer's push-to-talk timing: how soon the line rises after a
// function key, and how soon it falls after the message ends, with the
// program's own Qt timers watching the end.

#include "BenchFakes.h"
#include "platform/qt/QtTimers.h"
#include "voice/PhoneKeyer.h"

#include <algorithm>
#include <chrono>
#include <random>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace qv {
namespace {

using Steady = std::chrono::steady_clock;

double msBetween(Steady::time_point from, Steady::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// A serial link that notes when RTS last changed.
class TimedLink : public SerialLink {
public:
    Steady::time_point rtsChanged;
    bool rts = false;

    void setPort(int number) override { port_ = number; }
    int port() const override { return port_; }
    void setSettings(const SerialSettings&) override {}
    void setHandshaking(Handshaking) override {}
    Status open() override {
        open_ = true;
        return Status::success();
    }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    Status setDtr(bool) override { return Status::success(); }
    Status setRts(bool on) override {
        rts = on;
        rtsChanged = Steady::now();
        return Status::success();
    }
    Status write(std::string_view) override { return Status::success(); }
    std::string takeInput() override { return {}; }
    std::size_t outBufferCount() const override { return 0; }
    void setEventHandler(EventHandler) override {}

private:
    int port_ = 0;
    bool open_ = false;
};

// A player whose message ends when the benchmark says.
class ControlledPlayer : public WavePlayer {
public:
    bool isPlaying = false;
    void play(const std::string&) override { isPlaying = true; }
    void stop() override { isPlaying = false; }
    bool playing() const override { return isPlaying; }
    void setFinishedHandler(FinishedHandler) override {}
};

class NoParallel : public ParallelPort {
public:
    Status open(std::uint32_t) override { return Status::success(); }
    void close() override {}
    bool isOpen() const override { return true; }
    Status write(ParallelRegister, std::uint8_t) override { return Status::success(); }
};

struct Rig {
    ControlledPlayer player;
    TimedLink link;
    NoParallel parallel;
    bench::SilentDialogs dialogs;
    bench::NoBeep beep;
    NoKeyingPortRule rule;
};

WaveSettings oneMessage() {
    WaveSettings s;
    s.files[0] = "/w/cq.wav";
    s.port = "1";
    return s;
}

void reportLatencies(benchmark::State& st, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    st.counters["min_ms"] = ms.front();
    st.counters["median_ms"] = ms[ms.size() / 2];
    st.counters["max_ms"] = ms.back();
}

// From F1 to the push-to-talk line raised.
void BM_KeyToPttRaised(benchmark::State& st) {
    Rig r;
    bench::StillTimers timers;
    PhoneKeyer keyer({r.player, r.link, r.parallel, timers, r.dialogs, r.beep, r.rule, nullptr});
    keyer.applySettings(oneMessage());
    std::vector<double> latencies;
    for (auto _ : st) {
        const Steady::time_point pressed = Steady::now();
        keyer.FKeyPhone(kKeyF1);
        latencies.push_back(msBetween(pressed, r.link.rtsChanged));
        r.player.isPlaying = false;
    }
    reportLatencies(st, std::move(latencies));
}
BENCHMARK(BM_KeyToPttRaised);

// From the end of playback to the push-to-talk line dropped, the end falling
// at random moments against the 40 ms watch.
void BM_EndToPttDropped(benchmark::State& st) {
    Rig r;
    QtTimers timers;
    PhoneKeyer keyer({r.player, r.link, r.parallel, timers, r.dialogs, r.beep, r.rule, nullptr});
    keyer.applySettings(oneMessage());
    std::mt19937 random(7);
    std::uniform_int_distribution<int> playFor(50, 250);
    std::vector<double> latencies;
    for (auto _ : st) {
        keyer.FKeyPhone(kKeyF1);
        Steady::time_point ended;
        QTimer::singleShot(playFor(random), Qt::PreciseTimer, [&] {
            r.player.isPlaying = false;
            ended = Steady::now();
        });
        QElapsedTimer limit;
        limit.start();
        while (r.link.rts && limit.elapsed() < 2000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        latencies.push_back(msBetween(ended, r.link.rtsChanged));
    }
    reportLatencies(st, std::move(latencies));
}
BENCHMARK(BM_EndToPttDropped)->Iterations(50)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace qv

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
