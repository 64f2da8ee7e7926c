// Voice navigation's latency: from the focus entering the call field (the main
// window's logic over a full log) to the player being told to play the word,
// with the word looked up on the disk: the operator's own recording, or the
// shipped one after the working directory was searched for it in vain.

#include "BenchFakes.h"
#include "SampleLog.h"
#include "app/Program.h"
#include "core/LogFileFormat.h"
#include "platform/posix/PosixFileStore.h"
#include "voice/Navigator.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <benchmark/benchmark.h>

namespace qv {
namespace {

using Steady = std::chrono::steady_clock;

const DateTime kEnd = *DateTime::fromFields(2007, 1, 14, 18, 0, 0);

// Notes the moment it is told to play; the word never ends.
class TimingPlayer : public WavePlayer {
public:
    Steady::time_point playedAt;
    bool isPlaying = false;
    void play(const std::string&) override {
        playedAt = Steady::now();
        isPlaying = true;
    }
    void stop() override { isPlaying = false; }
    bool playing() const override { return isPlaying; }
    void setFinishedHandler(FinishedHandler) override {}
};

struct Station {
    std::string dir;
    PosixFileStore files;
    PosixFileStore data{QV_DATA_DIR};
    ShippedFiles shipped{files, {&data}};
    bench::StillClock clock;
    bench::StillTimers timers;
    bench::NoBeep beeper;
    bench::SilentDialogs dialogs;
    bench::NoSettings settings;
    bench::NoClipboard clipboard;
    NoEventWait wait;
    TimingPlayer player;
    Navigator navigator{{player, wait, files, {&data}}};
    Program program{{clock, timers, dialogs, beeper, files, shipped, settings, clipboard},
                    {&navigator}};
    Form1Logic& main = program.form1;

    Station(bool ownRecording) : dir(makeDir()), files(dir, false) {
        navigator.follow(program.prefs);
        program.profile.utcOffsetHours = 5;
        program.prefs.navigationMode = 2;
        std::ofstream(dir + "/log.txt", std::ios::binary)
            << *formatLog(bench::sampleLog(ContestLog::kCapacity, kEnd));
        // A working directory a season of contests filled: archives and exports.
        for (int i = 0; i < 300; ++i) {
            std::ofstream(dir + "/contest" + std::to_string(i) + ".log") << "x";
        }
        if (ownRecording) {
            std::filesystem::copy_file(std::string(QV_DATA_DIR) + "/voice/Call.wav",
                                       dir + "/Call.wav");
        }
        if (main.start() != Form1Logic::Started::Ready) {
            std::abort();
        }
        main.cmdLogOn_Click();
    }
    ~Station() { std::filesystem::remove_all(dir); }

    static std::string makeDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qvnav-XXXXXX").string();
        return ::mkdtemp(pattern.data());
    }
};

void enterCallField(benchmark::State& st, bool ownRecording) {
    Station s(ownRecording);
    double longest = 0;
    for (auto _ : st) {
        const Steady::time_point start = Steady::now();
        s.main.entry().entered(EntryField::Call);
        const double seconds = std::chrono::duration<double>(s.player.playedAt - start).count();
        st.SetIterationTime(seconds);
        longest = std::max(longest, seconds);
    }
    st.counters["longest_ms"] = longest * 1000;
}

void BM_EnterFieldToPlay_OwnRecording(benchmark::State& st) {
    enterCallField(st, true);
}
void BM_EnterFieldToPlay_ShippedWord(benchmark::State& st) {
    enterCallField(st, false);
}
BENCHMARK(BM_EnterFieldToPlay_OwnRecording)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EnterFieldToPlay_ShippedWord)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace qv

BENCHMARK_MAIN();
