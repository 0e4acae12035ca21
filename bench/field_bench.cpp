// The field alone: each sample function, and the normal, at the points a
// sweep of frame 1 over the 64-cell grid samples.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "field.h"

namespace {

const std::int32_t iPointGrid = 64;
const std::size_t iPointCount = std::size_t(1) << 14;

void Sample(benchmark::State& rState) {
    SettingsGuard sGuard;
    vSetFrameOne(int(rState.range(0)), iPointGrid);
    const SweepCensus sCensus = sTakeCensus(iPointCount);
    const std::uint64_t iCalls = sCensus.asPoints.size();

    const double fStart = fThreadSeconds();
    for (auto _ : rState) {
        vSampleAlone(sCensus.asPoints, iCalls);
    }
    const double fSeconds = fThreadSeconds() - fStart;
    rState.counters["samples/s"] =
        benchmark::Counter(double(iCalls), benchmark::Counter::kIsIterationInvariantRate);
    rState.counters["ns/sample"] = 1e9 * fSeconds / (double(iCalls) * double(rState.iterations()));
}
BENCHMARK(Sample)->ArgName("field")->DenseRange(1, 3);

void Normal(benchmark::State& rState) {
    SettingsGuard sGuard;
    vSetFrameOne(int(rState.range(0)), iPointGrid);
    const SweepCensus sCensus = sTakeCensus(iPointCount);

    for (auto _ : rState) {
        for (const GLvector& sPoint : sCensus.asPoints) {
            GLvector sNormal;
            vGetNormal(sNormal, sPoint.fX, sPoint.fY, sPoint.fZ);
            benchmark::DoNotOptimize(sNormal);
        }
    }
    rState.counters["normals/s"] = benchmark::Counter(
        double(sCensus.asPoints.size()), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(Normal)->ArgName("field")->DenseRange(1, 3);

}  // namespace
