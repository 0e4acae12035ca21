// The segment keys of a cell's corners, found by walking the polygonizers'
// own case tables with their own walks (cell_cases.h), and so in the order
// the polygonizers emit.
#include "segment.h"

#include <algorithm>

#include "cell_cases.h"
#include "cube_tables.h"
#include "polygonize.h"
#include "tetrahedron_tables.h"

namespace {

// Lattice points are numbered across the grid, z fastest; the largest grid's
// (1025^3) fit in 32 bits.
SegmentKey iLatticePoint(const CellIndex& sCell, int iCorner) {
    const std::int64_t iSide = std::int64_t(sCell.iGrid) + 1;
    const std::int64_t iX = sCell.iX + std::int64_t(a2fVertexOffset[iCorner][0]);
    const std::int64_t iY = sCell.iY + std::int64_t(a2fVertexOffset[iCorner][1]);
    const std::int64_t iZ = sCell.iZ + std::int64_t(a2fVertexOffset[iCorner][2]);
    return SegmentKey((iX * iSide + iY) * iSide + iZ);
}

// The segment between two corners of the cell, whichever way it was run.
SegmentKey iSegment(const CellIndex& sCell, int iCorner1, int iCorner2) {
    const SegmentKey iPoint1 = iLatticePoint(sCell, iCorner1);
    const SegmentKey iPoint2 = iLatticePoint(sCell, iCorner2);
    return std::min(iPoint1, iPoint2) << 32 | std::max(iPoint1, iPoint2);
}

}  // namespace

int iCubeCellSegments(const CellIndex& sCell, const float* afValue, float fIso, SegmentKey* aiKey) {
    const std::int32_t* aiRow = a2iTriangleConnectionTable[iCaseIndex(afValue, 8, fIso)];
    int iCount = 0;
    vForEachRowCorner(aiRow, 5, [&](std::int32_t iEdge) {
        const std::int32_t* aiEdge = a2iEdgeConnection[iEdge];
        aiKey[iCount++] = iSegment(sCell, aiEdge[0], aiEdge[1]);
    });
    return iCount;
}

int iTetraCellSegments(const CellIndex& sCell, const float* afValue, float fIso,
                       SegmentKey* aiKey) {
    int iCount = 0;
    vForEachTetrahedron(
        afValue, [&](const std::int32_t* aiCorner, const float* afTetrahedronValue) {
            const std::int32_t* aiRow =
                a2iTetrahedronTriangles[iCaseIndex(afTetrahedronValue, 4, fIso)];
            vForEachRowCorner(aiRow, 2, [&](std::int32_t iEdge) {
                const std::int32_t* aiEdge = a2iTetrahedronEdgeConnection[iEdge];
                aiKey[iCount++] = iSegment(sCell, aiCorner[aiEdge[0]], aiCorner[aiEdge[1]]);
            });
        });
    return iCount;
}
