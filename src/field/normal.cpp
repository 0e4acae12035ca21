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
    // The six points in the order they are sampled, which is part of what the
    // program does: lower and upper along x, then y, then z. Each displaced
    // coordinate is rounded to float; the other two are passed as they are.
    const float fXLower = float(fX - fNormalStep);
    const float fXUpper = float(fX + fNormalStep);
    const float fYLower = float(fY - fNormalStep);
    const float fYUpper = float(fY + fNormalStep);
    const float fZLower = float(fZ - fNormalStep);
    const float fZUpper = float(fZ + fNormalStep);
    const float afPointX[6] = {fXLower, fXUpper, fX, fX, fX, fX};
    const float afPointY[6] = {fY, fY, fYLower, fYUpper, fY, fY};
    const float afPointZ[6] = {fZ, fZ, fZ, fZ, fZLower, fZUpper};
    float afValue[6];
    vSamplePoints(afPointX, afPointY, afPointZ, afValue, 6);

    rfNormal.fX = afValue[0] - afValue[1];
    rfNormal.fY = afValue[2] - afValue[3];
    rfNormal.fZ = afValue[4] - afValue[5];
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
