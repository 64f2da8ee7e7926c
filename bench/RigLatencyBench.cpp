// How fast the main window follows the radio: a simulated Kenwood on a
// pseudo-terminal, answering at the pace of a 4800 baud line (8N2), polled at the
// "100 ms" rate through the real serial link and timers. Each of 100 dial changes
// comes at a random moment of the poll cycle; the time until the main window's
// frequency changes is reported as min/median/max (goal: median <= 120 ms, max
// <= 250 ms). Also one reply tick of the real rig control, decode and main-window
// update, without painting (goal <= 20 us).

#include "BenchFakes.h"
#include "RadioSimulator.h"
#include "app/Program.h"
#include "platform/posix/PosixFileStore.h"
#include "platform/qt/QtEventWait.h"
#include "platform/qt/QtSerialLink.h"
#include "platform/qt/QtTimers.h"
#include "rig/BandConversion.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

namespace qv {
namespace {

// A station with rig control on the given link (the real one, or one a
// benchmark feeds itself).
struct Station {
    std::string dir = makeDir();
    PosixFileStore files{dir, false};
    PosixFileStore data{QV_DATA_DIR};
    ShippedFiles shipped{files, {&data}};
    bench::RunningClock clock;
    QtTimers timers;
    bench::NoBeep beeper;
    bench::SilentDialogs dialogs;
    bench::PortOneSettings settings;
    bench::NoClipboard clipboard;
    SerialPortResolver ports{settings, [](const std::string&) { return false; }};
    QtEventWait wait;
    SerialLink& link;
    Program program{{clock, timers, dialogs, beeper, files, shipped, settings, clipboard},
                    {},
                    {&link, &wait, nullptr, &ports}};

    Station(SerialLink& radioLink, const std::string& device) : link(radioLink) {
        settings.device = device;
        program.profile.utcOffsetHours = 5;
        if (program.form1.start() != Form1Logic::Started::Ready) {
            std::abort();
        }
        RigConfig& config = program.rig.config();
        config.rigType = "Kenwood";
        config.frequencyQuery = "FA;";
        config.modeQuery = "MD;";
        config.settingsText = "4800,N,8,2";
        config.portNumber = 1;
        config.pollRate = 'F';
    }
    ~Station() { std::filesystem::remove_all(dir); }

    static std::string makeDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qvrig-XXXXXX").string();
        return ::mkdtemp(pattern.data());
    }
};

// Runs the event loop, waking for each event, until done() or the deadline.
template <typename Done> bool runUntil(Done done, qint64 deadlineMs) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done()) {
        if (elapsed.elapsed() > deadlineMs) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

void BM_DialToMainWindow(benchmark::State& st) {
    test::RadioSimulator radio("Kenwood", 14'000'000, test::RadioSimulator::Mode::CW);
    radio.paceAt(4800, 11);
    bench::PortOneSettings settings;
    settings.device = radio.devicePath();
    SerialPortResolver ports{settings, [](const std::string&) { return false; }};
    QtSerialLink link{ports};
    Station station(link, radio.devicePath());
    if (radio.devicePath().empty() || !station.program.rig.startPolling()) {
        st.SkipWithError("the simulated radio's port did not open");
        return;
    }
    const OperatingState& op = station.program.op;
    if (!runUntil([&] { return op.currentFrequency == "14.000"; }, 5000)) {
        st.SkipWithError("the main window did not follow the radio");
        return;
    }
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> phase(0, 99);
    std::vector<double> latencies;
    for (auto _ : st) {
        latencies.clear();
        for (int change = 1; change <= 100; ++change) {
            // A random moment of the 100 ms poll cycle.
            QElapsedTimer pause;
            pause.start();
            const int wait = phase(random);
            runUntil([&] { return pause.elapsed() >= wait; }, 1000);

            const float mhz = 14.0f + static_cast<float>(change % 50) * 0.005f + 0.001f;
            const std::string expected = frequencyText(mhz);
            QElapsedTimer took;
            took.start();
            radio.turnDial(static_cast<std::uint64_t>(std::llround(mhz * 1e6)));
            if (!runUntil([&] { return op.currentFrequency == expected; }, 2000)) {
                st.SkipWithError("a dial change never reached the main window");
                return;
            }
            latencies.push_back(static_cast<double>(took.nsecsElapsed()) / 1e6);
        }
    }
    std::sort(latencies.begin(), latencies.end());
    st.counters["min_ms"] = latencies.front();
    st.counters["median_ms"] = (latencies[49] + latencies[50]) / 2;
    st.counters["max_ms"] = latencies.back();
}
BENCHMARK(BM_DialToMainWindow)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// A serial link that always holds the radio's answer.
class AnsweringLink : public SerialLink {
public:
    std::string answer = "FA00014025000;MD3;";
    void setPort(int) override {}
    int port() const override { return 1; }
    void setSettings(const SerialSettings&) override {}
    void setHandshaking(Handshaking) override {}
    Status open() override {
        open_ = true;
        return Status::success();
    }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    Status setDtr(bool) override { return Status::success(); }
    Status setRts(bool) override { return Status::success(); }
    Status write(std::string_view) override { return Status::success(); }
    std::string takeInput() override { return answer; }
    std::size_t outBufferCount() const override { return 0; }
    void setEventHandler(EventHandler) override {}

private:
    bool open_ = false;
};

void BM_ReplyTick(benchmark::State& st) {
    AnsweringLink link;
    Station station(link, "");
    RigControl& rig = station.program.rig;
    const OperatingState& op = station.program.op;
    rig.tick();
    rig.tick(); // the first answer moves the main window to 20 m
    for (auto _ : st) {
        rig.tick(); // send
        rig.tick(); // reply: decode, pass on to the main window
        benchmark::DoNotOptimize(op.currentFrequency.data());
    }
    if (op.currentFrequency != "14.025" || op.currentBand != "20") {
        st.SkipWithError("the reply did not reach the main window");
    }
}
BENCHMARK(BM_ReplyTick)->Unit(benchmark::kNanosecond);

} // namespace
} // namespace qv

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
