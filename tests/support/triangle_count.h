// Counting triangles, the one way for every test.
#pragma once

#include <cstdint>

// The triangles a case-table row lists: triples of edge numbers up to the
// first negative entry, at most iMaxTriangles of them.
inline int iRowTriangles(const std::int32_t* aiRow, int iMaxTriangles) {
    int iTriangles = 0;
    while (iTriangles < iMaxTriangles && aiRow[3 * iTriangles] >= 0) {
        iTriangles++;
    }
    return iTriangles;
}

// The triangles the surface makes in one tetrahedron with iLowCount of its
// four vertices at or below the iso value: one around a vertex cut off alone
// (one or three low), two for the quadrilateral between two and two, none
// when all four lie on one side.
inline int iTetrahedronTriangles(int iLowCount) {
    return iLowCount == 2 ? 2 : iLowCount % 2;
}
