// The tetrahedral polygonizer's geometry: the six tetrahedra of a cell and
// the edges of one. orvane-mesh reads it too, to name the segment of each
// crossing. Its case tables are declared with the polygonizers in
// polygonize.h, and all four are defined in
// src/polygonize/tetrahedron_tables.cpp.
#pragma once

#include <cstdint>

#include "polygonize.h"

extern const std::int32_t a2iTetrahedronsInACube[6][4];
extern const std::int32_t a2iTetrahedronEdgeConnection[6][2];
