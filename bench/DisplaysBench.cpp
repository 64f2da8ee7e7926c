// The display windows' computations with a full log: the rate graph of 11000
// contacts, and the shipped map painted with all 62 multipliers worked.

#include "SampleLog.h"
#include "displays/MapPainting.h"
#include "displays/RateGraph.h"
#include "ui/SectionMap.h"

#include <random>
#include <vector>

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>

namespace qv {
namespace {

const DateTime kEnd = *DateTime::fromFields(2007, 1, 14, 18, 0, 0);

void BM_RateGraphOfAFullLog(benchmark::State& st) {
    const std::vector<ContactRecord> log = bench::sampleLog(11000, kEnd);
    for (auto _ : st) {
        RateGraph g = computeRateGraph(log, kGraphBlack);
        benchmark::DoNotOptimize(g.smooth.data());
    }
}
BENCHMARK(BM_RateGraphOfAFullLog)->Unit(benchmark::kMillisecond);

// Every multiplier worked on the shipped map; each round paints a fresh copy.
void BM_PaintAllMultipliersOnTheMap(benchmark::State& st) {
    QImage picture(QStringLiteral(QV_DATA_DIR "/map.png"));
    if (picture.isNull()) {
        st.SkipWithError("data/map.png could not be read");
        return;
    }
    const PixelImage map = toPixelImage(picture);
    const MultiplierTable table;
    std::vector<MapMultiplier> worked;
    for (std::size_t j = 1; j <= MultiplierTable::kSize; ++j) {
        worked.push_back({std::string(table.entry(j).abbreviation), true});
    }
    std::mt19937 generator(7);
    const MapRandom random = [&] { return std::generate_canonical<double, 32>(generator); };
    long painted = 0;
    for (auto _ : st) {
        PixelImage copy = map;
        painted = paintWorkedMultipliers(copy, mapSeeds(), worked, random);
        benchmark::DoNotOptimize(copy.pixels.data());
    }
    st.counters["pixels"] = double(painted);
}
BENCHMARK(BM_PaintAllMultipliersOnTheMap)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace qv

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
