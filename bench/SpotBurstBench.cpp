// A burst of 5000 spot lines arriving at once, absorbed by the whole program with
// its main window showing the band map (offscreen): from a Telnet cluster on
// loopback, and from a TNC on a pseudo-terminal. A 1 ms timer measures the
// longest gap between turns of the event loop while the burst is worked through
// (goal <= 50 ms), the window's showing of the spots included, and the peak
// resident memory is read before and after (goal: growth under 20 MB).

#include "BenchFakes.h"
#include "app/Program.h"
#include "platform/posix/PosixFileStore.h"
#include "platform/qt/QtEventWait.h"
#include "platform/qt/QtSerialLink.h"
#include "platform/qt/QtTcpLink.h"
#include "platform/qt/QtTimers.h"
#include "ui/Form1.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace qv {
namespace {

constexpr int kLines = 5000;

// Peak resident memory of this process so far, in kB.
long peakKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return 0;
}

std::string burst() {
    std::string text;
    char line[128];
    for (int i = 0; i < kLines; ++i) {
        // The clusters' columns: spotter to 15, frequency to 24, call from 27.
        std::snprintf(line, sizeof line, "DX de K%dTTT:   %9.1f  JA%dABC       %-30s %04dZ\r\n",
                      i % 10, 14000.0 + (i % 350), i % 10, "CQ CQ", i % 2400);
        text += line;
    }
    return text;
}

struct Station {
    std::string dir;
    PosixFileStore files;
    PosixFileStore data{QV_DATA_DIR};
    ShippedFiles shipped{files, {&data}};
    bench::RunningClock clock;
    QtTimers timers;
    bench::NoBeep beeper;
    bench::SilentDialogs dialogs;
    bench::PortOneSettings settings;
    bench::NoClipboard clipboard;
    SerialPortResolver ports{settings, [](const std::string&) { return false; }};
    QtSerialLink tnc{ports};
    QtTcpLink telnet;
    QtEventWait wait;
    Program program;
    Form1 window;

    explicit Station(const std::string& device)
        : dir(makeDir()), files(dir, false),
          program({clock, timers, dialogs, beeper, files, shipped, settings, clipboard}, {},
                  {nullptr, &wait, nullptr, &ports, &tnc, &telnet}),
          window(program) {
        settings.device = device;
        program.profile.utcOffsetHours = 5;
        // The station window every start shows is confirmed with "Done".
        QTimer::singleShot(0, [] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w->objectName() == "frmStationID" && w->isVisible()) {
                    if (auto* done = w->findChild<QPushButton*>("Command1")) {
                        done->click();
                    }
                }
            }
        });
        if (!window.start()) {
            std::abort();
        }
        window.show();
        if (program.form1.selectBand("20") != Outcome::Continue) {
            std::abort();
        }
    }
    ~Station() { std::filesystem::remove_all(dir); }

    void openSource(const SpotSettings& s) {
        std::string text;
        if (!formatSpotSettings(s, text).ok() ||
            !files.replace(SpotSettings::kFileName, text).ok()) {
            std::abort();
        }
        program.spotWindow.show();
        program.spotWindow.cmdDoneClick(); // the band map appears under the panels
    }

    // Turns the event loop until `done`, with a 1 ms timer noting the longest gap.
    template <typename Done> double longestGapMs(Done done) {
        QElapsedTimer since;
        since.start();
        qint64 longest = 0;
        QTimer tick;
        tick.setInterval(1);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            longest = std::max(longest, since.nsecsElapsed());
            since.restart();
        });
        tick.start();
        QElapsedTimer deadline;
        deadline.start();
        while (!done() && deadline.elapsed() < 30000) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        // And what follows the burst: the window showing the spots.
        QElapsedTimer after;
        after.start();
        while (after.elapsed() < 200) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        return static_cast<double>(longest) / 1e6;
    }

    static std::string makeDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qvspots-XXXXXX").string();
        return ::mkdtemp(pattern.data());
    }
};

void BM_TelnetBurst(benchmark::State& st) {
    QTcpServer cluster;
    cluster.listen(QHostAddress::LocalHost, 0);
    Station station("");
    QTcpSocket* session = nullptr;
    QObject::connect(&cluster, &QTcpServer::newConnection,
                     [&] { session = cluster.nextPendingConnection(); });
    SpotSettings s;
    s.kind = "Telnet";
    s.telnetHost = "127.0.0.1";
    s.telnetPort = std::to_string(cluster.serverPort());
    station.openSource(s);
    station.longestGapMs([&] { return session != nullptr; });
    const std::string lines = burst();
    const long before = peakKb();
    double gap = 0;
    for (auto _ : st) {
        session->write(lines.data(), static_cast<qint64>(lines.size()));
        // Done when the whole burst reached the receive box.
        const std::string last = lines.substr(lines.size() - 40);
        gap = station.longestGapMs([&] {
            return station.program.spotWindow.state().received.text().find(last) !=
                   std::string::npos;
        });
    }
    st.counters["longest_gap_ms"] = gap;
    st.counters["peak_growth_MB"] = static_cast<double>(peakKb() - before) / 1024.0;
    st.counters["spots_listed"] = static_cast<double>(station.program.spotList.rows().size());
}
BENCHMARK(BM_TelnetBurst)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TncBurst(benchmark::State& st) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        st.SkipWithError("no pseudo-terminal");
        return;
    }
    Station station(ptsname(master));
    SpotSettings s;
    s.kind = "TNC";
    s.handshaking = 1;
    station.openSource(s);
    const std::string lines = burst();
    const long before = peakKb();
    double gap = 0;
    for (auto _ : st) {
        // The pty takes a few kilobytes at a time: the TNC writes from its own thread.
        std::thread tncWrites([&] {
            std::size_t done = 0;
            while (done < lines.size()) {
                const ssize_t n = ::write(master, lines.data() + done, lines.size() - done);
                if (n <= 0) {
                    return;
                }
                done += static_cast<std::size_t>(n);
            }
        });
        const std::string last = lines.substr(lines.size() - 40);
        gap = station.longestGapMs([&] {
            return station.program.spotWindow.state().received.text().find(last) !=
                   std::string::npos;
        });
        tncWrites.join();
    }
    st.counters["longest_gap_ms"] = gap;
    st.counters["peak_growth_MB"] = static_cast<double>(peakKb() - before) / 1024.0;
    st.counters["spots_listed"] = static_cast<double>(station.program.spotList.rows().size());
    ::close(master);
}
BENCHMARK(BM_TncBurst)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace qv

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
