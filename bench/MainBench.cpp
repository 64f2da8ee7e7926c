// The main window's logic with a full log: one call-field keystroke (partial
// duplicates, prefix lookup, state update) and Mains, without painting and
// without the disk sync.

#include "BenchFakes.h"
#include "SampleLog.h"
#include "app/Program.h"
#include "core/LogFileFormat.h"
#include "platform/posix/PosixFileStore.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <benchmark/benchmark.h>

namespace qv {
namespace {

const DateTime kEnd = *DateTime::fromFields(2007, 1, 14, 18, 0, 0);

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
    Program program{{clock, timers, dialogs, beeper, files, shipped, settings, clipboard}};
    Form1State& ui = program.ui;
    Form1Logic& main = program.form1;

    explicit Station(std::size_t records) : dir(makeDir()), files(dir, false) {
        program.profile.utcOffsetHours = 5;
        writeLog(records);
        if (main.start() != Form1Logic::Started::Ready) {
            std::abort();
        }
        main.cmdLogOn_Click();
    }
    ~Station() { std::filesystem::remove_all(dir); }

    void writeLog(std::size_t records) {
        std::ofstream(dir + "/log.txt", std::ios::binary | std::ios::trunc)
            << *formatLog(bench::sampleLog(records, kEnd));
    }
    static std::string makeDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qvmain-XXXXXX").string();
        return ::mkdtemp(pattern.data());
    }
};

void BM_CallFieldKeystroke(benchmark::State& st) {
    Station s(ContestLog::kCapacity);
    const std::string call = "W1ABC";
    std::size_t i = 0;
    for (auto _ : st) {
        if (i == call.size()) {
            s.ui.txtCall.clear();
            i = 0;
        }
        s.main.entry().keyPress(EntryField::Call, call[i++]);
    }
}
BENCHMARK(BM_CallFieldKeystroke)->Unit(benchmark::kMicrosecond);

void BM_Mains(benchmark::State& st) {
    const std::size_t start = ContestLog::kCapacity - 2000;
    Station s(start);
    int n = 0;
    for (auto _ : st) {
        st.PauseTiming();
        if (s.program.log.full()) {
            s.writeLog(start);
            if (s.main.menuOpen() != Outcome::Continue) {
                st.SkipWithError("reload failed");
            }
        }
        // A new call each time, so none is a duplicate.
        s.ui.txtCall.setText("K" + std::to_string(n % 10) + "Q" + std::to_string(n));
        ++n;
        s.ui.txtCntry.setText("CT");
        s.ui.txtRSTR.setText("M");
        s.ui.txtSec.setText("John");
        st.ResumeTiming();
        s.main.entry().keyPress(EntryField::Name, keys::kEnter);
    }
    if (s.program.log.size() <= start) {
        st.SkipWithError("nothing was logged");
    }
}
BENCHMARK(BM_Mains)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace qv

BENCHMARK_MAIN();
