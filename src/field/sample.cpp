// The three sample functions and the slot that selects the current one.
//
// The weights are double constants and every sum is accumulated in double;
// only the returned value is rounded to float. A sample point on a source
// point or line divides by zero and yields +infinity, which the polygonizers
// treat as a value above any iso value.
#include "field.h"
#include "ripple_heights.h"

SampleFunction* fSample = fSample1;

// Three point sources with inverse-square falloff.
float fSample1(float fX, float fY, float fZ) {
    const double afWeight[3] = {0.5, 1.0, 1.5};
    double fResult = 0.0;
    for (int iSource = 0; iSource < 3; iSource++) {
        const double fDx = double(fX) - sSourcePoint[iSource].fX;
        const double fDy = double(fY) - sSourcePoint[iSource].fY;
        const double fDz = double(fZ) - sSourcePoint[iSource].fZ;
        fResult += afWeight[iSource] / (fDx * fDx + fDy * fDy + fDz * fDz);
    }
    return float(fResult);
}

// Three line sources, parallel to z, y and x in turn. Line 1 runs along its
// own direction of motion, so it never moves.
float fSample2(float fX, float fY, float fZ) {
    double fResult = 0.0;

    double fDa = double(fX) - sSourcePoint[0].fX;
    double fDb = double(fY) - sSourcePoint[0].fY;
    fResult += 0.5 / (fDa * fDa + fDb * fDb);

    fDa = double(fX) - sSourcePoint[1].fX;
    fDb = double(fZ) - sSourcePoint[1].fZ;
    fResult += 0.75 / (fDa * fDa + fDb * fDb);

    fDa = double(fY) - sSourcePoint[2].fY;
    fDb = double(fZ) - sSourcePoint[2].fZ;
    fResult += 1.0 / (fDa * fDa + fDb * fDb);

    return float(fResult);
}

// A rippled sheet, falling with z, whose ripples run toward the vertical
// axis through the cube's centre as the field time grows (ripple_heights.h).
float fSample3(float fX, float fY, float fZ) {
    return fRippleAtHeight(fRippleHeight(fX, fY), fZ);
}
