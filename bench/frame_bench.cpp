// One whole frame of vDrawScene, OpenGL going to the counting sink.
#include <benchmark/benchmark.h>

#include "app.h"
#include "bench_support.h"
#include "field.h"
#include "polygonize.h"

namespace {

// The frame's clock is its own static and cannot be set: the first frame
// drawn in this process takes it to frame 1's time, and from then on the
// source motion stays off so every timed frame draws that same scene.
void vHoldClockAtFrameOne() {
    static bool bHeld = false;
    if (!bHeld) {
        bMove = true;
        vDrawScene();
        bHeld = true;
    }
    bMove = false;
}

void DrawScene(benchmark::State& rState) {
    SettingsGuard sGuard;
    vSetFrameOne(1, std::int32_t(rState.range(0)));
    vHoldClockAtFrameOne();
    if (fTime != fFrameOneTime) {
        rState.SkipWithError("the frame clock is not at frame 1");
        return;
    }

    for (auto _ : rState) {
        vDrawScene();
    }
    rState.counters["frames/s"] =
        benchmark::Counter(1.0, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(DrawScene)->ArgName("grid")->Arg(16)->Arg(64)->Unit(benchmark::kMillisecond);

}  // namespace
