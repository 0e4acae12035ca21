// The slot's function at several points in one pass: any points, as a
// batch, and the two sets whose points share coordinates, a cell's eight
// corners and a normal's six points.
//
// Why batches: a tetrahedral cell's eight corners are known before any of
// them is sampled, and each value of fSample1 or fSample2 costs three double
// divisions, which one call performs one after the other. Laid out as plain
// loops over the points, the compiler packs four points into each division.
// The cells and the normal go one step further and share the differences of
// points with common coordinates (point_sets.h).
//
// Why the values are exact: every point goes through the field's formula
// (formulas.h), the very steps of the single call.
//
// The AVX2 version is chosen when the program loads, on processors that have
// it; the default version runs on any x86-64 processor.
#include "field.h"
#include "formulas.h"
#include "multiversion.h"

namespace {

// The loop over the points, which the compiler packs into vectors. A cell's
// eight corners, the tetrahedral polygonizer's batch, get a copy of it whose
// count is known, laid out whole with nothing left over.
template <void vValueAt(const OnePoint&, const GLvector*, float*)>
[[gnu::always_inline]] inline void vEvaluate(const float* __restrict afX,
                                             const float* __restrict afY,
                                             const float* __restrict afZ, float* __restrict afValue,
                                             int iCount) {
    const GLvector asSource[3] = {sSourcePoint[0], sSourcePoint[1], sSourcePoint[2]};
    if (iCount == 8) {
        for (int i = 0; i < 8; i++) {
            vValueAt(OnePoint{afX[i], afY[i], afZ[i]}, asSource, &afValue[i]);
        }
        return;
    }
    for (int i = 0; i < iCount; i++) {
        vValueAt(OnePoint{afX[i], afY[i], afZ[i]}, asSource, &afValue[i]);
    }
}

ORVANE_MULTIVERSIONED void vPointSourcesBatch(const float* afX, const float* afY, const float* afZ,
                                              float* afValue, int iCount) {
    vEvaluate<vPointSourcesAt<OnePoint>>(afX, afY, afZ, afValue, iCount);
}

ORVANE_MULTIVERSIONED void vLineSourcesBatch(const float* afX, const float* afY, const float* afZ,
                                             float* afValue, int iCount) {
    vEvaluate<vLineSourcesAt<OnePoint>>(afX, afY, afZ, afValue, iCount);
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
    switch (iFieldInSlot()) {
        case 1:
            return vSampleBatch1;
        case 2:
            return vSampleBatch2;
        default:
            return nullptr;
    }
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

namespace {

// Built like the cube polygonizer's cells and the normal, for AVX2 as well
// as for any x86-64 processor. Never inlined, like every multi-versioned
// routine: a caller that rounds a stencil's coordinates to float must not
// have them widened back in its own body (see vGetNormal).
ORVANE_MULTIVERSIONED void vCellCornersOfSlot(const CellSpan& sCell, float* afValue) {
    vSlotAt(sCell, afValue);
}

ORVANE_MULTIVERSIONED void vStencilOfSlot(const NormalStencil& sStencil, float* afValue) {
    vSlotAt(sStencil, afValue);
}

}  // namespace

// Plain functions in front of the multi-versioned ones (see vSampleBatch1).
void vSampleCellCorners(const CellSpan& sCell, float* afValue) {
    vCellCornersOfSlot(sCell, afValue);
}

void vSampleNormalStencil(const NormalStencil& sStencil, float* afValue) {
    vStencilOfSlot(sStencil, afValue);
}
