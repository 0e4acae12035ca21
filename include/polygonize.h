// The polygonizer: grid settings, the sweep over every cell, the edge
// interpolation, the case tables and the two cell polygonizers behind one slot.
#pragma once

#include <cstdint>

#include "glvector.h"

extern std::int32_t iDataSetSize;
extern float fStepSize;
extern float fTargetValue;
extern Polygonizer* vMarchCube;

// The one way the program changes the grid: iNewSize cells per axis, and
// fStepSize the float nearest 1 / iNewSize in the same step. The keys and
// orvane-mesh both call it, so a grid of n cells has the same step in both.
void vSetDataSetSize(std::int32_t iNewSize);

// Called by both polygonizers for every cell the surface crosses, with its
// eight corner values (corner order of a2fVertexOffset) and its lowest corner,
// before the cell's first OpenGL call. The viewer never sets it; orvane-mesh
// does, to learn each crossed cell and the values its case was formed from
// while the field itself stays in the sample slot.
typedef void CrossedCellHook(const float* afCubeValue, float fX, float fY, float fZ);
extern CrossedCellHook* pfCrossedCellHook;

// The whole grid, x layer by x layer; a slab is the layers iFirstX up to
// iEndX of the same sweep, cell for cell, so slabs taken in order make the
// whole sweep's calls.
void vMarchingCubes();
void vMarchingCubesSlab(std::int32_t iFirstX, std::int32_t iEndX);
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
