// The point and line sources evaluated at several points in one pass.
//
// Why: a tetrahedral cell's eight corners are known before any of them is
// sampled, and each value of fSample1 or fSample2 costs three double
// divisions, which one call performs one after the other. Laid out as plain
// loops over the points, the compiler packs four points into each division.
// The cube polygonizer's cells and the normal go one step further and share
// the differences of points with common coordinates (shared_differences.h).
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
#include "field.h"
#include "multiversion.h"

namespace {

// The sources are read once per batch: nothing changes them while it runs.
struct SourceCoordinates {
    double afX[3];
    double afY[3];
    double afZ[3];
};

inline SourceCoordinates sReadSources() {
    SourceCoordinates sSources;
    for (int iSource = 0; iSource < 3; iSource++) {
        sSources.afX[iSource] = sSourcePoint[iSource].fX;
        sSources.afY[iSource] = sSourcePoint[iSource].fY;
        sSources.afZ[iSource] = sSourcePoint[iSource].fZ;
    }
    return sSources;
}

// One point of fSample1 and of fSample2: the steps of the single call.
inline float fPointSources(const SourceCoordinates& s, double fX, double fY, double fZ) {
    double fResult = 0.0;
    const double fDx0 = fX - s.afX[0], fDy0 = fY - s.afY[0], fDz0 = fZ - s.afZ[0];
    fResult += 0.5 / (fDx0 * fDx0 + fDy0 * fDy0 + fDz0 * fDz0);
    const double fDx1 = fX - s.afX[1], fDy1 = fY - s.afY[1], fDz1 = fZ - s.afZ[1];
    fResult += 1.0 / (fDx1 * fDx1 + fDy1 * fDy1 + fDz1 * fDz1);
    const double fDx2 = fX - s.afX[2], fDy2 = fY - s.afY[2], fDz2 = fZ - s.afZ[2];
    fResult += 1.5 / (fDx2 * fDx2 + fDy2 * fDy2 + fDz2 * fDz2);
    return float(fResult);
}

inline float fLineSources(const SourceCoordinates& s, double fX, double fY, double fZ) {
    double fResult = 0.0;
    const double fDa0 = fX - s.afX[0], fDb0 = fY - s.afY[0];
    fResult += 0.5 / (fDa0 * fDa0 + fDb0 * fDb0);
    const double fDa1 = fX - s.afX[1], fDb1 = fZ - s.afZ[1];
    fResult += 0.75 / (fDa1 * fDa1 + fDb1 * fDb1);
    const double fDa2 = fY - s.afY[2], fDb2 = fZ - s.afZ[2];
    fResult += 1.0 / (fDa2 * fDa2 + fDb2 * fDb2);
    return float(fResult);
}

// The loop over the points, which the compiler packs into vectors. A cell's
// eight corners, the tetrahedral polygonizer's batch, get a copy of it whose
// count is known, laid out whole with nothing left over.
template <float fValueAt(const SourceCoordinates&, double, double, double)>
[[gnu::always_inline]] inline void vEvaluate(const float* __restrict afX,
                                             const float* __restrict afY,
                                             const float* __restrict afZ, float* __restrict afValue,
                                             int iCount) {
    const SourceCoordinates s = sReadSources();
    if (iCount == 8) {
        for (int i = 0; i < 8; i++) {
            afValue[i] = fValueAt(s, afX[i], afY[i], afZ[i]);
        }
        return;
    }
    for (int i = 0; i < iCount; i++) {
        afValue[i] = fValueAt(s, afX[i], afY[i], afZ[i]);
    }
}

ORVANE_MULTIVERSIONED void vPointSourcesBatch(const float* afX, const float* afY, const float* afZ,
                                              float* afValue, int iCount) {
    vEvaluate<fPointSources>(afX, afY, afZ, afValue, iCount);
}

ORVANE_MULTIVERSIONED void vLineSourcesBatch(const float* afX, const float* afY, const float* afZ,
                                             float* afValue, int iCount) {
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
