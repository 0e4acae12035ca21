// The cube cell's geometry: where its corners lie and how its edges join
// them. The two polygonizers place their crossings by it, and orvane-mesh
// reads it to name the grid segment each crossing lies on. The case tables
// are declared with the polygonizers in polygonize.h, and all five are
// defined in src/polygonize/cube_tables.cpp.
#pragma once

#include <cstdint>

#include "polygonize.h"

extern const float a2fVertexOffset[8][3];
extern const std::int32_t a2iEdgeConnection[12][2];
extern const float a2fEdgeDirection[12][3];
