// Whole-grid checks of both polygonizers on closed surfaces of the first
// field: every crossing lies on a line of its own cell, and the triangles of
// all cells, welded by the grid line each crossing lies on, or by position
// where the cells agree on their shared grid points, close up without a hole
// and with one winding.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <map>
#include <numeric>
#include <tuple>
#include <utility>
#include <vector>

#include "field.h"
#include "gl_record.h"
#include "polygonize.h"
#include "polygonize_fixture.h"

namespace {

// The twelve cell edges, then the rising diagonal of each face and the main
// diagonal: the lines along which the tetrahedra of a cell are cut.
const int a2iCellLine[19][2] = {
    {0, 1}, {1, 2}, {3, 2}, {0, 3}, {4, 5}, {5, 6}, {7, 6}, {4, 7}, {0, 4}, {1, 5},
    {2, 6}, {3, 7}, {0, 2}, {4, 6}, {0, 5}, {3, 6}, {0, 7}, {1, 6}, {0, 6},
};
const int iCellEdgeCount = 12;

// Which line of its cell a crossing lies on, told by the grid points at the
// line's two ends (numbered across the whole grid, lower number first). A
// crossing on a grid point is told by that point alone, since every line
// through it ends there. q is the crossing in units of the cell, measured
// from the cell's lowest corner (i, j, k); only the first iLineCount lines of
// the cell count. Returns false when q lies on none of them.
typedef std::pair<std::int64_t, std::int64_t> LineKey;

bool bFindLine(const Point& q, int i, int j, int k, int n, int iLineCount, LineKey& sKey) {
    const double fTolerance = 1e-4;
    auto iGridPoint = [&](int iCorner) {
        const float* d = a2fCellCorner[iCorner];
        return (std::int64_t(i + int(d[0])) * (n + 1) + (j + int(d[1]))) * (n + 1) +
               (k + int(d[2]));
    };
    for (int iCorner = 0; iCorner < 8; iCorner++) {
        const float* c = a2fCellCorner[iCorner];
        if (std::fabs(q[0] - c[0]) <= fTolerance && std::fabs(q[1] - c[1]) <= fTolerance &&
            std::fabs(q[2] - c[2]) <= fTolerance) {
            sKey = {iGridPoint(iCorner), iGridPoint(iCorner)};
            return true;
        }
    }
    int iFound = 0;
    for (int iLine = 0; iLine < iLineCount; iLine++) {
        const float* a = a2fCellCorner[a2iCellLine[iLine][0]];
        const float* b = a2fCellCorner[a2iCellLine[iLine][1]];
        double fAlong = 0, fLength2 = 0;
        for (int m = 0; m < 3; m++) {
            fAlong += (q[m] - a[m]) * (b[m] - a[m]);
            fLength2 += (b[m] - a[m]) * (b[m] - a[m]);
        }
        const double t = fAlong / fLength2;
        double fOff2 = 0;
        for (int m = 0; m < 3; m++) {
            const double d = q[m] - (a[m] + t * (b[m] - a[m]));
            fOff2 += d * d;
        }
        if (t >= 0 && t <= 1 && fOff2 <= fTolerance * fTolerance) {
            const std::int64_t iA = iGridPoint(a2iCellLine[iLine][0]);
            const std::int64_t iB = iGridPoint(a2iCellLine[iLine][1]);
            sKey = {std::min(iA, iB), std::max(iA, iB)};
            iFound++;
        }
    }
    // Away from the corners the lines of a cell do not meet.
    return iFound == 1;
}

// Vertex numbers after welding: points that agree within fTolerance in every
// coordinate, directly or through a chain of such points, get one number.
std::vector<std::size_t> aiWeld(const std::vector<Point>& asVertices, double fTolerance) {
    std::vector<std::size_t> aiParent(asVertices.size());
    std::iota(aiParent.begin(), aiParent.end(), 0);
    auto iRoot = [&](std::size_t i) {
        while (aiParent[i] != i) {
            i = aiParent[i] = aiParent[aiParent[i]];
        }
        return i;
    };
    std::vector<std::size_t> aiByX(asVertices.size());
    std::iota(aiByX.begin(), aiByX.end(), 0);
    std::sort(aiByX.begin(), aiByX.end(),
              [&](std::size_t a, std::size_t b) { return asVertices[a][0] < asVertices[b][0]; });
    for (std::size_t i = 0; i < aiByX.size(); i++) {
        const Point& p = asVertices[aiByX[i]];
        for (std::size_t j = i + 1;
             j < aiByX.size() && asVertices[aiByX[j]][0] - p[0] <= fTolerance; j++) {
            const Point& q = asVertices[aiByX[j]];
            if (std::fabs(q[1] - p[1]) <= fTolerance && std::fabs(q[2] - p[2]) <= fTolerance) {
                aiParent[iRoot(aiByX[i])] = iRoot(aiByX[j]);
            }
        }
    }
    std::vector<std::size_t> aiId(asVertices.size());
    for (std::size_t i = 0; i < aiId.size(); i++) {
        aiId[i] = iRoot(i);
    }
    return aiId;
}

struct MeshReport {
    std::size_t iTriangles = 0;
    std::size_t iDegenerate = 0;
    std::size_t iEdges = 0;
    // Edges used by an odd number of triangles: the rims of holes.
    std::size_t iBoundaryEdges = 0;
    // Edges not run as often in one direction as in the other: neighbours
    // whose windings disagree.
    std::size_t iMisorientedEdges = 0;
};

// The mesh of triangles (aiId[3t], aiId[3t + 1], aiId[3t + 2]), where equal
// numbers are one vertex. Triangles with a repeated vertex are left out.
MeshReport sAnalyse(const std::vector<std::size_t>& aiId) {
    MeshReport sReport;
    // Per undirected edge: uses, and uses from lower to higher number minus
    // the other way.
    std::map<std::pair<std::size_t, std::size_t>, std::pair<int, int>> mapEdge;
    sReport.iTriangles = aiId.size() / 3;
    for (std::size_t t = 0; t + 2 < aiId.size(); t += 3) {
        const std::size_t ai[3] = {aiId[t], aiId[t + 1], aiId[t + 2]};
        if (ai[0] == ai[1] || ai[1] == ai[2] || ai[2] == ai[0]) {
            sReport.iDegenerate++;
            continue;
        }
        for (int k = 0; k < 3; k++) {
            const std::size_t a = ai[k], b = ai[(k + 1) % 3];
            std::pair<int, int>& sUse = mapEdge[{std::min(a, b), std::max(a, b)}];
            sUse.first++;
            sUse.second += a < b ? 1 : -1;
        }
    }
    sReport.iEdges = mapEdge.size();
    for (const auto& sEdge : mapEdge) {
        sReport.iBoundaryEdges += sEdge.second.first % 2 != 0;
        sReport.iMisorientedEdges += sEdge.second.second != 0;
    }
    return sReport;
}

// Whether the far corner of every cell, float(i) * s + s, is the near corner of
// the next, float(i + 1) * s.
bool bGridPointsAgree(int n, float s) {
    for (int i = 0; i < n; i++) {
        if (float(float(i) * s) + s != float(i + 1) * s) {
            return false;
        }
    }
    return true;
}

struct Sweep {
    const char* szName;
    Polygonizer* pfPolygonizer;
    int iLineCount;
};

// The sweeps change the grid, the field, its time and the slot; the fixture
// puts them back.
class WholeGrid : public PolygonizeTest,
                  public ::testing::WithParamInterface<std::tuple<int, float>> {
protected:
    void vRunSweep(const Sweep& sSweep);
};

void WholeGrid::vRunSweep(const Sweep& sSweep) {
    const int n = std::get<0>(GetParam());
    vSetDataSetSize(n);
    fTargetValue = 48.0f;
    fSample = fSample1;
    vSetTime(std::get<1>(GetParam()));
    const float s = fStepSize;

    // The surface stays clear of the cube's faces: every grid point on them
    // is low, so a closed surface must come out.
    for (int i = 0; i <= n; i++) {
        for (int j = 0; j <= n; j++) {
            const float u = float(i) * s, v = float(j) * s, w = float(n) * s;
            for (float fValue : {fSample1(u, v, 0), fSample1(u, v, w), fSample1(u, 0, v),
                                 fSample1(u, w, v), fSample1(0, u, v), fSample1(w, u, v)}) {
                ASSERT_LT(fValue, 40.0f) << "the surface reaches the cube's faces";
            }
        }
    }

    vMarchCube = sSweep.pfPolygonizer;
    vResetRecorder();
    vMarchingCubes();
    const std::vector<Point> asVertices = asRecordedVertices();
    EXPECT_EQ(sRecorder.iNonFiniteVertexCount, 0u);
    ASSERT_EQ(asVertices.size() % 3, 0u);
    ASSERT_GT(asVertices.size(), 0u);

    // Cell by cell again, to know which cell made which vertex: the cells'
    // output in sweep order must be the sweep's output.
    std::map<LineKey, std::size_t> mapLine;
    std::vector<std::size_t> aiLineId;
    std::vector<std::array<double, 6>> asLineExtent;
    for (int i = 0; i < n; i++) {
        for (int j = 0; j < n; j++) {
            for (int k = 0; k < n; k++) {
                const float fX = float(i) * s, fY = float(j) * s, fZ = float(k) * s;
                vResetRecorder();
                sSweep.pfPolygonizer(fX, fY, fZ, s);
                for (const Point& p : asRecordedVertices()) {
                    const std::size_t iVertex = aiLineId.size();
                    ASSERT_LT(iVertex, asVertices.size());
                    ASSERT_EQ(p, asVertices[iVertex]) << "vertex " << iVertex;
                    const Point q{(p[0] - fX) / s, (p[1] - fY) / s, (p[2] - fZ) / s};
                    LineKey sKey;
                    ASSERT_TRUE(bFindLine(q, i, j, k, n, sSweep.iLineCount, sKey))
                        << "vertex " << iVertex << " (" << p[0] << ", " << p[1] << ", " << p[2]
                        << ") is off the lines of cell " << i << ", " << j << ", " << k;
                    const auto sFound = mapLine.insert({sKey, mapLine.size()});
                    aiLineId.push_back(sFound.first->second);
                    if (sFound.second) {
                        asLineExtent.push_back({p[0], p[1], p[2], p[0], p[1], p[2]});
                    }
                    std::array<double, 6>& sExtent = asLineExtent[sFound.first->second];
                    for (int m = 0; m < 3; m++) {
                        sExtent[m] = std::min(sExtent[m], p[m]);
                        sExtent[m + 3] = std::max(sExtent[m + 3], p[m]);
                    }
                }
            }
        }
    }
    ASSERT_EQ(aiLineId.size(), asVertices.size());

    // How far apart the cells put the crossings of one line.
    double fWidestGap = 0;
    for (const std::array<double, 6>& sExtent : asLineExtent) {
        for (int m = 0; m < 3; m++) {
            fWidestGap = std::max(fWidestGap, sExtent[m + 3] - sExtent[m]);
        }
    }

    const MeshReport sByPosition = sAnalyse(aiWeld(asVertices, 1e-6));
    const MeshReport sByLine = sAnalyse(aiLineId);
    std::cout << "[ weld     ] " << sSweep.szName << " grid " << n << " time "
              << std::get<1>(GetParam()) << ": " << sByPosition.iTriangles << " triangles; welded "
              << "within 1e-6: " << sByPosition.iDegenerate << " degenerate, "
              << sByPosition.iBoundaryEdges << " boundary and " << sByPosition.iMisorientedEdges
              << " misoriented of " << sByPosition.iEdges
              << " edges; welded by grid line: " << sByLine.iBoundaryEdges << " boundary and "
              << sByLine.iMisorientedEdges << " misoriented of " << sByLine.iEdges
              << " edges; widest gap on one line " << fWidestGap << std::endl;

    // Each crossing belongs to one grid line whichever cell computes it, so
    // welded by line the surface must close up, consistently wound.
    EXPECT_EQ(sByLine.iBoundaryEdges, 0u);
    EXPECT_EQ(sByLine.iMisorientedEdges, 0u);
    EXPECT_LT(fWidestGap, 1e-4);

    // Welding by position needs the cells to agree on where their shared grid
    // points are. Where the step is not a power of two, cell i + 1 starts at
    // float(i + 1) * s while cell i ends at float(i) * s + s, rounded apart
    // by an ulp: the two sample slightly different points, and on a line
    // that runs nearly along the surface their crossings can drift further
    // apart than 1e-6. There the line weld above is the check.
    if (bGridPointsAgree(n, s)) {
        EXPECT_LT(fWidestGap, 1e-6);
        EXPECT_EQ(sByPosition.iBoundaryEdges, 0u);
        EXPECT_EQ(sByPosition.iMisorientedEdges, 0u);
    }
}

}  // namespace

TEST_P(WholeGrid, TetrahedraCloseTheSurface) {
    vRunSweep({"tetrahedra", vMarchCube2, 19});
}

TEST_P(WholeGrid, CubesCloseTheSurface) {
    vRunSweep({"cubes", vMarchCube1, iCellEdgeCount});
}

// Time 0 puts all three sources at the centre (a sphere); 0.5 and 3.5 part
// them along their axes, to either side of the centre.
INSTANTIATE_TEST_SUITE_P(FirstField, WholeGrid,
                         ::testing::Combine(::testing::Values(8, 16, 23),
                                            ::testing::Values(0.0f, 0.5f, 3.5f)));
