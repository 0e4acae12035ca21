// The scalar field: three moving sources, the field time, the three sample
// functions with the slot that selects one, and the normal and colour that
// the polygonizers derive from the field.
#pragma once

#include <type_traits>

#include "glvector.h"

extern GLvector sSourcePoint[3];
extern float fTime;
extern SampleFunction* fSample;

void vSetTime(float fNewTime);

float fSample1(float fX, float fY, float fZ);
float fSample2(float fX, float fY, float fZ);
float fSample3(float fX, float fY, float fZ);

// The one place that asks which built-in function pfFunction is. It calls
// rRun with the function's number, 1, 2 or 3 for fSample1, fSample2 and
// fSample3, 0 for any other, as a constant of a type of its own
// (std::integral_constant), so that a routine that works a built-in field out
// faster than one call a point can lay its work out once for each field (see
// vMarchCell). The functions are compared one after the other, not through
// their number: a switch over the number lays the cube polygonizer's cells
// out so that the web page's ripple takes 4% longer.
template <class Run>
[[gnu::always_inline]] inline void vWithFieldNumber(SampleFunction* pfFunction, const Run& rRun) {
    if (pfFunction == fSample1) {
        rRun(std::integral_constant<int, 1>());
    } else if (pfFunction == fSample2) {
        rRun(std::integral_constant<int, 2>());
    } else if (pfFunction == fSample3) {
        rRun(std::integral_constant<int, 3>());
    } else {
        rRun(std::integral_constant<int, 0>());
    }
}

inline int iFieldNumber(SampleFunction* pfFunction) {
    int iNumber = 0;
    vWithFieldNumber(pfFunction, [&iNumber](int iField) { iNumber = iField; });
    return iNumber;
}

// The number of the function in the slot fSample, as iFieldNumber gives it.
inline int iFieldInSlot() {
    return iFieldNumber(fSample);
}

// The shape of a batch routine: iCount points, given as three arrays of
// coordinates, in; their values, each bit for bit what one call of its
// sample function returns, out, into an array apart from the points'.
typedef void SampleBatch(const float* afX, const float* afY, const float* afZ, float* afValue,
                         int iCount);
void vSampleBatch1(const float* afX, const float* afY, const float* afZ, float* afValue,
                   int iCount);
void vSampleBatch2(const float* afX, const float* afY, const float* afZ, float* afValue,
                   int iCount);
// The batch routine of the function in the slot fSample, or nullptr if it
// has none. Only the point and line sources have one; the ripple's cells
// and normals share their heights instead (vSampleCellCorners below), and
// any other function in the slot is called once per point.
SampleBatch* pfBatchOfSlot();

// Samples iCount points through the slot: in one batch where the slot's
// function has a batch routine; else one call per point in the given order,
// the slot read afresh for each as the program always has, so that a
// function that records its calls sees exactly the calls it always saw.
void vSamplePoints(const float* afX, const float* afY, const float* afZ, float* afValue,
                   int iCount);

// A cell's lower and upper coordinate along each axis, which give its eight
// corners.
struct CellSpan {
    float fX0, fX1;
    float fY0, fY1;
    float fZ0, fZ1;
};

// The span of a cell given as its eight corners in corner order, where
// corner 0 holds the lower coordinates and corner 6 the upper.
inline CellSpan sSpanOfCorners(const float* afX, const float* afY, const float* afZ) {
    return {afX[0], afX[6], afY[0], afY[6], afZ[0], afZ[6]};
}

// A point and its lower and upper neighbour along each axis: the six points
// of a normal's central differences are the lower and upper one along x,
// then y, then z, each with the point's own other two coordinates.
struct NormalStencil {
    float fX, fXLower, fXUpper;
    float fY, fYLower, fYUpper;
    float fZ, fZLower, fZUpper;
};

// The slot's function at a cell's eight corners, in corner order (that of
// a2fVertexOffset), and at a stencil's six points, in their order, each value
// bit for bit what one call gives: the point and line sources and the ripple
// worked out with the steps their points have in common taken once, any
// other function called once per point, in that order, through the slot.
// The cube polygonizer and vGetNormal take their points in the same way,
// laid out in their own bodies; these are for callers outside the surface
// library that must evaluate the field as the sweep does (the benchmarks).
void vSampleCellCorners(const CellSpan& sCell, float* afValue);
void vSampleNormalStencil(const NormalStencil& sStencil, float* afValue);

void vGetNormal(GLvector& rfNormal, float fX, float fY, float fZ);
void vNormalizeVector(GLvector& rfVectorResult, const GLvector& rfVectorSource);
void vGetColor(GLvector& rfColor, const GLvector& rfPosition, const GLvector& rfNormal);
