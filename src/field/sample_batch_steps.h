// The per-point steps of the batched point and line fields and the loop that
// the compiler packs into vectors. Shared by the batch routines and by the
// cube polygonizer, which lays the loop out in its own body so that a cell's
// corners go from their coordinates to the case index without a call or a
// trip through memory. Why the values are exact: see sample_batch.cpp.
#pragma once

#include "field.h"

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
// eight corners, the batch made most often, get a copy of it whose count is
// known, laid out whole with nothing left over.
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
