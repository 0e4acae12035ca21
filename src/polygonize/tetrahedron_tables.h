// The tetrahedral polygonizer's geometry. Its case tables are declared with
// the polygonizers in polygonize.h.
#pragma once

#include <cstdint>

#include "polygonize.h"

extern const std::int32_t a2iTetrahedronsInACube[6][4];
extern const std::int32_t a2iTetrahedronEdgeConnection[6][2];
