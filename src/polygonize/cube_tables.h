// The cube cell's geometry, shared by the two polygonizers. The case tables
// are declared with the polygonizers in polygonize.h.
#pragma once

#include <cstdint>

#include "polygonize.h"

extern const float a2fVertexOffset[8][3];
extern const std::int32_t a2iEdgeConnection[12][2];
extern const float a2fEdgeDirection[12][3];
