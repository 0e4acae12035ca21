// Where along an edge the linear interpolation of its two samples meets the
// iso value.
#include <cmath>

#include "polygonize.h"

// Measured from the edge's first corner toward its second, never from the
// lower sample, and not clamped to [0, 1].
float fGetOffset(float fValue1, float fValue2, float fValueDesired) {
    // A corner on a source point or line samples +infinity. The formula would
    // give infinity over infinity there; its limit puts the crossing on the
    // finite corner, and that is where the surface is drawn.
    if (std::isinf(fValue1) && !std::isinf(fValue2)) {
        return 1.0f;
    }
    const double fDelta = double(fValue2) - fValue1;
    if (fDelta == 0.0) {
        return 0.5f;
    }
    return float((double(fValueDesired) - fValue1) / fDelta);
}
