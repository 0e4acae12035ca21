#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <set>

#include "cube_tables.h"
#include "polygonize.h"

namespace {

typedef std::array<double, 3> Vec3;

int iTriangleCount(int iCase) {
    int iCount = 0;
    while (iCount < 5 && a2iTriangleConnectionTable[iCase][3 * iCount] >= 0) {
        iCount++;
    }
    return iCount;
}

std::int32_t iEdgeFlagsFromCorners(int iCase) {
    std::int32_t iFlags = 0;
    for (int iEdge = 0; iEdge < 12; iEdge++) {
        const bool bFirst = (iCase >> a2iEdgeConnection[iEdge][0]) & 1;
        const bool bSecond = (iCase >> a2iEdgeConnection[iEdge][1]) & 1;
        if (bFirst != bSecond) {
            iFlags |= 1 << iEdge;
        }
    }
    return iFlags;
}

Vec3 sMidpoint(int iEdge) {
    Vec3 s;
    for (int i = 0; i < 3; i++) {
        s[i] = (double(a2fVertexOffset[a2iEdgeConnection[iEdge][0]][i]) +
                double(a2fVertexOffset[a2iEdgeConnection[iEdge][1]][i])) /
               2.0;
    }
    return s;
}

}  // namespace

TEST(CubeTables, EdgeDirectionIsSecondCornerMinusFirstAndUnitAxis) {
    for (int iEdge = 0; iEdge < 12; iEdge++) {
        int iNonZero = 0;
        for (int i = 0; i < 3; i++) {
            const float fExpected = a2fVertexOffset[a2iEdgeConnection[iEdge][1]][i] -
                                    a2fVertexOffset[a2iEdgeConnection[iEdge][0]][i];
            EXPECT_EQ(a2fEdgeDirection[iEdge][i], fExpected) << "edge " << iEdge;
            if (a2fEdgeDirection[iEdge][i] != 0.0f) {
                iNonZero++;
                EXPECT_EQ(std::abs(a2fEdgeDirection[iEdge][i]), 1.0f) << "edge " << iEdge;
            }
        }
        EXPECT_EQ(iNonZero, 1) << "edge " << iEdge;
    }
}

TEST(CubeTables, CornerOffsetsAreTheEightDistinctUnitCubeCorners) {
    std::set<int> aiSeen;
    for (int iCorner = 0; iCorner < 8; iCorner++) {
        int iKey = 0;
        for (int i = 0; i < 3; i++) {
            const float f = a2fVertexOffset[iCorner][i];
            ASSERT_TRUE(f == 0.0f || f == 1.0f);
            iKey |= int(f) << i;
        }
        aiSeen.insert(iKey);
    }
    EXPECT_EQ(aiSeen.size(), 8u);
}

TEST(CubeTables, EdgeFlagsAreTheEdgesWhoseCornersDiffer) {
    for (int iCase = 0; iCase < 256; iCase++) {
        EXPECT_EQ(aiCubeEdgeFlags[iCase], iEdgeFlagsFromCorners(iCase)) << "case " << iCase;
        EXPECT_EQ(aiCubeEdgeFlags[255 - iCase], aiCubeEdgeFlags[iCase]) << "case " << iCase;
        EXPECT_EQ(aiCubeEdgeFlags[iCase] == 0, iCase == 0 || iCase == 255) << "case " << iCase;
    }
    EXPECT_EQ(aiCubeEdgeFlags[1], 0x109);
    EXPECT_EQ(aiCubeEdgeFlags[2], 0x203);
    EXPECT_EQ(aiCubeEdgeFlags[15], 0xf00);
    const int a2iListed[][2] = {{4, 0x406},  {8, 0x80c},   {16, 0x190},  {32, 0x230},
                                {64, 0x460}, {170, 0x0ff}, {254, 0x109}, {128, 0x8c0}};
    for (const auto& aiRow : a2iListed) {
        EXPECT_EQ(aiCubeEdgeFlags[aiRow[0]], aiRow[1]) << "case " << aiRow[0];
    }
}

TEST(CubeTables, TriangleRowsNameExactlyTheCrossedEdges) {
    for (int iCase = 0; iCase < 256; iCase++) {
        const std::int32_t* ai = a2iTriangleConnectionTable[iCase];
        const int iCount = iTriangleCount(iCase);
        std::int32_t iNamed = 0;
        for (int i = 0; i < 16; i++) {
            if (i < 3 * iCount) {
                ASSERT_GE(ai[i], 0) << "case " << iCase;
                ASSERT_LT(ai[i], 12) << "case " << iCase;
                iNamed |= 1 << ai[i];
            } else {
                EXPECT_EQ(ai[i], -1) << "case " << iCase << " entry " << i;
            }
        }
        EXPECT_EQ(iNamed, aiCubeEdgeFlags[iCase]) << "case " << iCase;
    }
    EXPECT_EQ(iTriangleCount(0), 0);
    EXPECT_EQ(iTriangleCount(255), 0);
}

TEST(CubeTables, TrianglesPerRowHaveTheKnownDistribution) {
    int aiRows[6] = {0, 0, 0, 0, 0, 0};
    int iTotal = 0;
    for (int iCase = 0; iCase < 256; iCase++) {
        aiRows[iTriangleCount(iCase)]++;
        iTotal += iTriangleCount(iCase);
    }
    EXPECT_EQ(aiRows[0], 2);
    EXPECT_EQ(aiRows[1], 16);
    EXPECT_EQ(aiRows[2], 50);
    EXPECT_EQ(aiRows[3], 80);
    EXPECT_EQ(aiRows[4], 76);
    EXPECT_EQ(aiRows[5], 32);
    EXPECT_EQ(iTotal, 820);
}

TEST(CubeTables, ComplementaryRowsMostlyHoldTheSameTrianglesReversed) {
    int iReversed = 0;
    int iDiffer = 0;
    for (int iCase = 1; iCase < 128; iCase++) {
        const std::int32_t* aiA = a2iTriangleConnectionTable[iCase];
        const std::int32_t* aiB = a2iTriangleConnectionTable[255 - iCase];
        bool bSame = iTriangleCount(iCase) == iTriangleCount(255 - iCase);
        for (int i = 0; bSame && i < 3 * iTriangleCount(iCase); i += 3) {
            bSame = aiB[i] == aiA[i] && aiB[i + 1] == aiA[i + 2] && aiB[i + 2] == aiA[i + 1];
        }
        (bSame ? iReversed : iDiffer)++;
    }
    EXPECT_EQ(iReversed, 67);
    EXPECT_EQ(iDiffer, 60);
}

// The normal (p2 - p1) x (p3 - p1) of each triangle points out of the low
// region: along the crossed edges, from their high corner to their low one.
TEST(CubeTables, EveryTriangleFacesFromHighCornersTowardLowCorners) {
    int iChecked = 0;
    for (int iCase = 0; iCase < 256; iCase++) {
        for (int iTriangle = 0; iTriangle < iTriangleCount(iCase); iTriangle++) {
            const std::int32_t* ai = &a2iTriangleConnectionTable[iCase][3 * iTriangle];
            const Vec3 s1 = sMidpoint(ai[0]), s2 = sMidpoint(ai[1]), s3 = sMidpoint(ai[2]);
            const Vec3 sA = {s2[0] - s1[0], s2[1] - s1[1], s2[2] - s1[2]};
            const Vec3 sB = {s3[0] - s1[0], s3[1] - s1[1], s3[2] - s1[2]};
            const Vec3 sN = {sA[1] * sB[2] - sA[2] * sB[1], sA[2] * sB[0] - sA[0] * sB[2],
                             sA[0] * sB[1] - sA[1] * sB[0]};
            double fSum = 0.0;
            for (int iCorner = 0; iCorner < 3; iCorner++) {
                const int iEdge = ai[iCorner];
                const int iFirst = a2iEdgeConnection[iEdge][0];
                const double fSign = ((iCase >> iFirst) & 1) ? -1.0 : 1.0;
                for (int i = 0; i < 3; i++) {
                    fSum += fSign * double(a2fEdgeDirection[iEdge][i]) * sN[i];
                }
            }
            EXPECT_GT(fSum, 0.0) << "case " << iCase << " triangle " << iTriangle;
            iChecked++;
        }
    }
    EXPECT_EQ(iChecked, 820);
}
