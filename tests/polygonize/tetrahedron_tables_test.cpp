#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bitset>
#include <set>
#include <utility>
#include <vector>

#include "cube_tables.h"
#include "polygonize.h"
#include "tetrahedron_tables.h"
#include "triangle_count.h"

namespace {

typedef std::array<double, 3> Vec;

Vec sSub(const Vec& a, const Vec& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

Vec sCross(const Vec& a, const Vec& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

double fDot(const Vec& a, const Vec& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Vec sCorner(int iCorner) {
    return {a2fVertexOffset[iCorner][0], a2fVertexOffset[iCorner][1], a2fVertexOffset[iCorner][2]};
}

Vec sTetrahedronVertex(int iTetrahedron, int iVertex) {
    return sCorner(a2iTetrahedronsInACube[iTetrahedron][iVertex]);
}

// Signed volume of the tetrahedron times six.
double fSixVolume(int iTetrahedron) {
    const Vec s0 = sTetrahedronVertex(iTetrahedron, 0);
    return fDot(sSub(sTetrahedronVertex(iTetrahedron, 1), s0),
                sCross(sSub(sTetrahedronVertex(iTetrahedron, 2), s0),
                       sSub(sTetrahedronVertex(iTetrahedron, 3), s0)));
}

bool bLow(int iCase, int iVertex) {
    return ((iCase >> iVertex) & 1) != 0;
}

// The used part of a triangle row: everything before the first -1.
std::vector<int> aiUsedPart(int iCase) {
    std::vector<int> aiUsed;
    for (int i = 0; i < 7 && a2iTetrahedronTriangles[iCase][i] >= 0; i++) {
        aiUsed.push_back(a2iTetrahedronTriangles[iCase][i]);
    }
    return aiUsed;
}

}  // namespace

TEST(TetrahedronTables, EdgesAreTheSixVertexPairs) {
    std::set<std::pair<int, int>> asPairs;
    for (int iEdge = 0; iEdge < 6; iEdge++) {
        const int iA = a2iTetrahedronEdgeConnection[iEdge][0];
        const int iB = a2iTetrahedronEdgeConnection[iEdge][1];
        ASSERT_GE(iA, 0);
        ASSERT_LT(iA, 4);
        ASSERT_GE(iB, 0);
        ASSERT_LT(iB, 4);
        ASSERT_NE(iA, iB);
        asPairs.insert({std::min(iA, iB), std::max(iA, iB)});
    }
    EXPECT_EQ(asPairs.size(), 6u);
}

TEST(TetrahedronTables, EdgeFlagsFollowFromTheEdgeVertices) {
    for (int iCase = 0; iCase < 16; iCase++) {
        int iExpected = 0;
        for (int iEdge = 0; iEdge < 6; iEdge++) {
            if (bLow(iCase, a2iTetrahedronEdgeConnection[iEdge][0]) !=
                bLow(iCase, a2iTetrahedronEdgeConnection[iEdge][1])) {
                iExpected |= 1 << iEdge;
            }
        }
        EXPECT_EQ(aiTetrahedronEdgeFlags[iCase], iExpected) << "case " << iCase;
        EXPECT_EQ(aiTetrahedronEdgeFlags[15 - iCase], aiTetrahedronEdgeFlags[iCase]);
        EXPECT_EQ(aiTetrahedronEdgeFlags[iCase] == 0, iCase == 0 || iCase == 15);
    }
}

TEST(TetrahedronTables, TriangleRowsNameEveryCrossedEdgeAndNothingElse) {
    for (int iCase = 0; iCase < 16; iCase++) {
        SCOPED_TRACE(iCase);
        const std::int32_t* aiRow = a2iTetrahedronTriangles[iCase];
        EXPECT_EQ(aiRow[6], -1);

        // Whole triples, then nothing but -1.
        const std::vector<int> aiUsed = aiUsedPart(iCase);
        EXPECT_EQ(aiUsed.size() % 3, 0u);
        for (std::size_t i = aiUsed.size(); i < 7; i++) {
            EXPECT_EQ(aiRow[i], -1) << "entry " << i;
        }

        int iNamed = 0;
        for (int iEdge : aiUsed) {
            ASSERT_GE(iEdge, 0);
            ASSERT_LT(iEdge, 6);
            iNamed |= 1 << iEdge;
        }
        EXPECT_EQ(iNamed, aiTetrahedronEdgeFlags[iCase]);

        for (std::size_t t = 0; t < aiUsed.size(); t += 3) {
            const std::set<int> aiCorners(aiUsed.begin() + t, aiUsed.begin() + t + 3);
            EXPECT_EQ(aiCorners.size(), 3u) << "triangle " << t / 3 << " repeats an edge";
        }

        const int iLowCount = int(std::bitset<4>(iCase).count());
        EXPECT_EQ(aiUsed.size(), 3 * std::size_t(iTetrahedronTriangles(iLowCount)));
    }
}

TEST(TetrahedronTables, ComplementRowIsTheRowReadBackwards) {
    for (int iCase = 0; iCase < 16; iCase++) {
        std::vector<int> aiReversed = aiUsedPart(iCase);
        std::reverse(aiReversed.begin(), aiReversed.end());
        EXPECT_EQ(aiUsedPart(15 - iCase), aiReversed) << "case " << iCase;
    }
}

TEST(TetrahedronTables, TetrahedraShareTheMainDiagonalAndWalkTheRing) {
    const int aiRing[6] = {5, 1, 2, 3, 7, 4};
    for (int iTetrahedron = 0; iTetrahedron < 6; iTetrahedron++) {
        SCOPED_TRACE(iTetrahedron);
        EXPECT_EQ(a2iTetrahedronsInACube[iTetrahedron][0], 0);
        EXPECT_EQ(a2iTetrahedronsInACube[iTetrahedron][3], 6);
        EXPECT_EQ(a2iTetrahedronsInACube[iTetrahedron][1], aiRing[iTetrahedron]);
        EXPECT_EQ(a2iTetrahedronsInACube[iTetrahedron][2], aiRing[(iTetrahedron + 1) % 6]);

        // A step along the ring is a step along one cell edge.
        const Vec sStep =
            sSub(sTetrahedronVertex(iTetrahedron, 2), sTetrahedronVertex(iTetrahedron, 1));
        EXPECT_EQ(fDot(sStep, sStep), 1.0);
    }
}

TEST(TetrahedronTables, EveryTetrahedronIsRightHandedWithASixthOfTheCell) {
    double fTotal = 0.0;
    for (int iTetrahedron = 0; iTetrahedron < 6; iTetrahedron++) {
        EXPECT_EQ(fSixVolume(iTetrahedron), 1.0) << "tetrahedron " << iTetrahedron;
        fTotal += fSixVolume(iTetrahedron) / 6.0;
    }
    EXPECT_DOUBLE_EQ(fTotal, 1.0);
}

// Two neighbouring cells must cut their common face along the same diagonal.
// That holds when every line in a tetrahedron joins two corners ordered in all
// three coordinates: a cell edge, the rising diagonal of a face, or the main
// diagonal.
TEST(TetrahedronTables, EveryFaceIsSplitAlongItsRisingDiagonal) {
    for (int iTetrahedron = 0; iTetrahedron < 6; iTetrahedron++) {
        for (int iA = 0; iA < 4; iA++) {
            for (int iB = iA + 1; iB < 4; iB++) {
                const Vec sDelta = sSub(sTetrahedronVertex(iTetrahedron, iB),
                                        sTetrahedronVertex(iTetrahedron, iA));
                const bool bRising = sDelta[0] >= 0 && sDelta[1] >= 0 && sDelta[2] >= 0;
                const bool bFalling = sDelta[0] <= 0 && sDelta[1] <= 0 && sDelta[2] <= 0;
                EXPECT_TRUE(bRising || bFalling)
                    << "tetrahedron " << iTetrahedron << " vertices " << iA << ", " << iB;
            }
        }
    }
}

// With crossings at the edge midpoints, every triangle's normal (second - first)
// x (third - first) must point from the vertices above the iso value toward
// those at or below it.
TEST(TetrahedronTables, TrianglesFaceTheLowSideInEveryTetrahedron) {
    for (int iTetrahedron = 0; iTetrahedron < 6; iTetrahedron++) {
        Vec asMidpoint[6];
        for (int iEdge = 0; iEdge < 6; iEdge++) {
            const Vec sA = sTetrahedronVertex(iTetrahedron, a2iTetrahedronEdgeConnection[iEdge][0]);
            const Vec sB = sTetrahedronVertex(iTetrahedron, a2iTetrahedronEdgeConnection[iEdge][1]);
            asMidpoint[iEdge] = {(sA[0] + sB[0]) / 2, (sA[1] + sB[1]) / 2, (sA[2] + sB[2]) / 2};
        }
        for (int iCase = 1; iCase < 15; iCase++) {
            Vec sLow{0, 0, 0}, sHigh{0, 0, 0};
            int iLow = 0;
            for (int iVertex = 0; iVertex < 4; iVertex++) {
                Vec& sSum = bLow(iCase, iVertex) ? sLow : sHigh;
                const Vec sVertex = sTetrahedronVertex(iTetrahedron, iVertex);
                for (int k = 0; k < 3; k++) {
                    sSum[k] += sVertex[k];
                }
                iLow += bLow(iCase, iVertex);
            }
            Vec sTowardLow;
            for (int k = 0; k < 3; k++) {
                sTowardLow[k] = sLow[k] / iLow - sHigh[k] / (4 - iLow);
            }

            const std::vector<int> aiUsed = aiUsedPart(iCase);
            ASSERT_FALSE(aiUsed.empty());
            for (std::size_t t = 0; t < aiUsed.size(); t += 3) {
                const Vec& s0 = asMidpoint[aiUsed[t]];
                const Vec sNormal = sCross(sSub(asMidpoint[aiUsed[t + 1]], s0),
                                           sSub(asMidpoint[aiUsed[t + 2]], s0));
                EXPECT_GT(fDot(sNormal, sTowardLow), 0.0)
                    << "tetrahedron " << iTetrahedron << " case " << iCase << " triangle " << t / 3;
            }
        }
    }
}
