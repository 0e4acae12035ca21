// The point and line sources at points that share their coordinates: the
// eight corners of a grid cell and the six points of a normal's central
// differences. The cube polygonizer and the normal lay these routines out in
// their own bodies.
//
// Why: a cell's corners take only two values along each axis, and a
// normal's points three, so each coordinate difference from a source, and
// its square, serves several points. Worked out once per value rather than
// once per point, they leave the divisions, which must be made per point, as
// most of the work. Every point's value still goes through exactly the steps
// of the single call (see sample_batch.cpp): the same differences, squares
// and sums, each sum's terms in the same order, the weight divided by the
// sum, the quotients added to 0.0 in source order, one rounding to float.
// The coordinates come in as floats already rounded, and a caller that
// rounds them from doubles must do so in another, non-inlined function:
// GCC 12 drops a rounding to float that the same function widens back to
// double in a vector (docs/gcc12-lost-rounding.c; see vGetNormal).
//
// The vector types are GCC's generic ones, which hold no assumption about
// the processor: each version of a multi-versioned caller lays them out in
// its own instructions, four doubles to a register for AVX2, two for the
// default. Left to plain loops, the vectorizer works out every point apart.
#pragma once

#include "field.h"

typedef double Double4 __attribute__((vector_size(32)));
typedef double Double2 __attribute__((vector_size(16)));
typedef float Float4 __attribute__((vector_size(16)));
typedef float Float2 __attribute__((vector_size(8)));

// A cell's corners --------------------------------------------------------

// The lower and upper coordinate of a cell along each axis.
struct CellSpan {
    float fX0, fX1;
    float fY0, fY1;
    float fZ0, fZ1;
};

// The span of a cell given as its eight corners in corner order, where
// corner 0 holds the lower coordinates and corner 6 the upper.
[[gnu::always_inline]] inline CellSpan sSpanOfCorners(const float* afX, const float* afY,
                                                      const float* afZ) {
    return {afX[0], afX[6], afY[0], afY[6], afZ[0], afZ[6]};
}

// A cell's squared differences from one source: along x and along y at the
// four corners of a face, in corner order (lower x and y, upper x, upper
// both, upper y), and along z at the lower and upper face.
struct CellSquares {
    Double4 vX;
    Double4 vY;
    Double2 vZ;
};

[[gnu::always_inline]] inline CellSquares sCellSquares(const CellSpan& sCell, double fSx,
                                                       double fSy, double fSz) {
    const Double4 vDxy =
        Double4{sCell.fX0, sCell.fX1, sCell.fY0, sCell.fY1} - Double4{fSx, fSx, fSy, fSy};
    const Double4 vSquare = vDxy * vDxy;
    const Double2 vDz = Double2{sCell.fZ0, sCell.fZ1} - fSz;
    return {__builtin_shufflevector(vSquare, vSquare, 0, 1, 1, 0),
            __builtin_shufflevector(vSquare, vSquare, 2, 2, 3, 3), vDz * vDz};
}

// The two faces' sums, rounded to float, as the eight values in corner order,
// in two stores of four, the halves in which the test of whether the surface
// crosses the cell reads them. Joined into one vector of eight first, they
// would cost a processor without 256-bit vectors a store per lane and a
// reload the stores cannot be forwarded to.
[[gnu::always_inline]] inline void vStoreCorners(const Double4& vLower, const Double4& vUpper,
                                                 float* afValue) {
    const Float4 vLowerFloat = __builtin_convertvector(vLower, Float4);
    const Float4 vUpperFloat = __builtin_convertvector(vUpper, Float4);
    __builtin_memcpy(afValue, &vLowerFloat, sizeof vLowerFloat);
    __builtin_memcpy(afValue + 4, &vUpperFloat, sizeof vUpperFloat);
}

// fSample1 at the cell's corners.
[[gnu::always_inline]] inline void vPointSourcesAtCorners(const CellSpan& sCell, float* afValue) {
    const double afWeight[3] = {0.5, 1.0, 1.5};
    Double4 vLower = {0.0, 0.0, 0.0, 0.0};
    Double4 vUpper = vLower;
    for (int iSource = 0; iSource < 3; iSource++) {
        const GLvector& sSource = sSourcePoint[iSource];
        const CellSquares s = sCellSquares(sCell, sSource.fX, sSource.fY, sSource.fZ);
        const Double4 vSumXY = s.vX + s.vY;
        vLower += afWeight[iSource] / (vSumXY + s.vZ[0]);
        vUpper += afWeight[iSource] / (vSumXY + s.vZ[1]);
    }
    vStoreCorners(vLower, vUpper, afValue);
}

// fSample2 at the cell's corners. Line 0 runs along z, so both faces have its
// quotient.
[[gnu::always_inline]] inline void vLineSourcesAtCorners(const CellSpan& sCell, float* afValue) {
    const CellSquares s0 = sCellSquares(sCell, sSourcePoint[0].fX, sSourcePoint[0].fY, 0.0);
    const CellSquares s1 = sCellSquares(sCell, sSourcePoint[1].fX, 0.0, sSourcePoint[1].fZ);
    const CellSquares s2 = sCellSquares(sCell, 0.0, sSourcePoint[2].fY, sSourcePoint[2].fZ);
    const Double4 vZero = {0.0, 0.0, 0.0, 0.0};
    const Double4 vLine0 = vZero + 0.5 / (s0.vX + s0.vY);
    const Double4 vLower = (vLine0 + 0.75 / (s1.vX + s1.vZ[0])) + 1.0 / (s2.vY + s2.vZ[0]);
    const Double4 vUpper = (vLine0 + 0.75 / (s1.vX + s1.vZ[1])) + 1.0 / (s2.vY + s2.vZ[1]);
    vStoreCorners(vLower, vUpper, afValue);
}

// A normal's six points ---------------------------------------------------

// The point and its lower and upper neighbour along each axis. The six
// points are the lower and upper one along x, then y, then z, each with the
// point's own other two coordinates.
struct NormalStencil {
    float fX, fXLower, fXUpper;
    float fY, fYLower, fYUpper;
    float fZ, fZLower, fZUpper;
};

// The stencil's squared differences from one source, laid out for the six
// points: the first four points (the x and the y neighbours) in one vector
// per axis, the last two (the z neighbours) in another.
struct StencilSquares {
    Double4 vFirstX, vFirstY, vFirstZ;
    Double2 vLastX, vLastY, vLastZ;
};

[[gnu::always_inline]] inline StencilSquares sStencilSquares(const NormalStencil& s, double fSx,
                                                             double fSy, double fSz) {
    // Each axis as lower, upper, the point, the point.
    const Double4 vDx = Double4{s.fXLower, s.fXUpper, s.fX, s.fX} - fSx;
    const Double4 vDy = Double4{s.fYLower, s.fYUpper, s.fY, s.fY} - fSy;
    const Double4 vDz = Double4{s.fZLower, s.fZUpper, s.fZ, s.fZ} - fSz;
    const Double4 vX = vDx * vDx;
    const Double4 vY = vDy * vDy;
    const Double4 vZ = vDz * vDz;
    return {vX,
            __builtin_shufflevector(vY, vY, 2, 2, 0, 1),
            __builtin_shufflevector(vZ, vZ, 2, 2, 2, 2),
            __builtin_shufflevector(vX, vX, 2, 3),
            __builtin_shufflevector(vY, vY, 2, 3),
            __builtin_shufflevector(vZ, vZ, 0, 1)};
}

[[gnu::always_inline]] inline void vStoreStencil(const Double4& vFirst, const Double2& vLast,
                                                 float* afValue) {
    const Float4 vFirstFloat = __builtin_convertvector(vFirst, Float4);
    const Float2 vLastFloat = __builtin_convertvector(vLast, Float2);
    __builtin_memcpy(afValue, &vFirstFloat, sizeof vFirstFloat);
    __builtin_memcpy(afValue + 4, &vLastFloat, sizeof vLastFloat);
}

// fSample1 at the normal's six points.
[[gnu::always_inline]] inline void vPointSourcesAtStencil(const NormalStencil& sStencil,
                                                          float* afValue) {
    const double afWeight[3] = {0.5, 1.0, 1.5};
    Double4 vFirst = {0.0, 0.0, 0.0, 0.0};
    Double2 vLast = {0.0, 0.0};
    for (int iSource = 0; iSource < 3; iSource++) {
        const GLvector& sSource = sSourcePoint[iSource];
        const StencilSquares s = sStencilSquares(sStencil, sSource.fX, sSource.fY, sSource.fZ);
        vFirst += afWeight[iSource] / ((s.vFirstX + s.vFirstY) + s.vFirstZ);
        vLast += afWeight[iSource] / ((s.vLastX + s.vLastY) + s.vLastZ);
    }
    vStoreStencil(vFirst, vLast, afValue);
}

// fSample2 at the normal's six points.
[[gnu::always_inline]] inline void vLineSourcesAtStencil(const NormalStencil& sStencil,
                                                         float* afValue) {
    const StencilSquares s0 =
        sStencilSquares(sStencil, sSourcePoint[0].fX, sSourcePoint[0].fY, 0.0);
    const StencilSquares s1 =
        sStencilSquares(sStencil, sSourcePoint[1].fX, 0.0, sSourcePoint[1].fZ);
    const StencilSquares s2 =
        sStencilSquares(sStencil, 0.0, sSourcePoint[2].fY, sSourcePoint[2].fZ);
    const Double4 vFirstZero = {0.0, 0.0, 0.0, 0.0};
    const Double2 vLastZero = {0.0, 0.0};
    const Double4 vFirst =
        ((vFirstZero + 0.5 / (s0.vFirstX + s0.vFirstY)) + 0.75 / (s1.vFirstX + s1.vFirstZ)) +
        1.0 / (s2.vFirstY + s2.vFirstZ);
    const Double2 vLast =
        ((vLastZero + 0.5 / (s0.vLastX + s0.vLastY)) + 0.75 / (s1.vLastX + s1.vLastZ)) +
        1.0 / (s2.vLastY + s2.vLastZ);
    vStoreStencil(vFirst, vLast, afValue);
}
