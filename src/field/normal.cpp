// The surface normal, estimated from the current field by central differences.
#include <cmath>

#include "field.h"
#include "formulas.h"
#include "multiversion.h"

namespace {

const double fNormalStep = 0.01;

// Each component is the sample on the lower side minus the one on the upper
// side, so the normal points toward lower field values. The differences are
// not divided by the step: normalising makes that scale irrelevant.
template <int iField>
[[gnu::always_inline]] inline void vNormalSampledBy(GLvector& rfNormal,
                                                    const NormalStencil& sStencil) {
    float afValue[6];
    vFieldAt<iField>(sStencil, afValue);

    rfNormal.fX = afValue[0] - afValue[1];
    rfNormal.fY = afValue[2] - afValue[3];
    rfNormal.fZ = afValue[4] - afValue[5];
    vNormalizeVector(rfNormal, rfNormal);
}

// Built for AVX2 as well as for any x86-64 processor, like the cube
// polygonizer's cells (see vMarchCell), and laid out once per field like
// them. Like every multi-versioned routine, never inlined: into vGetNormal,
// which rounds the displaced coordinates to float, it must not be (see
// there).
ORVANE_MULTIVERSIONED void vNormalAt(GLvector& rfNormal, const NormalStencil& sStencil) {
    vWithFieldNumber(
        fSample, [&](auto iField) __attribute__((always_inline)) {
            vNormalSampledBy<decltype(iField)::value>(rfNormal, sStencil);
        });
}

}  // namespace

// The six points in the order they are sampled, which is part of what the
// program does: lower and upper along x, then y, then z. Each displaced
// coordinate is worked out in double and rounded to float; the other two are
// passed as they are.
//
// The roundings are made here, in a plain function, and the points' values
// in vNormalAt, which is never inlined: GCC 12 at -O2 and -O3
// packs two such roundings into a vector conversion, and when the rounded
// values are then widened back to double in the same function, it folds the
// pair of conversions away, dropping the rounding (docs/gcc12-lost-rounding.c
// shows it in a few lines). A call between the two keeps every build exact.
void vGetNormal(GLvector& rfNormal, float fX, float fY, float fZ) {
    const NormalStencil sStencil = {
        fX, float(fX - fNormalStep), float(fX + fNormalStep),
        fY, float(fY - fNormalStep), float(fY + fNormalStep),
        fZ, float(fZ - fNormalStep), float(fZ + fNormalStep),
    };
    vNormalAt(rfNormal, sStencil);
}

// Scales by the float reciprocal of the length rather than dividing by it.
// A zero vector is copied as it is; an infinite or NaN length still scales.
// Result and source may be one record: each component is read just before the
// same component is written.
void vNormalizeVector(GLvector& rfVectorResult, const GLvector& rfVectorSource) {
    const float fX = rfVectorSource.fX;
    const float fY = rfVectorSource.fY;
    const float fZ = rfVectorSource.fZ;
    const float fLength = std::sqrt(float(double(fX) * fX + double(fY) * fY + double(fZ) * fZ));

    if (fLength == 0.0f) {
        rfVectorResult.fX = fX;
        rfVectorResult.fY = fY;
        rfVectorResult.fZ = fZ;
        return;
    }
    const float fScale = 1.0f / fLength;
    rfVectorResult.fX = fX * fScale;
    rfVectorResult.fY = fY * fScale;
    rfVectorResult.fZ = fZ * fScale;
}
