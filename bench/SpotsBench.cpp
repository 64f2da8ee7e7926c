// The spot intake and the band map: one cluster line through the TNC line
// assembler into the store and the spot list (goal: 10 µs or less; a busy
// cluster sends a few lines a second), and the main band map laid out for 50
// spots on the band (goal: 50 µs or less; it is redrawn on every spot).

#include "base/Numbers.h"
#include "geo/PrefixTable.h"
#include "platform/posix/PosixFileStore.h"
#include "spots/BandMapLayout.h"
#include "spots/SpotIntake.h"
#include "spots/SpotList.h"
#include "spots/SpotStore.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace qv {
namespace {

const DateTime kNow = *DateTime::fromFields(2007, 1, 13, 9, 0, 0);

PrefixTable shippedPrefixes() {
    PosixFileStore data(QV_DATA_DIR);
    FileContents c = data.read(PrefixTable::kFileName);
    PrefixTable table;
    if (c.error != FileContents::Error::None || !table.load(c.bytes)) {
        std::abort();
    }
    return table;
}

// Distinct lines, so none is a repeat of what the box shows.
std::vector<std::string> clusterLines(std::size_t count) {
    const char* calls[] = {"JA1ABC", "DL1XYZ", "VP2/W1AW", "W1AW/3", "3DA0XYZ", "KB1ABC/M",
                           "PY1AA",  "ZS6AA",  "VK2ABC",   "UA9ABC", "EA8AB",   "9M2AB"};
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < count; ++i) {
        char line[128];
        std::snprintf(line, sizeof line, "DX de K1TTT:     %7.1f  %-13sCQ CQ %-24zu%04zuZ\r\n",
                      14000.0 + static_cast<double>(i % 3500) / 10, calls[i % 12], i, i % 2400);
        lines.emplace_back(line);
    }
    return lines;
}

class StoringSink : public SpotSink {
public:
    explicit StoringSink(const PrefixTable& prefixes) : list(prefixes) {}
    void addSpot(const std::string& frequencyText, const std::string& call,
                 const std::string& spotText) override {
        if (!isNumeric(frequencyText)) {
            return;
        }
        const auto mhz = static_cast<float>(leadingNumber(frequencyText) / 1000);
        store.add(call, mhz, kNow);
        list.add(call, mhz, spotText);
        ++stored;
    }
    SpotStore store;
    SpotList list;
    std::size_t stored = 0;
};

void BM_SpotLineToStoreAndList(benchmark::State& st) {
    const PrefixTable prefixes = shippedPrefixes();
    const std::vector<std::string> lines = clusterLines(1000);
    TncLineAssembler tnc;
    ReceiveBox box;
    StoringSink sink(prefixes);
    std::size_t i = 0;
    for (auto _ : st) {
        tnc.receive(lines[i], box, true, sink);
        i = (i + 1) % lines.size();
    }
    if (sink.stored != static_cast<std::size_t>(st.iterations())) {
        st.SkipWithError("a line was not stored");
    }
    benchmark::DoNotOptimize(sink.list.rows().front());
}
BENCHMARK(BM_SpotLineToStoreAndList)->Unit(benchmark::kMicrosecond);

SpotStore fiftySpotsOn20m() {
    SpotStore store;
    for (int i = 0; i < 50; ++i) {
        // Slot 0 mid-band: the zoom does not look at it, so at an edge it would fall off.
        const float mhz = i == 0 ? 14.15f : 14.0f + static_cast<float>(i * 7) / 1000;
        store.add("W" + std::to_string(i) + "AW", mhz, kNow.addSeconds(-(49 - i) * 60));
    }
    return store;
}

void BM_LayoutBandMap50Spots(benchmark::State& st) {
    const SpotStore store = fiftySpotsOn20m();
    std::size_t shown = 0;
    for (auto _ : st) {
        const BandMapLayout layout = layoutBandMap(store, "20", kNow, -5);
        shown = layout.labels.size();
        benchmark::DoNotOptimize(layout.labels.data());
    }
    if (shown != 50) {
        st.SkipWithError("not every spot was laid out");
    }
}
BENCHMARK(BM_LayoutBandMap50Spots)->Unit(benchmark::kMicrosecond);

void BM_LayoutSpectrum50Spots(benchmark::State& st) {
    const SpotStore store = fiftySpotsOn20m();
    for (auto _ : st) {
        const SpectrumLayout layout = layoutSpectrum(store, kNow, -5);
        benchmark::DoNotOptimize(layout.labels.data());
    }
}
BENCHMARK(BM_LayoutSpectrum50Spots)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace qv

BENCHMARK_MAIN();
