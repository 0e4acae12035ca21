// The cube polygonizer on one cell at a time, against the scripted field: where
// it samples, which triangles it emits for each case, and the float steps by
// which it places every crossing.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "cube_tables.h"
#include "field.h"
#include "float_ulp.h"
#include "gl_record.h"
#include "polygonize.h"
#include "polygonize_fixture.h"
#include "triangle_count.h"

namespace {

// The corners at the ends of iEdge, first then second: edges 0 to 3 circle the
// low face, 4 to 7 the high face the same way round, and 8 to 11 rise from
// corner i to corner i + 4. Worked out here rather than read from the
// program's table, so the tests pin which way each edge runs.
std::array<int, 2> aiEdgeEnds(int iEdge) {
    if (iEdge < 8) {
        return {iEdge, (iEdge & 4) + (iEdge + 1) % 4};
    }
    return {iEdge - 8, iEdge - 4};
}

// The midpoint of iEdge of the unit cell at the origin: halves of 0 and 1,
// exact whatever the order of the steps that reach it.
Point sEdgeMidpoint(int iEdge) {
    const std::array<int, 2> aiEnd = aiEdgeEnds(iEdge);
    Point s;
    for (int i = 0; i < 3; i++) {
        s[i] = (a2fCellCorner[aiEnd[0]][i] + a2fCellCorner[aiEnd[1]][i]) / 2.0;
    }
    return s;
}

int iCrossedEdgeCount(int iCase) {
    int iCount = 0;
    for (int iEdge = 0; iEdge < 12; iEdge++) {
        const std::array<int, 2> aiEnd = aiEdgeEnds(iEdge);
        iCount += ((iCase >> aiEnd[0]) ^ (iCase >> aiEnd[1])) & 1;
    }
    return iCount;
}

std::size_t iRowCorners(int iCase) {
    return 3 * std::size_t(iRowTriangles(a2iTriangleConnectionTable[iCase], 5));
}

// Corners in the case's bits low (40), the others high (56). The iso value 48
// lies halfway, so every crossing is exactly its edge's midpoint.
std::array<float, 8> afCaseCorners(int iCase) {
    std::array<float, 8> afValue;
    for (int i = 0; i < 8; i++) {
        afValue[i] = ((iCase >> i) & 1) ? 40.0f : 56.0f;
    }
    return afValue;
}

class CubeTest : public ScriptedFieldTest {
protected:
    // Corner values of the cell at the origin with edge 1.
    void vScriptCorners(const std::array<float, 8>& afValue) {
        vScriptCell(0.0f, 0.0f, 0.0f, 1.0f, afValue.data());
    }

    // Triangle corner iCorner of the record: colour, normal and vertex calls
    // for sPoint, with the normal and colour the field gives there.
    void vExpectEmittedCorner(std::size_t iCorner, const Point& sPoint) {
        const std::vector<EmittedCorner> asCorners = asEmittedCorners();
        ASSERT_LT(iCorner, asCorners.size());
        const GLvector sPosition{float(sPoint[0]), float(sPoint[1]), float(sPoint[2])};
        GLvector sNormal, sColor;
        vGetNormal(sNormal, sPosition.fX, sPosition.fY, sPosition.fZ);
        vGetColor(sColor, sPosition, sNormal);
        vExpectSamePoint(asCorners[iCorner].sColor, sColor);
        vExpectSamePoint(asCorners[iCorner].sNormal, sNormal);
        vExpectSamePoint(asCorners[iCorner].sVertex, sPosition);
    }
};

}  // namespace

TEST_F(CubeTest, OneLowCornerEmitsOneTriangleAtEdgeMidpoints) {
    vScriptCorners({40, 56, 56, 56, 56, 56, 56, 56});
    vMarchCube1(0.0f, 0.0f, 0.0f, 1.0f);

    const std::vector<std::string> astrExpected = {"glColor3f", "glNormal3f", "glVertex3f",
                                                   "glColor3f", "glNormal3f", "glVertex3f",
                                                   "glColor3f", "glNormal3f", "glVertex3f"};
    EXPECT_EQ(astrCallNames(), astrExpected);
    for (const RecordedCall& sCall : asCallsNamed("glVertex3f")) {
        ASSERT_EQ(sCall.afArg.size(), 3u);
    }
    const std::vector<Point> asVertex = asRecordedVertices();
    EXPECT_EQ(asVertex, (std::vector<Point>{{0.5, 0, 0}, {0, 0, 0.5}, {0, 0.5, 0}}));

    // 8 corners, then 6 per crossed edge (0, 3, 8), all before any output.
    ASSERT_EQ(asSampleLog.size(), 8u + 6u * 3u);
    for (const SampleCall& s : asSampleLog) {
        EXPECT_EQ(s.iCallsBefore, 0u);
    }

    ASSERT_EQ(asVertex.size(), 3u);
    for (std::size_t i = 0; i < 3; i++) {
        SCOPED_TRACE(i);
        vExpectEmittedCorner(i, asVertex[i]);
    }
    EXPECT_TRUE(asCallsNamed("glBegin").empty());
    EXPECT_TRUE(asCallsNamed("glEnd").empty());
}

TEST_F(CubeTest, CornerAtIsoValueCountsAsLowAndGivesDegenerateTriangle) {
    vScriptCorners({48, 56, 56, 56, 56, 56, 56, 56});
    vMarchCube1(0.0f, 0.0f, 0.0f, 1.0f);
    EXPECT_EQ(asRecordedVertices(), (std::vector<Point>{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}));
}

TEST_F(CubeTest, UniformCellSamplesOnlyCornersAndDrawsNothing) {
    for (float fValue : {40.0f, 56.0f}) {
        vStartOver();
        vScriptCorners({fValue, fValue, fValue, fValue, fValue, fValue, fValue, fValue});
        vMarchCube1(0.0f, 0.0f, 0.0f, 1.0f);
        EXPECT_EQ(asSampleLog.size(), 8u);
        EXPECT_EQ(sRecorder.iCallCount, 0u);
        EXPECT_TRUE(sRecorder.asCalls.empty());
    }
}

// Every corner is scripted high, so the cell crosses nothing and its eight
// samples are all it takes. One scale is a float-rounded third, so the sum
// with the cell coordinate is not exact. The far corner's coordinates were
// worked out apart from the program: the cell's float plus the scale's,
// rounded to float.
TEST_F(CubeTest, SamplesTheEightCornersInTableOrderAtCellPlusOffsetTimesScale) {
    struct Cell {
        float fX, fY, fZ, fScale;
        std::uint32_t aiFarBits[3];
    };
    const Cell asCell[] = {
        {0.3f, -1.7f, 2.1f, 0.1f, {0x3ECCCCCDu, 0xBFCCCCCDu, 0x400CCCCCu}},  // 0.4 -1.6 2.1999998
        {0.3f,
         0.7f,
         0.1f,
         float(1.0 / 3.0),
         {0x3F222222u, 0x3F844444u, 0x3EDDDDDEu}},  // 0.6333333 1.0333333 0.43333334
    };
    const float afHigh[8] = {56, 56, 56, 56, 56, 56, 56, 56};
    for (const Cell& sCell : asCell) {
        SCOPED_TRACE(::testing::Message() << "scale " << sCell.fScale);
        vStartOver();
        vScriptCell(sCell.fX, sCell.fY, sCell.fZ, sCell.fScale, afHigh);
        vMarchCube1(sCell.fX, sCell.fY, sCell.fZ, sCell.fScale);

        const float afNear[3] = {sCell.fX, sCell.fY, sCell.fZ};
        float afFar[3];
        std::memcpy(afFar, sCell.aiFarBits, sizeof afFar);
        ASSERT_EQ(asSampleLog.size(), 8u);
        for (int iCorner = 0; iCorner < 8; iCorner++) {
            SCOPED_TRACE(::testing::Message() << "corner " << iCorner);
            const SampleCall& sCall = asSampleLog[iCorner];
            const float* afOffset = a2fCellCorner[iCorner];
            vExpectSamePoint({sCall.fX, sCall.fY, sCall.fZ},
                             {afOffset[0] == 0.0f ? afNear[0] : afFar[0],
                              afOffset[1] == 0.0f ? afNear[1] : afFar[1],
                              afOffset[2] == 0.0f ? afNear[2] : afFar[2]});
            for (int iAxis = 0; iAxis < 3; iAxis++) {
                EXPECT_EQ(a2fVertexOffset[iCorner][iAxis], a2fCellCorner[iCorner][iAxis]);
            }
        }
        EXPECT_TRUE(sRecorder.asCalls.empty());
    }
}

TEST_F(CubeTest, NaNCornerCountsAsAbove) {
    const float fNaN = std::numeric_limits<float>::quiet_NaN();
    vScriptCorners({fNaN, fNaN, fNaN, fNaN, fNaN, fNaN, fNaN, fNaN});
    vMarchCube1(0.0f, 0.0f, 0.0f, 1.0f);
    EXPECT_TRUE(sRecorder.asCalls.empty());

    vResetRecorder();
    vScriptCorners({fNaN, 40, 40, 40, 40, 40, 40, 40});
    vMarchCube1(0.0f, 0.0f, 0.0f, 1.0f);
    EXPECT_EQ(asRecordedVertices().size(), 3u);
}

TEST_F(CubeTest, FractionIsMeasuredFromTheEdgesFirstCorner) {
    // Corner 1 low: edges 0 (0 -> 1), 1 (1 -> 2) and 9 (1 -> 5) are crossed.
    vScriptCorners({56, 44, 56, 56, 56, 56, 56, 56});
    vMarchCube1(0.0f, 0.0f, 0.0f, 1.0f);
    const float fTwoThirds = float(8.0 / 12.0);
    const float fOneThird = float(4.0 / 12.0);
    const std::vector<Point> asVertex = asRecordedVertices();
    ASSERT_EQ(asVertex.size(), 3u);
    const std::vector<Point> asExpected = {
        {fTwoThirds, 0, 0}, {1, fOneThird, 0}, {1, 0, fOneThird}};
    for (const Point& s : asExpected) {
        EXPECT_NE(std::find(asVertex.begin(), asVertex.end(), s), asVertex.end())
            << s[0] << " " << s[1] << " " << s[2];
    }
}

TEST_F(CubeTest, InfiniteFirstCornerPutsCrossingOnTheFiniteCorner) {
    const float fInf = std::numeric_limits<float>::infinity();
    vScriptCorners({fInf, 40, 40, 40, 40, 40, 40, 40});
    vMarchCube1(0.0f, 0.0f, 0.0f, 1.0f);
    // Edge 0 runs from corner 0 (infinite) to 1; edges 3 and 8 end at 0.
    const std::vector<Point> asVertex = asRecordedVertices();
    ASSERT_EQ(asVertex.size(), 3u);
    for (const Point& s : {Point{1, 0, 0}, Point{0, 1, 0}, Point{0, 0, 1}}) {
        EXPECT_NE(std::find(asVertex.begin(), asVertex.end(), s), asVertex.end())
            << s[0] << " " << s[1] << " " << s[2];
    }
}

// Corners 0 and 6 low (case 65, triangles 0 8 3 and 5 10 6) in the cell at
// (0.35, 0.85, 0.1) with edge 0.3. The crossings below were worked out apart
// from the program, each float step rounded in turn: fraction times
// direction, plus the first corner, times the edge, plus the cell. On edges
// 3 and 6 the other order (corner placed first, scaled step added) gives
// other floats, so the order itself is pinned.
TEST_F(CubeTest, CrossingsAndNormalSamplesFollowEdgeOrderBitForBit) {
    const float afCell[3] = {0.35f, 0.85f, 0.1f};
    const float fScale = 0.3f;
    const float afValue[8] = {41, 55, 57, 59, 53, 61, 43, 52};
    vScriptCell(afCell[0], afCell[1], afCell[2], fScale, afValue);
    vMarchCube1(afCell[0], afCell[1], afCell[2], fScale);
    const std::vector<SampleCall> asLog = asSampleLog;
    const std::vector<Point> asVertex = asRecordedVertices();

    struct Crossing {
        int iEdge;
        std::uint32_t aiBits[3];
    };
    // In the order of the table row.
    const Crossing asCrossing[] = {
        {0, {0x3F000000u, 0x3F59999Au, 0x3DCCCCCDu}},   // 0.5 0.85 0.1
        {8, {0x3EB33333u, 0x3F59999Au, 0x3E8CCCCDu}},   // 0.35 0.85 0.275
        {3, {0x3EB33333u, 0x3F777778u, 0x3DCCCCCDu}},   // 0.35 0.9666667 0.1
        {5, {0x3F266666u, 0x3F888889u, 0x3ECCCCCDu}},   // 0.65 1.0666667 0.4
        {10, {0x3F266666u, 0x3F933334u, 0x3E95F15Fu}},  // 0.65 1.1500001 0.29285714
        {6, {0x3EF77777u, 0x3F933334u, 0x3ECCCCCDu}},   // 0.48333332 1.1500001 0.4
    };
    ASSERT_EQ(asVertex.size(), 6u);
    for (std::size_t i = 0; i < 6; i++) {
        for (int iAxis = 0; iAxis < 3; iAxis++) {
            EXPECT_EQ(iFloatBits(float(asVertex[i][iAxis])), asCrossing[i].aiBits[iAxis])
                << "corner " << i << " (edge " << asCrossing[i].iEdge << ") axis " << iAxis;
        }
    }

    // After the eight corners, each crossed edge's normal takes its six
    // samples around that edge's crossing, in edge order (0, 3, 5, 6, 8, 10):
    // below and above on each axis in turn, the other two coordinates kept.
    std::size_t iNext = 8;
    for (const int iRowIndex : {0, 2, 3, 5, 1, 4}) {
        const Crossing& sCrossing = asCrossing[iRowIndex];
        float afCrossing[3];
        std::memcpy(afCrossing, sCrossing.aiBits, sizeof afCrossing);
        ASSERT_LE(iNext + 6, asLog.size());
        for (std::size_t k = 0; k < 6; k++, iNext++) {
            const float afAt[3] = {asLog[iNext].fX, asLog[iNext].fY, asLog[iNext].fZ};
            for (int iAxis = 0; iAxis < 3; iAxis++) {
                const bool bMoved = iAxis == int(k / 2);
                const bool bRight = !bMoved      ? afAt[iAxis] == afCrossing[iAxis]
                                    : k % 2 == 0 ? afAt[iAxis] < afCrossing[iAxis]
                                                 : afAt[iAxis] > afCrossing[iAxis];
                EXPECT_TRUE(bRight)
                    << "edge " << sCrossing.iEdge << " sample " << k << " axis " << iAxis;
            }
        }
    }
    EXPECT_EQ(iNext, asLog.size());
}

// All 256 cases at the origin, every crossing at its edge's midpoint: each
// emits exactly the triangles of its table row, corner by corner, after all of
// its samples, eight for the corners and six for each crossed edge's normal.
TEST_F(CubeTest, EveryCaseEmitsExactlyTheTrianglesOfItsTableRow) {
    std::size_t iAllCorners = 0;
    for (int iCase = 0; iCase < 256; iCase++) {
        SCOPED_TRACE(::testing::Message() << "case " << iCase);
        vStartOver();
        vScriptCorners(afCaseCorners(iCase));
        vMarchCube1(0.0f, 0.0f, 0.0f, 1.0f);

        EXPECT_EQ(asSampleLog.size(), 8u + 6u * std::size_t(iCrossedEdgeCount(iCase)));
        for (const SampleCall& sCall : asSampleLog) {
            EXPECT_EQ(sCall.iCallsBefore, 0u);
        }
        const std::size_t iCorners = iRowCorners(iCase);
        ASSERT_EQ(sRecorder.asCalls.size(), 3 * iCorners);
        for (std::size_t iCorner = 0; iCorner < iCorners; iCorner++) {
            SCOPED_TRACE(::testing::Message() << "corner " << iCorner);
            const int iEdge = a2iTriangleConnectionTable[iCase][iCorner];
            vExpectEmittedCorner(iCorner, sEdgeMidpoint(iEdge));
        }
        iAllCorners += iCorners;
    }
    EXPECT_EQ(iAllCorners, 3u * 820u);
}

TEST_F(CubeTest, FiveTriangleCaseEmitsFifteenCorners) {
    int iCase = 0;
    while (a2iTriangleConnectionTable[iCase][12] < 0) {
        iCase++;
    }
    vScriptCorners(afCaseCorners(iCase));
    vMarchCube1(0.0f, 0.0f, 0.0f, 1.0f);
    EXPECT_EQ(asRecordedVertices().size(), 15u);
    EXPECT_EQ(asCallsNamed("glColor3f").size(), 15u);
    EXPECT_EQ(asCallsNamed("glNormal3f").size(), 15u);
}
