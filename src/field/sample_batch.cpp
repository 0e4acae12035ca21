// The point and line sources evaluated at several points in one pass.
//
// Why: a cell's eight corners and a normal's six displaced points are known
// before any of them is sampled, and each value of fSample1 or fSample2 costs
// three double divisions, which one call performs one after the other. Laid
// out as plain loops over the points, the compiler packs four points into
// each division, and the sweep spends most of its time in those divisions.
//
// Why the values are exact: every point goes through the very steps of the
// single call, each one an IEEE double operation that rounds the same in a
// vector lane as in a scalar register: the coordinate differences, the squares
// summed left to right, the weight divided by the sum, the quotients added to
// an accumulator that starts at 0.0 in the order source 0, 1, 2, and one
// rounding to float at the end. The build contracts nothing into fused
// multiply-adds and reassociates nothing, so the vector code may not either.
// A point on a source still divides by zero and gives +infinity, and a NaN
// coordinate still gives NaN.
//
// The AVX2 version is chosen when the program loads, on processors that have
// it; the default version runs on any x86-64 processor.
#include "sample_batch_steps.h"

namespace {

__attribute__((target_clones("avx2", "default"))) void vPointSourcesBatch(
    const float* afX, const float* afY, const float* afZ, float* afValue, int iCount) {
    vEvaluate<fPointSources>(afX, afY, afZ, afValue, iCount);
}

__attribute__((target_clones("avx2", "default"))) void vLineSourcesBatch(
    const float* afX, const float* afY, const float* afZ, float* afValue, int iCount) {
    vEvaluate<fLineSources>(afX, afY, afZ, afValue, iCount);
}

}  // namespace

// Plain functions in front of the multi-versioned ones, which are called only
// from this file: clang 14, which builds the fuzzing target, gives a
// multi-versioned function no symbol under its own name for other files.
void vSampleBatch1(const float* afX, const float* afY, const float* afZ, float* afValue,
                   int iCount) {
    vPointSourcesBatch(afX, afY, afZ, afValue, iCount);
}

void vSampleBatch2(const float* afX, const float* afY, const float* afZ, float* afValue,
                   int iCount) {
    vLineSourcesBatch(afX, afY, afZ, afValue, iCount);
}

SampleBatch* pfBatchOfSlot() {
    if (fSample == fSample1) {
        return vSampleBatch1;
    }
    if (fSample == fSample2) {
        return vSampleBatch2;
    }
    return nullptr;
}

namespace {

// Kept apart so that the batched path, taken for every cell, carries none of
// this loop's set-up.
[[gnu::noinline]] void vSampleEachPoint(const float* afX, const float* afY, const float* afZ,
                                        float* afValue, int iCount) {
    for (int i = 0; i < iCount; i++) {
        afValue[i] = fSample(afX[i], afY[i], afZ[i]);
    }
}

}  // namespace

void vSamplePoints(const float* afX, const float* afY, const float* afZ, float* afValue,
                   int iCount) {
    SampleBatch* const pfBatch = pfBatchOfSlot();
    if (pfBatch != nullptr) {
        pfBatch(afX, afY, afZ, afValue, iCount);
    } else {
        vSampleEachPoint(afX, afY, afZ, afValue, iCount);
    }
}
