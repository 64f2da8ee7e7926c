// The call-field lookup on the shipped prefix table (it runs on every keystroke)
// and loading that table.

#include "geo/CountryLookup.h"
#include "platform/posix/PosixFileStore.h"

#include <cstdlib>

#include <benchmark/benchmark.h>

namespace qv {
namespace {

std::string shippedTable() {
    PosixFileStore data(QV_DATA_DIR);
    FileContents c = data.read(PrefixTable::kFileName);
    if (c.error != FileContents::Error::None) {
        std::abort();
    }
    return c.bytes;
}

void BM_LoadPrefixTable(benchmark::State& st) {
    const std::string text = shippedTable();
    for (auto _ : st) {
        PrefixTable table;
        benchmark::DoNotOptimize(table.load(text));
    }
}
BENCHMARK(BM_LoadPrefixTable)->Unit(benchmark::kMillisecond);

void BM_EntryFieldLookup(benchmark::State& st) {
    PrefixTable table;
    if (!table.load(shippedTable())) {
        std::abort();
    }
    // A spread of calls over the table's blocks, typed one character at a time.
    const char* calls[] = {"W1AW",  "DL1ABC", "JA1XYZ", "VK2ABC", "PY1AA", "ZS6AA",
                           "4X1AB", "UA9ABC", "KH6XX",  "VE3ABC", "EA8AB", "9M2AB"};
    std::vector<std::string> typed;
    for (const char* call : calls) {
        const std::string c = call;
        for (std::size_t n = 1; n <= c.size(); ++n) {
            typed.push_back(c.substr(0, n));
        }
    }
    std::size_t i = 0;
    GeoFields fields;
    for (auto _ : st) {
        entryFieldLookup(table, typed[i], {40, 75}, fields);
        benchmark::DoNotOptimize(fields);
        i = (i + 1) % typed.size();
    }
}
BENCHMARK(BM_EntryFieldLookup)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace qv

BENCHMARK_MAIN();
