// The number of triangles a case-table row lists: triples of edge numbers up
// to the first negative entry, at most iMaxTriangles of them.
#pragma once

#include <cstdint>

inline int iRowTriangles(const std::int32_t* aiRow, int iMaxTriangles) {
    int iTriangles = 0;
    while (iTriangles < iMaxTriangles && aiRow[3 * iTriangles] >= 0) {
        iTriangles++;
    }
    return iTriangles;
}
