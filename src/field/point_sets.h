// The sets of points at which the fields are worked out: one point, the
// eight corners of a grid cell, and the six points of a normal's central
// differences. For each set this says what its points have in common; the
// fields' own steps are in formulas.h, written once for every set.
//
// Why: a cell's corners take only two values along each axis, and a
// normal's points three, so each coordinate difference from a source, and
// its square, serves several points. Worked out once per value rather than
// once per point, they leave the divisions, which must be made per point, as
// most of the work. Likewise the ripple's costly height depends on x and y
// alone, and a cell's corners stand over four columns (x, y), a normal's
// points over five. Every point's value still goes through exactly the steps
// of the single call (see formulas.h): only a step that several points have
// in common is taken once for them all.
// The coordinates come in as floats already rounded, and a caller that
// rounds them from doubles must do so in another, non-inlined function:
// GCC 12 drops a rounding to float that the same function widens back to
// double in a vector (docs/gcc12-lost-rounding.c; see vGetNormal).
//
// The vector types are GCC's generic ones, which hold no assumption about
// the processor: each version of a multi-versioned caller lays them out in
// its own instructions, four doubles to a register for AVX2, two for the
// default. Left to plain loops, the vectorizer works out every point apart.
//
// What formulas.h asks of a set: sSquaresFrom, its points' squared
// differences from a source along each axis, a lane per point (a double for
// one point, vectors for the others); vStoreRounded, the lanes rounded to
// float in point order; vEachColumnOnce, a function of (x, y) taken once per
// column and a function of it and z once per point; vThroughSlot, each point
// through the slot in order.
#pragma once

#include "field.h"

typedef double Double4 __attribute__((vector_size(32)));
typedef double Double2 __attribute__((vector_size(16)));
typedef float Float4 __attribute__((vector_size(16)));
typedef float Float2 __attribute__((vector_size(8)));

// Lanes ------------------------------------------------------------------

// The values of more points than one vector holds: the first points' in
// one vector, the others' in another, each step taken lane by lane on both.
template <class First, class Second>
struct LanePair {
    First vFirst;
    Second vSecond;
};

template <class First, class Second>
[[gnu::always_inline]] inline LanePair<First, Second> operator+(
    const LanePair<First, Second>& vLeft, const LanePair<First, Second>& vRight) {
    return {vLeft.vFirst + vRight.vFirst, vLeft.vSecond + vRight.vSecond};
}

template <class First, class Second>
[[gnu::always_inline]] inline LanePair<First, Second> operator+(
    double fLeft, const LanePair<First, Second>& vRight) {
    return {fLeft + vRight.vFirst, fLeft + vRight.vSecond};
}

template <class First, class Second>
[[gnu::always_inline]] inline LanePair<First, Second> operator/(
    double fLeft, const LanePair<First, Second>& vRight) {
    return {fLeft / vRight.vFirst, fLeft / vRight.vSecond};
}

// A set's squared differences from a source's coordinates, along x, y and z.
template <class Lanes>
struct Squares {
    Lanes vX, vY, vZ;
};

// Each lane rounded to float, stored in point order.
[[gnu::always_inline]] inline void vStoreRounded(double fValue, float* afValue) {
    afValue[0] = float(fValue);
}

[[gnu::always_inline]] inline void vStoreRounded(const Double4& vValue, float* afValue) {
    const Float4 vRounded = __builtin_convertvector(vValue, Float4);
    __builtin_memcpy(afValue, &vRounded, sizeof vRounded);
}

[[gnu::always_inline]] inline void vStoreRounded(const Double2& vValue, float* afValue) {
    const Float2 vRounded = __builtin_convertvector(vValue, Float2);
    __builtin_memcpy(afValue, &vRounded, sizeof vRounded);
}

// The two vectors in two stores: a cell's are the halves in which the test
// of whether the surface crosses the cell reads them. Joined into one vector
// of eight first, they would cost a processor without 256-bit vectors a
// store per lane and a reload the stores cannot be forwarded to.
template <class First, class Second>
[[gnu::always_inline]] inline void vStoreRounded(const LanePair<First, Second>& vValue,
                                                 float* afValue) {
    vStoreRounded(vValue.vFirst, afValue);
    vStoreRounded(vValue.vSecond, afValue + sizeof(First) / sizeof(double));
}

// One point: the single call and the batch routines ------------------------

struct OnePoint {
    float fX, fY, fZ;
};

[[gnu::always_inline]] inline Squares<double> sSquaresFrom(const OnePoint& s, double fSx,
                                                           double fSy, double fSz) {
    const double fDx = double(s.fX) - fSx;
    const double fDy = double(s.fY) - fSy;
    const double fDz = double(s.fZ) - fSz;
    return {fDx * fDx, fDy * fDy, fDz * fDz};
}

template <float fOfColumn(float, float), float fOfPoint(float, float)>
[[gnu::always_inline]] inline void vEachColumnOnce(const OnePoint& s, float* afValue) {
    afValue[0] = fOfPoint(fOfColumn(s.fX, s.fY), s.fZ);
}

// A cell's corners ---------------------------------------------------------

// Corners 0 to 3 go round the lower face and 4 to 7 the upper face the same
// way, so corner c + 4 stands over corner c: the lower face's four in the
// first vector, the upper face's in the second.
[[gnu::always_inline]] inline Squares<LanePair<Double4, Double4>> sSquaresFrom(
    const CellSpan& sCell, double fSx, double fSy, double fSz) {
    // Along x and y at a face's four corners in corner order (lower x and y,
    // upper x, upper both, upper y), the same on both faces; along z one for
    // each face.
    const Double4 vDxy =
        Double4{sCell.fX0, sCell.fX1, sCell.fY0, sCell.fY1} - Double4{fSx, fSx, fSy, fSy};
    const Double4 vSquare = vDxy * vDxy;
    const Double4 vX = __builtin_shufflevector(vSquare, vSquare, 0, 1, 1, 0);
    const Double4 vY = __builtin_shufflevector(vSquare, vSquare, 2, 2, 3, 3);
    const Double2 vDz = Double2{sCell.fZ0, sCell.fZ1} - fSz;
    const Double2 vZ = vDz * vDz;
    return {
        {vX, vX},
        {vY, vY},
        {__builtin_shufflevector(vZ, vZ, 0, 0, 0, 0), __builtin_shufflevector(vZ, vZ, 1, 1, 1, 1)}};
}

template <float fOfColumn(float, float), float fOfPoint(float, float)>
[[gnu::always_inline]] inline void vEachColumnOnce(const CellSpan& sCell, float* afValue) {
    const float afColumn[4] = {fOfColumn(sCell.fX0, sCell.fY0), fOfColumn(sCell.fX1, sCell.fY0),
                               fOfColumn(sCell.fX1, sCell.fY1), fOfColumn(sCell.fX0, sCell.fY1)};
    for (int iCorner = 0; iCorner < 4; iCorner++) {
        afValue[iCorner] = fOfPoint(afColumn[iCorner], sCell.fZ0);
        afValue[iCorner + 4] = fOfPoint(afColumn[iCorner], sCell.fZ1);
    }
}

[[gnu::always_inline]] inline void vThroughSlot(const CellSpan& sCell, float* afValue) {
    const float afCornerX[8] = {sCell.fX0, sCell.fX1, sCell.fX1, sCell.fX0,
                                sCell.fX0, sCell.fX1, sCell.fX1, sCell.fX0};
    const float afCornerY[8] = {sCell.fY0, sCell.fY0, sCell.fY1, sCell.fY1,
                                sCell.fY0, sCell.fY0, sCell.fY1, sCell.fY1};
    const float afCornerZ[8] = {sCell.fZ0, sCell.fZ0, sCell.fZ0, sCell.fZ0,
                                sCell.fZ1, sCell.fZ1, sCell.fZ1, sCell.fZ1};
    vSamplePoints(afCornerX, afCornerY, afCornerZ, afValue, 8);
}

// A normal's six points ----------------------------------------------------

// The x and y neighbours in the first vector, the z neighbours in the second.
[[gnu::always_inline]] inline Squares<LanePair<Double4, Double2>> sSquaresFrom(
    const NormalStencil& s, double fSx, double fSy, double fSz) {
    // Each axis as lower, upper, the point, the point.
    const Double4 vDx = Double4{s.fXLower, s.fXUpper, s.fX, s.fX} - fSx;
    const Double4 vDy = Double4{s.fYLower, s.fYUpper, s.fY, s.fY} - fSy;
    const Double4 vDz = Double4{s.fZLower, s.fZUpper, s.fZ, s.fZ} - fSz;
    const Double4 vX = vDx * vDx;
    const Double4 vY = vDy * vDy;
    const Double4 vZ = vDz * vDz;
    return {{vX, __builtin_shufflevector(vX, vX, 2, 3)},
            {__builtin_shufflevector(vY, vY, 2, 2, 0, 1), __builtin_shufflevector(vY, vY, 2, 3)},
            {__builtin_shufflevector(vZ, vZ, 2, 2, 2, 2), __builtin_shufflevector(vZ, vZ, 0, 1)}};
}

// The x and y neighbours stand over four columns of their own, the z
// neighbours over the point itself.
template <float fOfColumn(float, float), float fOfPoint(float, float)>
[[gnu::always_inline]] inline void vEachColumnOnce(const NormalStencil& s, float* afValue) {
    const float fOwnColumn = fOfColumn(s.fX, s.fY);
    afValue[0] = fOfPoint(fOfColumn(s.fXLower, s.fY), s.fZ);
    afValue[1] = fOfPoint(fOfColumn(s.fXUpper, s.fY), s.fZ);
    afValue[2] = fOfPoint(fOfColumn(s.fX, s.fYLower), s.fZ);
    afValue[3] = fOfPoint(fOfColumn(s.fX, s.fYUpper), s.fZ);
    afValue[4] = fOfPoint(fOwnColumn, s.fZLower);
    afValue[5] = fOfPoint(fOwnColumn, s.fZUpper);
}

[[gnu::always_inline]] inline void vThroughSlot(const NormalStencil& s, float* afValue) {
    const float afPointX[6] = {s.fXLower, s.fXUpper, s.fX, s.fX, s.fX, s.fX};
    const float afPointY[6] = {s.fY, s.fY, s.fYLower, s.fYUpper, s.fY, s.fY};
    const float afPointZ[6] = {s.fZ, s.fZ, s.fZ, s.fZ, s.fZLower, s.fZUpper};
    vSamplePoints(afPointX, afPointY, afPointZ, afValue, 6);
}
