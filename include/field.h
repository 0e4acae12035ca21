// The scalar field: three moving sources, the field time, the three sample
// functions with the slot that selects one, and the normal and colour that
// the polygonizers derive from the field.
#pragma once

#include "glvector.h"

extern GLvector sSourcePoint[3];
extern float fTime;
extern SampleFunction* fSample;

void vSetTime(float fNewTime);

float fSample1(float fX, float fY, float fZ);
float fSample2(float fX, float fY, float fZ);
float fSample3(float fX, float fY, float fZ);

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
// and normals share their heights instead (src/field/ripple_heights.h), and
// any other function in the slot is called once per point.
SampleBatch* pfBatchOfSlot();

// Samples iCount points through the slot: in one batch where the slot's
// function has a batch routine; else one call per point in the given order,
// the slot read afresh for each as the program always has, so that a
// function that records its calls sees exactly the calls it always saw.
void vSamplePoints(const float* afX, const float* afY, const float* afZ, float* afValue,
                   int iCount);

void vGetNormal(GLvector& rfNormal, float fX, float fY, float fZ);
void vNormalizeVector(GLvector& rfVectorResult, const GLvector& rfVectorSource);
void vGetColor(GLvector& rfColor, const GLvector& rfPosition, const GLvector& rfNormal);
