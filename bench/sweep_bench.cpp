// The grid sweep of frame 1 at iso value 48, for every field and grid, with
// OpenGL going to the counting sink: its rates, and how far it lies above the
// sample calls it must make.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "field.h"
#include "polygonize.h"

namespace {

// The sample points kept to replay a sweep's sampling: enough to spread over
// the whole grid, few enough to stay in cache.
const std::size_t iReplayPoints = std::size_t(1) << 19;

void vSweepArguments(benchmark::internal::Benchmark* pBenchmark) {
    pBenchmark->ArgNames({"field", "grid"});
    for (int iField = 1; iField <= 3; iField++) {
        for (int iGrid : {16, 32, 64, 128}) {
            pBenchmark->Args({iField, iGrid});
        }
    }
}

void Sweep(benchmark::State& rState) {
    SettingsGuard sGuard;
    const std::int32_t iGrid = std::int32_t(rState.range(1));
    vSetFrameOne(int(rState.range(0)), iGrid);
    const SweepCensus sCensus = sTakeCensus(0);
    const double fCells = double(iGrid) * iGrid * iGrid;

    for (auto _ : rState) {
        vMarchingCubes();
    }

    rState.counters["cells/s"] =
        benchmark::Counter(fCells, benchmark::Counter::kIsIterationInvariantRate);
    rState.counters["corners/s"] = benchmark::Counter(
        double(sCensus.iVertices), benchmark::Counter::kIsIterationInvariantRate);
    rState.counters["samples/cell"] = double(sCensus.iSampleCalls) / fCells;
}
BENCHMARK(Sweep)->Apply(vSweepArguments)->Unit(benchmark::kMillisecond);

// The first field's sweep at the grids that orvane-mesh is measured at, its
// yardstick. Without the census: its counting sweep alone would take several
// times as long as the sweeps timed.
void LargeSweep(benchmark::State& rState) {
    SettingsGuard sGuard;
    const std::int32_t iGrid = std::int32_t(rState.range(1));
    vSetFrameOne(int(rState.range(0)), iGrid);
    const double fCells = double(iGrid) * iGrid * iGrid;

    for (auto _ : rState) {
        vMarchingCubes();
    }

    rState.counters["cells/s"] =
        benchmark::Counter(fCells, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(LargeSweep)
    ->ArgNames({"field", "grid"})
    ->Args({1, 256})
    ->Args({1, 512})
    ->Unit(benchmark::kMillisecond);

// Each iteration times one sweep, then the same number of sample calls made
// alone (the old floor), then the same points evaluated in the sweep's own
// batches as the sweep evaluates them (the new floor: by the field's batch
// routine, or for the ripple with each height worked out once per batch; a
// field the sweep calls once per point has the old floor for both), all in
// this thread's CPU time, so load from other processes falls on all alike.
// The time reported is the sweep's.
void Floor(benchmark::State& rState) {
    SettingsGuard sGuard;
    vSetFrameOne(int(rState.range(0)), std::int32_t(rState.range(1)));
    const SweepCensus sCensus = sTakeCensus(iReplayPoints);
    const bool bBatched = pfSweepBatch() != nullptr;

    double fSweepSeconds = 0.0;
    double fAloneSeconds = 0.0;
    double fBatchedSeconds = 0.0;
    for (auto _ : rState) {
        const double fStart = fThreadSeconds();
        vMarchingCubes();
        const double fSwept = fThreadSeconds();
        vSampleAlone(sCensus.asPoints, sCensus.iSampleCalls);
        const double fAlone = fThreadSeconds();
        if (bBatched) {
            vSampleBatched(sCensus, sCensus.iSampleCalls);
        }
        const double fDone = fThreadSeconds();
        fSweepSeconds += fSwept - fStart;
        fAloneSeconds += fAlone - fSwept;
        fBatchedSeconds += bBatched ? fDone - fAlone : fAlone - fSwept;
        rState.SetIterationTime(fSwept - fStart);
    }

    const double fIterations = double(rState.iterations());
    rState.counters["sweep_ms"] = 1e3 * fSweepSeconds / fIterations;
    rState.counters["alone_ms"] = 1e3 * fAloneSeconds / fIterations;
    rState.counters["batched_ms"] = 1e3 * fBatchedSeconds / fIterations;
    rState.counters["ratio"] = fSweepSeconds / fAloneSeconds;
    rState.counters["ratio_batched"] = fSweepSeconds / fBatchedSeconds;
}
BENCHMARK(Floor)->Apply(vSweepArguments)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
