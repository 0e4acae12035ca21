// The surface normal, estimated from the current field by central differences.
#include <cmath>

#include "field.h"

namespace {
const double fNormalStep = 0.01;
}

// Each component is the sample on the lower side minus the one on the upper
// side, so the normal points toward lower field values. The differences are
// not divided by the step: normalising makes that scale irrelevant.
void vGetNormal(GLvector& rfNormal, float fX, float fY, float fZ) {
    // The six samples are taken one statement at a time: their order is part
    // of what the program does, and operands of one expression have none.
    float fLower = fSample(float(fX - fNormalStep), fY, fZ);
    float fUpper = fSample(float(fX + fNormalStep), fY, fZ);
    rfNormal.fX = fLower - fUpper;

    fLower = fSample(fX, float(fY - fNormalStep), fZ);
    fUpper = fSample(fX, float(fY + fNormalStep), fZ);
    rfNormal.fY = fLower - fUpper;

    fLower = fSample(fX, fY, float(fZ - fNormalStep));
    fUpper = fSample(fX, fY, float(fZ + fNormalStep));
    rfNormal.fZ = fLower - fUpper;

    vNormalizeVector(rfNormal, rfNormal);
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
