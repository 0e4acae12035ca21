// How many times the polygonizers call the sample function, worked out from
// the cells' corner values instead of counted in the slot: eight calls for
// the corners of every cell, then six for each normal. The cube polygonizer
// computes one normal per crossed edge of the cell; the tetrahedral one one
// per crossed edge of each tetrahedron, so a line that several tetrahedra
// share gets a normal in each of them.
#pragma once

#include <cstdint>

const std::uint64_t iSamplesPerCell = 8;
const std::uint64_t iSamplesPerNormal = 6;

// The normals the polygonizer computes for a cell with these eight corner
// values (corner order of a2fVertexOffset).
int iCubeCellNormals(const float* afValue, float fIso);
int iTetraCellNormals(const float* afValue, float fIso);
