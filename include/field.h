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

void vGetNormal(GLvector& rfNormal, float fX, float fY, float fZ);
void vNormalizeVector(GLvector& rfVectorResult, const GLvector& rfVectorSource);
void vGetColor(GLvector& rfColor, const GLvector& rfPosition, const GLvector& rfNormal);
