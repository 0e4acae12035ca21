// The polygonizer: grid settings, the sweep over every cell, the edge
// interpolation, the case tables and the two cell polygonizers behind one slot.
#pragma once

#include <cstdint>

#include "glvector.h"

extern std::int32_t iDataSetSize;
extern float fStepSize;
extern float fTargetValue;
extern Polygonizer* vMarchCube;

void vMarchingCubes();
float fGetOffset(float fValue1, float fValue2, float fValueDesired);

// Marching cubes: one cube cell, 256 cases.
extern const std::int32_t aiCubeEdgeFlags[256];
extern const std::int32_t a2iTriangleConnectionTable[256][16];
void vMarchCube1(float fX, float fY, float fZ, float fScale);

// Marching tetrahedra: the cell cut into six tetrahedra, 16 cases each.
extern const std::int32_t aiTetrahedronEdgeFlags[16];
extern const std::int32_t a2iTetrahedronTriangles[16][7];
void vMarchCube2(float fX, float fY, float fZ, float fScale);
void vMarchTetrahedron(GLvector* pasTetrahedronPosition, float* pafTetrahedronValue);
