// Each built-in field's formula, written once: the steps of fSample1,
// fSample2 and fSample3 for any set of points of point_sets.h. The single
// calls take them at one point, the batch routines at one point after
// another, the polygonizers at a cell's eight corners and the normal at its
// six points, sharing the steps that those points have in common. A weight,
// a term or an order of summation changed here is changed for all of them.
//
// Why every value is the same wherever it is taken: each step is an IEEE
// double operation that rounds the same in a vector lane as in a scalar
// register, taken in the same order on the same operands; the build
// contracts nothing into fused multiply-adds and reassociates nothing, so
// the vector code may not either; and each rounding to float is made here,
// at the one place where the single call makes it. A point on a source still
// divides by zero and gives +infinity, and a NaN coordinate still gives NaN.
#pragma once

#include <cmath>

#include "field.h"
#include "point_sets.h"

// The source fields read the sources from asSource: sSourcePoint itself, or
// a batch routine's copy of it made before its loop, since the compiler
// cannot tell the batch's stores of values from stores to the sources. Each
// coordinate is widened to double where it is used (sSquaresFrom).

// fSample1: three point sources with inverse-square falloff. Each source's
// term is its weight over the sum of the squared differences, taken x, y,
// z; the terms are added to 0.0 in source order, and the sum is rounded to
// float once.
template <class Points>
[[gnu::always_inline]] inline void vPointSourcesAt(const Points& sPoints, const GLvector* asSource,
                                                   float* afValue) {
    const auto s0 = sSquaresFrom(sPoints, asSource[0].fX, asSource[0].fY, asSource[0].fZ);
    const auto vSum0 = 0.0 + 0.5 / ((s0.vX + s0.vY) + s0.vZ);
    const auto s1 = sSquaresFrom(sPoints, asSource[1].fX, asSource[1].fY, asSource[1].fZ);
    const auto vSum1 = vSum0 + 1.0 / ((s1.vX + s1.vY) + s1.vZ);
    const auto s2 = sSquaresFrom(sPoints, asSource[2].fX, asSource[2].fY, asSource[2].fZ);
    vStoreRounded(vSum1 + 1.5 / ((s2.vX + s2.vY) + s2.vZ), afValue);
}

// fSample2: three line sources, parallel to z, y and x in turn, each term
// its weight over the sum of the two squared differences across its line
// (the coordinate along the line is not read), in the order and with the
// rounding of fSample1. Line 1 runs along its own direction of motion, so
// it never moves.
template <class Points>
[[gnu::always_inline]] inline void vLineSourcesAt(const Points& sPoints, const GLvector* asSource,
                                                  float* afValue) {
    const auto s0 = sSquaresFrom(sPoints, asSource[0].fX, asSource[0].fY, 0.0);
    const auto vSum0 = 0.0 + 0.5 / (s0.vX + s0.vY);
    const auto s1 = sSquaresFrom(sPoints, asSource[1].fX, 0.0, asSource[1].fZ);
    const auto vSum1 = vSum0 + 0.75 / (s1.vX + s1.vZ);
    const auto s2 = sSquaresFrom(sPoints, 0.0, asSource[2].fY, asSource[2].fZ);
    vStoreRounded(vSum1 + 1.0 / (s2.vY + s2.vZ), afValue);
}

// fSample3, a rippled sheet falling with z, whose ripples run toward the
// vertical axis through the cube's centre as the field time grows, in two
// parts: the sheet's height over (x, y), and the value at a height and a z.
// Nearly all of a value's cost is its height, a double square root and a
// float sine and cosine, and the height does not depend on z, so a set of
// points takes it once per column.

// The distance from the axis in double, the angle and the height each
// rounded to float on purpose (the ripple's phase coarsens as the field time
// grows).
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

template <class Points>
[[gnu::always_inline]] inline void vRippleAt(const Points& sPoints, float* afValue) {
    vEachColumnOnce<fRippleHeight, fRippleAtHeight>(sPoints, afValue);
}

// The field numbered iField (as iFieldNumber numbers them) at a set of
// points; 0, any other function, goes through the slot a point at a time.
template <int iField, class Points>
[[gnu::always_inline]] inline void vFieldAt(const Points& sPoints, float* afValue) {
    if constexpr (iField == 1) {
        vPointSourcesAt(sPoints, sSourcePoint, afValue);
    } else if constexpr (iField == 2) {
        vLineSourcesAt(sPoints, sSourcePoint, afValue);
    } else if constexpr (iField == 3) {
        vRippleAt(sPoints, afValue);
    } else {
        vThroughSlot(sPoints, afValue);
    }
}

// The function in the slot at a set of points, the way its field allows.
template <class Points>
[[gnu::always_inline]] inline void vSlotAt(const Points& sPoints, float* afValue) {
    vWithFieldNumber(
        fSample, [&](auto iField) __attribute__((always_inline)) {
            vFieldAt<decltype(iField)::value>(sPoints, afValue);
        });
}
