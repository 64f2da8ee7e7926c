// The log paths with a full 11000-contact log: load, rates, append and rewrite.

#include "BenchFakes.h"
#include "SampleLog.h"
#include "core/LogFileFormat.h"
#include "core/TimeStats.h"
#include "core/WorkingLog.h"
#include "platform/posix/PosixFileStore.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <benchmark/benchmark.h>

namespace qv {
namespace {

const DateTime kEnd = *DateTime::fromFields(2007, 1, 14, 18, 0, 0);

struct Fixture {
    std::string dir;
    PosixFileStore files;
    bench::SilentDialogs dialogs;
    ContestLog log;
    OperatingState state;
    MultiplierTable table;
    bench::StillClock clock;
    LogFile file{files};
    WorkingLog working{log, state, table, file, dialogs, clock};

    Fixture(std::size_t records, bool sync) : dir(makeDir()), files(dir, sync) {
        writeLog(records);
        if (working.LoadLog() != Outcome::Continue) {
            std::abort();
        }
    }
    ~Fixture() { std::filesystem::remove_all(dir); }

    void writeLog(std::size_t records) {
        std::ofstream(dir + "/log.txt", std::ios::binary | std::ios::trunc)
            << *formatLog(bench::sampleLog(records, kEnd));
    }

    static std::string makeDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qvbench-XXXXXX").string();
        return ::mkdtemp(pattern.data());
    }
};

void BM_LoadLog(benchmark::State& st) {
    Fixture f(ContestLog::kCapacity, true);
    for (auto _ : st) {
        benchmark::DoNotOptimize(f.working.LoadLog());
    }
    st.counters["records"] = static_cast<double>(f.log.size());
}
BENCHMARK(BM_LoadLog)->Unit(benchmark::kMillisecond);

void BM_TimeStats(benchmark::State& st) {
    ContestLog log;
    log.assign(bench::sampleLog(ContestLog::kCapacity, kEnd));
    for (auto _ : st) {
        benchmark::DoNotOptimize(TimeStats(log, kEnd.addSeconds(60)));
    }
}
BENCHMARK(BM_TimeStats)->Unit(benchmark::kMicrosecond);

void appendLoop(benchmark::State& st, bool sync) {
    const std::size_t start = ContestLog::kCapacity - 1000;
    Fixture f(start, sync);
    const ContactRecord r = bench::sampleLog(1, kEnd).front();
    for (auto _ : st) {
        if (f.log.full()) {
            st.PauseTiming();
            f.writeLog(start);
            if (f.working.LoadLog() != Outcome::Continue) {
                st.SkipWithError("reload failed");
            }
            st.ResumeTiming();
        }
        if (!f.working.AppendRecord(r).status.ok()) {
            st.SkipWithError("append failed");
        }
    }
}

void BM_AppendRecordNoSync(benchmark::State& st) {
    appendLoop(st, false);
}
BENCHMARK(BM_AppendRecordNoSync)->Unit(benchmark::kMicrosecond);

void BM_AppendRecordSynced(benchmark::State& st) {
    appendLoop(st, true);
}
BENCHMARK(BM_AppendRecordSynced)->Unit(benchmark::kMicrosecond);

void BM_RewriteAndReload(benchmark::State& st) {
    Fixture f(ContestLog::kCapacity, true);
    for (auto _ : st) {
        benchmark::DoNotOptimize(f.working.RewriteLog());
    }
}
BENCHMARK(BM_RewriteAndReload)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace qv

BENCHMARK_MAIN();
