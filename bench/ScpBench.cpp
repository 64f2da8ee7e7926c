// Super check partial over the community's full master list (Debian's
// hamradio-files): one query per key as the call is typed, by typed length,
// with its median and 99th percentile; reading and indexing the file; and the
// memory the index adds.

#include "scp/CallIndex.h"
#include "scp/MasterList.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <unistd.h>
#include <vector>

#include <benchmark/benchmark.h>

namespace qv {
namespace {

const char* const kInstalledList = "/usr/share/hamradio-files/MASTER.SCP";

std::string listBytes() {
    std::ifstream in(kInstalledList, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

const CallIndex& fullIndex() {
    static const CallIndex index(parseMasterList(listBytes()).calls);
    return index;
}

// Resident memory in bytes.
double residentBytes() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) {
            resident = 0;
        }
        std::fclose(f);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE));
}

// What the window asks at each key: the calls containing the typed text and, for
// a call the list does not know, those one edit away.
std::size_t query(const CallIndex& index, std::string_view typed) {
    std::size_t rows = index.containing(typed, 20).size();
    if (typed.size() >= 3 && !index.find(typed)) {
        rows += index.oneEditAway(typed, 40).size();
    }
    return rows;
}

void BM_LoadMasterList(benchmark::State& st) {
    const std::string bytes = listBytes();
    if (bytes.empty()) {
        st.SkipWithError("MASTER.SCP is not installed (Debian package hamradio-files)");
        return;
    }
    double added = 0;
    std::size_t held = 0;
    for (auto _ : st) {
        const double before = residentBytes();
        auto index = std::make_unique<CallIndex>(parseMasterList(bytes).calls);
        added = residentBytes() - before;
        held = index->bytesUsed();
        benchmark::DoNotOptimize(index.get());
    }
    st.counters["index_MiB"] = static_cast<double>(held) / (1024.0 * 1024.0);
    st.counters["rss_added_MiB"] = added / (1024.0 * 1024.0);
}
BENCHMARK(BM_LoadMasterList)->Unit(benchmark::kMillisecond)->Iterations(5);

// Typed texts: the first characters of calls spread over the list, and the same
// length from the middle of calls (an operator who caught only part of a call),
// some with one character busted.
void BM_QueryByTypedLength(benchmark::State& st) {
    const CallIndex& index = fullIndex();
    if (index.size() == 0) {
        st.SkipWithError("MASTER.SCP is not installed (Debian package hamradio-files)");
        return;
    }
    const auto length = static_cast<std::size_t>(st.range(0));
    std::vector<std::string> typed;
    for (std::uint32_t id = 0; id < index.size(); id += 37) {
        const std::string_view call = index.call(id);
        if (call.size() < length) {
            continue;
        }
        const bool middle = call.size() > length && typed.size() % 3 == 0;
        std::string text(call.substr(middle ? 1 : 0, length));
        if (typed.size() % 5 == 0) {
            text.back() = text.back() == 'Q' ? 'X' : 'Q';
        }
        typed.push_back(std::move(text));
    }
    std::vector<double> micros;
    micros.reserve(typed.size());
    std::size_t rows = 0;
    for (auto _ : st) {
        micros.clear();
        for (const std::string& t : typed) {
            const auto start = std::chrono::steady_clock::now();
            rows += query(index, t);
            const auto end = std::chrono::steady_clock::now();
            micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        }
    }
    benchmark::DoNotOptimize(rows);
    std::sort(micros.begin(), micros.end());
    st.counters["queries"] = static_cast<double>(micros.size());
    st.counters["median_us"] = micros[micros.size() / 2];
    st.counters["p99_us"] = micros[micros.size() * 99 / 100];
    st.counters["max_us"] = micros.back();
}
BENCHMARK(BM_QueryByTypedLength)->DenseRange(2, 6)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace qv

BENCHMARK_MAIN();
