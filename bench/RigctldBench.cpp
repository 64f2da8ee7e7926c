// How fast the main window follows a radio behind hamlib's rig daemon: rigctld
// runs its dummy radio on a free local port, the program polls it at the
// "100 ms" rate through the real TCP link and timers, and a second connection
// turns the dummy's dial. Each of 100 changes comes at a random moment of the
// poll cycle; the time from the change at the daemon to the main window's
// currentFrequency is reported as min/median/max.

#include "BenchFakes.h"
#include "app/Program.h"
#include "platform/posix/PosixFileStore.h"
#include "platform/qt/QtEventWait.h"
#include "platform/qt/QtTcpLink.h"
#include "platform/qt/QtTimers.h"
#include "rig/BandConversion.h"
#include "rig/RadioTable.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <benchmark/benchmark.h>

namespace qv {
namespace {

// The daemon's port, for the program's settings.
class DaemonSettings : public bench::NoSettings {
public:
    std::string port;
    std::string get(const std::string&, const std::string&, const std::string& key,
                    const std::string& defaultValue) override {
        return key == "RigctldPort" ? port : defaultValue;
    }
};

template <typename Done> bool runUntil(Done done, qint64 deadlineMs) {
    return bench::turnEventsUntil(
        done, [] { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents); },
        std::chrono::milliseconds(deadlineMs));
}

int freePort() {
    QTcpServer server;
    return server.listen(QHostAddress::LocalHost, 0) ? server.serverPort() : 0;
}

void BM_DaemonDialToMainWindow(benchmark::State& st) {
    const int port = freePort();
    QProcess daemon;
    daemon.start("rigctld", {"-m", "1", "-T", "127.0.0.1", "-t", QString::number(port)});
    if (!daemon.waitForStarted(5000)) {
        st.SkipWithError("rigctld did not start (libhamlib-utils)");
        return;
    }
    QTcpSocket dial;
    if (!runUntil(
            [&] {
                dial.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port));
                return dial.waitForConnected(100);
            },
            5000)) {
        st.SkipWithError("rigctld did not listen");
        return;
    }
    const auto turnDial = [&](std::int64_t hz) {
        dial.write(("F " + std::to_string(hz) + "\n").c_str());
        dial.flush();
    };

    const std::string dir = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "qvrigctld-XXXXXX").string();
        return std::string(::mkdtemp(pattern.data()));
    }();
    {
        PosixFileStore files{dir, false};
        PosixFileStore data{QV_DATA_DIR};
        ShippedFiles shipped{files, {&data}};
        bench::RunningClock clock;
        QtTimers timers;
        bench::NoBeep beeper;
        bench::SilentDialogs dialogs;
        DaemonSettings settings;
        settings.port = std::to_string(port);
        bench::NoClipboard clipboard;
        QtEventWait wait;
        QtTcpLink link;
        Program program{{clock, timers, dialogs, beeper, files, shipped, settings, clipboard},
                        {},
                        {nullptr, &wait, nullptr, nullptr, nullptr, nullptr, nullptr, &link}};
        program.profile.utcOffsetHours = 5;
        if (program.form1.start() != Form1Logic::Started::Ready) {
            std::abort();
        }
        program.rigWindow.ensureLoaded();
        RigConfig& config = program.rig.config();
        config.rigType = std::string(kRigctldRigType);
        config.pollRate = 'F';
        program.rig.rigctld().port = static_cast<std::uint16_t>(port);
        turnDial(14'000'000);
        const OperatingState& op = program.op;
        if (!program.rig.startPolling() ||
            !runUntil([&] { return op.currentFrequency == "14.000"; }, 5000)) {
            st.SkipWithError("the main window did not follow the daemon");
        } else {
            std::mt19937 random(12345);
            std::uniform_int_distribution<int> phase(0, 99);
            std::vector<double> latencies;
            for (auto _ : st) {
                latencies.clear();
                for (int change = 1; change <= 100; ++change) {
                    QElapsedTimer pause;
                    pause.start();
                    const int cycleAt = phase(random);
                    runUntil([&] { return pause.elapsed() >= cycleAt; }, 1000);
                    dial.readAll(); // the daemon's RPRT 0 answers

                    const float mhz = 14.0f + static_cast<float>(change % 50) * 0.005f + 0.001f;
                    const std::string expected = frequencyText(mhz);
                    QElapsedTimer took;
                    took.start();
                    turnDial(std::llround(static_cast<double>(mhz) * 1e6));
                    if (!runUntil([&] { return op.currentFrequency == expected; }, 2000)) {
                        st.SkipWithError("a dial change never reached the main window");
                        break;
                    }
                    latencies.push_back(static_cast<double>(took.nsecsElapsed()) / 1e6);
                }
            }
            if (latencies.size() == 100) {
                std::sort(latencies.begin(), latencies.end());
                st.counters["min_ms"] = latencies.front();
                st.counters["median_ms"] = (latencies[49] + latencies[50]) / 2;
                st.counters["max_ms"] = latencies.back();
            }
        }
        program.rig.unload();
    }
    std::filesystem::remove_all(dir);
    daemon.terminate();
    daemon.waitForFinished(3000);
}
BENCHMARK(BM_DaemonDialToMainWindow)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace qv

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
