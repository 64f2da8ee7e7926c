// One poll cycle of rig control: the send tick's queries and the decoding of the
// reply the next tick reads, for a Kenwood text reply and for an Icom CI-V buffer
// (the echo of the query, then the answer). At the fastest rate a tick comes every
// 50 ms; the decoding should take well under 20 µs of it.

#include "rig/HexText.h"
#include "rig/RadioTable.h"
#include "rig/RigProtocol.h"

#include <cstdlib>
#include <string>

#include <benchmark/benchmark.h>

namespace qv {
namespace {

RigQueries defaultsOf(std::string_view rigType) {
    const Radio* radio = findRadio(rigType);
    if (radio == nullptr) {
        std::abort();
    }
    return {rigType, radio->frequencyQuery, radio->modeQuery, radio->convertToHex};
}

// Replies by the phase after the send tick: [0] mode, [1] frequency.
void pollCycle(benchmark::State& st, std::string_view rigType, const std::string (&replies)[2]) {
    const RigQueries queries = defaultsOf(rigType);
    RigReading reading;
    std::uint8_t phase = 0;
    for (auto _ : st) {
        const SendTick tick = queriesFor(queries, phase);
        benchmark::DoNotOptimize(tick.bytes.data());
        decodeReply(queries, tick.queryPhase, replies[tick.queryPhase], reading);
        benchmark::DoNotOptimize(reading);
        phase = tick.queryPhase;
    }
    // Two ticks ask for both values on the radios that alternate.
    if (st.iterations() >= 2 && (reading.frequencyMHz != 14.025f || reading.modeText != "CW")) {
        st.SkipWithError("the replies did not decode");
    }
}

void BM_KenwoodPollCycle(benchmark::State& st) {
    const std::string reply = "FA00014025000;MD3;";
    const std::string replies[2] = {reply, reply};
    pollCycle(st, "Kenwood", replies);
}
BENCHMARK(BM_KenwoodPollCycle)->Unit(benchmark::kNanosecond);

void BM_IcomPollCycle(benchmark::State& st) {
    const std::string replies[2] = {
        HexTextToBytes("FE FE 64 E0 04 FD FE FE E0 64 04 03 01 FD"),
        HexTextToBytes("FE FE 64 E0 03 FD FE FE E0 64 03 00 50 02 14 00 FD"),
    };
    pollCycle(st, "Icom", replies);
}
BENCHMARK(BM_IcomPollCycle)->Unit(benchmark::kNanosecond);

} // namespace
} // namespace qv

BENCHMARK_MAIN();
