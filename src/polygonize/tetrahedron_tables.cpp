// The cell cut into six tetrahedra around its main diagonal, and the 16 cases
// of one tetrahedron.
#include "tetrahedron_tables.h"

// clang-format off

// Cube corners that become vertices 0 to 3 of each tetrahedron. All six share
// the diagonal from corner 0 to corner 6, and every cell splits its faces
// along the same diagonals, so neighbouring cells meet without cracks.
const std::int32_t a2iTetrahedronsInACube[6][4] = {
    {0, 5, 1, 6},  // 0
    {0, 1, 2, 6},  // 1
    {0, 2, 3, 6},  // 2
    {0, 3, 7, 6},  // 3
    {0, 7, 4, 6},  // 4
    {0, 4, 5, 6},  // 5
};

// First and second vertex of each tetrahedron edge; interpolation runs from
// the first toward the second.
const std::int32_t a2iTetrahedronEdgeConnection[6][2] = {
    {0, 1},  // 0
    {1, 2},  // 1
    {2, 0},  // 2
    {0, 3},  // 3
    {1, 3},  // 4
    {2, 3},  // 5
};

// Bit e is set when the surface crosses tetrahedron edge e.
const std::int32_t aiTetrahedronEdgeFlags[16] = {
    0x00,  // 0
    0x0D,  // 1
    0x13,  // 2
    0x1E,  // 3
    0x26,  // 4
    0x2B,  // 5
    0x35,  // 6
    0x38,  // 7
    0x38,  // 8
    0x35,  // 9
    0x2B,  // 10
    0x26,  // 11
    0x1E,  // 12
    0x13,  // 13
    0x0D,  // 14
    0x00,  // 15
};

// Up to two triangles per case as triples of edges, padded with -1, wound
// counter-clockwise seen from the vertices at or below the iso value.
const std::int32_t a2iTetrahedronTriangles[16][7] = {
    {-1, -1, -1, -1, -1, -1, -1},  // 0
    { 0,  3,  2, -1, -1, -1, -1},  // 1
    { 0,  1,  4, -1, -1, -1, -1},  // 2
    { 1,  4,  2,  2,  4,  3, -1},  // 3
    { 1,  2,  5, -1, -1, -1, -1},  // 4
    { 0,  3,  5,  0,  5,  1, -1},  // 5
    { 0,  2,  5,  0,  5,  4, -1},  // 6
    { 5,  4,  3, -1, -1, -1, -1},  // 7
    { 3,  4,  5, -1, -1, -1, -1},  // 8
    { 4,  5,  0,  5,  2,  0, -1},  // 9
    { 1,  5,  0,  5,  3,  0, -1},  // 10
    { 5,  2,  1, -1, -1, -1, -1},  // 11
    { 3,  4,  2,  2,  4,  1, -1},  // 12
    { 4,  1,  0, -1, -1, -1, -1},  // 13
    { 2,  3,  0, -1, -1, -1, -1},  // 14
    {-1, -1, -1, -1, -1, -1, -1},  // 15
};

// clang-format on
