// The vertex colour, taken from the direction of the normal alone.
#include "field.h"

namespace {

double fPositivePart(float fValue) {
    return fValue > 0.0f ? double(fValue) : 0.0;
}

// Half the magnitude of a negative component. A NaN component fails both
// tests and so adds nothing anywhere.
double fNegativeShare(float fValue) {
    return fValue < 0.0f ? -0.5 * fValue : 0.0;
}

}  // namespace

// Each axis lends its positive part to its own colour and half of its
// negative part to the two others. Nothing is clamped: a diagonal normal can
// give a component above 1. The position is part of the routine's shape but
// plays no part in the colour.
void vGetColor(GLvector& rfColor, const GLvector& /*rfPosition*/, const GLvector& rfNormal) {
    const float fX = rfNormal.fX;
    const float fY = rfNormal.fY;
    const float fZ = rfNormal.fZ;

    rfColor.fX = float(fPositivePart(fX) + fNegativeShare(fY) + fNegativeShare(fZ));
    rfColor.fY = float(fPositivePart(fY) + fNegativeShare(fZ) + fNegativeShare(fX));
    rfColor.fZ = float(fPositivePart(fZ) + fNegativeShare(fX) + fNegativeShare(fY));
}
