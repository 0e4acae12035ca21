// Reading the case tables: the case index of a cube cell or a tetrahedron,
// the corners of one row of a triangle table, and the six tetrahedra of a
// cell. The polygonizers emit their triangles by these walks, and
// orvane-mesh walks the same rows again to name each emitted corner's grid
// segment and to count the normals, so the two cannot disagree on an order.
#pragma once

#include <cstdint>

#include "tetrahedron_tables.h"

// Bit v is set where the value at vertex v is at or below the iso value. A
// NaN compares false and so counts as above.
inline int iCaseIndex(const float* afValue, int iCount, float fIso) {
    int iFlagIndex = 0;
    for (int iVertex = 0; iVertex < iCount; iVertex++) {
        if (afValue[iVertex] <= fIso) {
            iFlagIndex |= 1 << iVertex;
        }
    }
    return iFlagIndex;
}

// Calls vCorner with the edge number of every triangle corner of a triangle
// table row, in the row's order: up to iMaxTriangles triples, ended early by
// a triple whose first entry is negative. The padding after the last triple
// is never read.
template <typename CornerVisit>
inline void vForEachRowCorner(const std::int32_t* aiRow, int iMaxTriangles, CornerVisit vCorner) {
    for (int iTriangle = 0; iTriangle < iMaxTriangles && aiRow[3 * iTriangle] >= 0; iTriangle++) {
        for (int iCorner = 0; iCorner < 3; iCorner++) {
            vCorner(aiRow[3 * iTriangle + iCorner]);
        }
    }
}

// Calls vTetrahedron for tetrahedra 0 to 5 of a cell in order, with its
// four cube corners (its row of a2iTetrahedronsInACube) and their four
// values, taken from the cell's eight (corner order of a2fVertexOffset).
template <typename TetrahedronVisit>
inline void vForEachTetrahedron(const float* afCubeValue, TetrahedronVisit vTetrahedron) {
    for (const std::int32_t* aiCorner : a2iTetrahedronsInACube) {
        float afTetrahedronValue[4];
        for (int iVertex = 0; iVertex < 4; iVertex++) {
            afTetrahedronValue[iVertex] = afCubeValue[aiCorner[iVertex]];
        }
        vTetrahedron(aiCorner, afTetrahedronValue);
    }
}
