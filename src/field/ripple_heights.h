// The rippled sheet, fSample3, in its two parts: the sheet's height over
// (x, y), and the value at a height and a z. fSample3 takes the height at
// its point and then the value there; the cube and tetrahedral polygonizers
// and the normal work out each height once for all their points that stand
// over the same (x, y).
//
// Why: nearly all of a ripple value's cost is its height, a double square
// root and a float sine and cosine, and the height does not depend on z. A
// cell's eight corners stand over four (x, y), each at the lower and the
// upper z, and a normal's six points over five, its two z neighbours over
// the point's own. Every value still goes through exactly the steps of the
// single call, since these are its steps: the same roundings of the angle
// and the height to float, the same sine and cosine of the same float angle.
#pragma once

#include <cmath>

#include "field.h"
#include "shared_differences.h"

// The sheet's height: the distance from the vertical axis through (0.5, 0.5)
// in double, the angle and the height each rounded to float on purpose (the
// ripple's phase coarsens as the field time grows).
[[gnu::always_inline]] inline float fRippleHeight(float fX, float fY) {
    const double fDx = 0.5 - fX;
    const double fDy = 0.5 - fY;
    const double fRadius = std::sqrt(fDx * fDx + fDy * fDy);
    const float fAngle = float(20.0 * (fRadius + double(fTime)));
    return float(1.5 + 0.1 * (double(std::sin(fAngle)) + double(std::cos(fAngle))));
}

// The field falls by 50 per unit of z below the sheet's height.
[[gnu::always_inline]] inline float fRippleAtHeight(float fHeight, float fZ) {
    return float(50.0 * (double(fHeight) - fZ));
}

// fSample3 at the cell's corners, in corner order: corners 0 to 3 go round
// the lower face and 4 to 7 the upper face the same way, so corner c + 4
// stands over corner c.
[[gnu::always_inline]] inline void vRippleAtCorners(const CellSpan& sCell, float* afValue) {
    const float afHeight[4] = {
        fRippleHeight(sCell.fX0, sCell.fY0), fRippleHeight(sCell.fX1, sCell.fY0),
        fRippleHeight(sCell.fX1, sCell.fY1), fRippleHeight(sCell.fX0, sCell.fY1)};
    for (int iCorner = 0; iCorner < 4; iCorner++) {
        afValue[iCorner] = fRippleAtHeight(afHeight[iCorner], sCell.fZ0);
        afValue[iCorner + 4] = fRippleAtHeight(afHeight[iCorner], sCell.fZ1);
    }
}

// fSample3 at the normal's six points, in their order (see NormalStencil):
// the x and y neighbours stand over four (x, y) of their own, the z
// neighbours over the point itself.
[[gnu::always_inline]] inline void vRippleAtStencil(const NormalStencil& s, float* afValue) {
    const float fOwnHeight = fRippleHeight(s.fX, s.fY);
    afValue[0] = fRippleAtHeight(fRippleHeight(s.fXLower, s.fY), s.fZ);
    afValue[1] = fRippleAtHeight(fRippleHeight(s.fXUpper, s.fY), s.fZ);
    afValue[2] = fRippleAtHeight(fRippleHeight(s.fX, s.fYLower), s.fZ);
    afValue[3] = fRippleAtHeight(fRippleHeight(s.fX, s.fYUpper), s.fZ);
    afValue[4] = fRippleAtHeight(fOwnHeight, s.fZLower);
    afValue[5] = fRippleAtHeight(fOwnHeight, s.fZUpper);
}
