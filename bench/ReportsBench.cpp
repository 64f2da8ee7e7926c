// The two report files of a full log (11000 contacts): building the bytes, and the
// whole write into a directory with the file synced to disk.

#include "SampleLog.h"
#include "core/ContestLog.h"
#include "core/Tally.h"
#include "platform/posix/PosixFileStore.h"
#include "reports/AdifWriter.h"
#include "reports/CabrilloFile.h"

#include <cstdlib>
#include <filesystem>

#include <benchmark/benchmark.h>

namespace qv {
namespace {

const std::vector<ContactRecord>& fullLog() {
    static const std::vector<ContactRecord> log =
        bench::sampleLog(ContestLog::kCapacity, *DateTime::fromFields(2007, 1, 14, 18, 0, 0));
    return log;
}

OperatingState totalsOf(const std::vector<ContactRecord>& log) {
    OperatingState totals;
    const MultiplierTable table;
    for (const ContactRecord& r : log) {
        addPoints(totals, r.points);
        countSpc(totals, table, r.spc);
    }
    return totals;
}

CabrilloHeader header() {
    CabrilloHeader h;
    h.programTitle = "Velmark's Quorvane Log 1.5";
    h.ownCall = "W1AW";
    h.ownSpc = "CT";
    h.ownCategory = "L";
    h.operators = "W1AW";
    h.name = "Anne Smith";
    return h;
}

AdifCountryTable shippedCountries() {
    PosixFileStore data(QV_DATA_DIR);
    const FileContents c = data.read(AdifCountryTable::kFileName);
    AdifCountryTable table;
    if (c.error != FileContents::Error::None || !table.load(c.bytes)) {
        std::abort();
    }
    return table;
}

// A directory for the written files, removed when the program ends.
const std::string& scratchDir() {
    struct Scratch {
        std::filesystem::path path = std::filesystem::temp_directory_path() / "qv_reports_bench";
        std::string text = path.string();
        Scratch() { std::filesystem::create_directories(path); }
        ~Scratch() { std::filesystem::remove_all(path); }
    };
    static const Scratch dir;
    return dir.text;
}

void BM_CabrilloText(benchmark::State& st) {
    const auto& log = fullLog();
    const OperatingState totals = totalsOf(log);
    const CabrilloHeader h = header();
    for (auto _ : st) {
        benchmark::DoNotOptimize(cabrilloText(h, totals, log));
    }
}
BENCHMARK(BM_CabrilloText)->Unit(benchmark::kMillisecond);

void BM_WriteCabrilloFile(benchmark::State& st) {
    const auto& log = fullLog();
    const OperatingState totals = totalsOf(log);
    const CabrilloHeader h = header();
    PosixFileStore files(scratchDir());
    for (auto _ : st) {
        if (!WriteCabrilloFile(files, h, totals, log).status) {
            std::abort();
        }
    }
}
BENCHMARK(BM_WriteCabrilloFile)->Unit(benchmark::kMillisecond);

void BM_AdifText(benchmark::State& st) {
    const auto& log = fullLog();
    const AdifCountryTable countries = shippedCountries();
    for (auto _ : st) {
        benchmark::DoNotOptimize(
            adifText(log, countries, "100", "Velmark's Quorvane Log 1.5", "1/14/2007 18:30:00"));
    }
}
BENCHMARK(BM_AdifText)->Unit(benchmark::kMillisecond);

// What the menu item does after the power question: the table read, the file written.
void BM_WriteAdifFile(benchmark::State& st) {
    const auto& log = fullLog();
    PosixFileStore data(QV_DATA_DIR);
    const FileContents table = data.read(AdifCountryTable::kFileName);
    PosixFileStore files(scratchDir());
    for (auto _ : st) {
        AdifCountryTable countries;
        if (!countries.load(table.bytes) ||
            !files.replace(kAdifFileName,
                           adifText(log, countries, "100", "Velmark's Quorvane Log 1.5",
                                    "1/14/2007 18:30:00"))) {
            std::abort();
        }
    }
}
BENCHMARK(BM_WriteAdifFile)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace qv

BENCHMARK_MAIN();
