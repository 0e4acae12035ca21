#include <gtest/gtest.h>

#include <bitset>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "field.h"
#include "float_ulp.h"
#include "gl_record.h"
#include "polygonize.h"
#include "polygonize_fixture.h"
#include "triangle_count.h"

namespace {

const float fNaN = std::numeric_limits<float>::quiet_NaN();

// The cube corners of each tetrahedron, as the polygonizer is meant to cut a
// cell.
const int a2iExpectedTetrahedron[6][4] = {
    {0, 5, 1, 6}, {0, 1, 2, 6}, {0, 2, 3, 6}, {0, 3, 7, 6}, {0, 7, 4, 6}, {0, 4, 5, 6},
};
// An edge between the values 0 and 100, about the iso value 48, worked out
// apart from the program. Run from the 0, the fraction is the float nearest
// 0.48 (0x3EF5C28F), and a crossing from a vertex at the origin lies at that
// fraction of the other vertex's coordinates. Run from the 100, the fraction
// is the float nearest 0.52 (0x3F051EB8) and the first vertex's weight
// 1 - 0.52f, exactly 0x3EF5C290, one float above 0.48f; the two weights sum
// to exactly 1.
const float fNear048 = 0.48f;
const float fNear052 = 0.52f;
const float fOneLess052 = 0.480000019073486328125f;

GLvector sFloatBits(const std::uint32_t aiBits[3]) {
    GLvector s;
    std::memcpy(&s.fX, &aiBits[0], sizeof s.fX);
    std::memcpy(&s.fY, &aiBits[1], sizeof s.fY);
    std::memcpy(&s.fZ, &aiBits[2], sizeof s.fZ);
    return s;
}

class TetrahedronPolygonizer : public ScriptedFieldTest {};

}  // namespace

// Tetrahedron 1 of the unit cell at the origin with values 0, 100, 100, 100.
TEST_F(TetrahedronPolygonizer, SingleLowVertexGivesTheTriangleAroundIt) {
    GLvector asPosition[4] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {1, 1, 1}};
    float afValue[4] = {0.0f, 100.0f, 100.0f, 100.0f};
    vMarchTetrahedron(asPosition, afValue);

    const std::vector<EmittedCorner> asCorners = asEmittedCorners();
    ASSERT_EQ(asCorners.size(), 3u);
    // Edges 0 and 3 run from vertex 0, edge 2 toward it.
    vExpectSamePoint(asCorners[0].sVertex, {fNear048, 0.0f, 0.0f});
    vExpectSamePoint(asCorners[1].sVertex, {fNear048, fNear048, fNear048});
    vExpectSamePoint(asCorners[2].sVertex, {fOneLess052, fOneLess052, 0.0f});
    for (const EmittedCorner& sCorner : asCorners) {
        for (float fComponent : {sCorner.sVertex.fX, sCorner.sVertex.fY, sCorner.sVertex.fZ}) {
            if (fComponent != 0.0f) {
                EXPECT_NEAR(fComponent, 0.48, 1e-7);
            }
        }
    }

    // Facing vertex 0, which lies toward -x of the triangle.
    const GLvector& sA = asCorners[0].sVertex;
    const GLvector& sB = asCorners[1].sVertex;
    const GLvector& sC = asCorners[2].sVertex;
    const double afAB[3] = {double(sB.fX) - sA.fX, double(sB.fY) - sA.fY, double(sB.fZ) - sA.fZ};
    const double afAC[3] = {double(sC.fX) - sA.fX, double(sC.fY) - sA.fY, double(sC.fZ) - sA.fZ};
    const double fNormalX = afAB[1] * afAC[2] - afAB[2] * afAC[1];
    EXPECT_LT(fNormalX, -0.2);
}

TEST_F(TetrahedronPolygonizer, CornerEmissionIsColourNormalVertexFromTheCrossing) {
    GLvector asPosition[4] = {
        {0.2f, 0.1f, 0.3f}, {0.65f, 0.1f, 0.3f}, {0.65f, 0.5f, 0.3f}, {0.65f, 0.5f, 0.7f}};
    float afValue[4] = {10.0f, 70.0f, 90.0f, 60.0f};
    vMarchTetrahedron(asPosition, afValue);

    const std::vector<EmittedCorner> asCorners = asEmittedCorners();
    ASSERT_EQ(asCorners.size(), 3u);
    const std::vector<SampleCall> asNormalSamples = asSampleLog;
    // Case 1: crossings on edges 0, 2 and 3, emitted as 0, 3, 2. Worked out
    // apart from the program: the fraction rounded once to float, its float
    // complement, each product and the sum rounded to float. On edge 0 (x)
    // and edge 3 (z) the form first + (second - first) * t gives other floats.
    const std::uint32_t aaiCrossingBits[3][3] = {
        {0x3EF851EAu, 0x3DCCCCCDu, 0x3E99999Au},  // edge 0: 0.48499995 0.1 0.3
        {0x3F0AC083u, 0x3ECED916u, 0x3F1A9FBFu},  // edge 3: 0.542 0.40399998 0.60400003
        {0x3ED3D70Au, 0x3E947AE2u, 0x3E99999Au},  // edge 2: 0.41374999 0.29000002 0.3
    };
    GLvector asCrossing[3];
    for (int j = 0; j < 3; j++) {
        SCOPED_TRACE(j);
        EXPECT_EQ(iFloatBits(asCorners[j].sVertex.fX), aaiCrossingBits[j][0]);
        EXPECT_EQ(iFloatBits(asCorners[j].sVertex.fY), aaiCrossingBits[j][1]);
        EXPECT_EQ(iFloatBits(asCorners[j].sVertex.fZ), aaiCrossingBits[j][2]);
        asCrossing[j] = asCorners[j].sVertex;

        GLvector sNormal, sColor;
        vGetNormal(sNormal, asCrossing[j].fX, asCrossing[j].fY, asCrossing[j].fZ);
        vGetColor(sColor, asCrossing[j], sNormal);
        vExpectSamePoint(asCorners[j].sNormal, sNormal);
        vExpectSamePoint(asCorners[j].sColor, sColor);
    }

    // One normal per crossed edge, in edge order, all before the first
    // OpenGL call: six samples centred on crossings 0, 2 and 3 in turn.
    ASSERT_EQ(asNormalSamples.size(), 18u);
    const int aiComputedEdge[3] = {0, 2, 3};
    const GLvector asInEdgeOrder[3] = {asCrossing[0], asCrossing[2], asCrossing[1]};
    for (int g = 0; g < 3; g++) {
        const GLvector& sCrossing = asInEdgeOrder[g];
        EXPECT_EQ(asNormalSamples[6 * g].fY, sCrossing.fY) << "edge " << aiComputedEdge[g];
        EXPECT_EQ(asNormalSamples[6 * g].fZ, sCrossing.fZ) << "edge " << aiComputedEdge[g];
        EXPECT_EQ(asNormalSamples[6 * g + 2].fX, sCrossing.fX) << "edge " << aiComputedEdge[g];
    }
    for (const SampleCall& sCall : asNormalSamples) {
        EXPECT_EQ(sCall.iCallsBefore, 0u);
    }
}

TEST_F(TetrahedronPolygonizer, ValueAtTheIsoValueCountsAsLowAndPinsTheCrossing) {
    GLvector asPosition[4] = {
        {0.3f, 0.7f, 0.1f}, {0.9f, 0.2f, 0.4f}, {0.5f, 0.6f, 0.8f}, {0.1f, 0.3f, 0.9f}};
    // Vertex 0 alone at the iso value (case 1): every crossing sits on it.
    float afFirst[4] = {48.0f, 100.0f, 70.0f, 55.0f};
    vMarchTetrahedron(asPosition, afFirst);
    std::vector<EmittedCorner> asCorners = asEmittedCorners();
    ASSERT_EQ(asCorners.size(), 3u);
    for (const EmittedCorner& sCorner : asCorners) {
        vExpectSamePoint(sCorner.sVertex, asPosition[0]);
    }

    // Vertex 1 alone (case 2): edge 0 ends on it (t = 1), edges 1 and 4
    // start from it (t = 0).
    vResetRecorder();
    float afSecond[4] = {100.0f, 48.0f, 70.0f, 55.0f};
    vMarchTetrahedron(asPosition, afSecond);
    asCorners = asEmittedCorners();
    ASSERT_EQ(asCorners.size(), 3u);
    for (const EmittedCorner& sCorner : asCorners) {
        vExpectSamePoint(sCorner.sVertex, asPosition[1]);
    }

    // Just above the iso value is high.
    vResetRecorder();
    asSampleLog.clear();
    const float fJustAbove = std::nextafter(48.0f, 100.0f);
    float afAbove[4] = {fJustAbove, fJustAbove, fJustAbove, fJustAbove};
    vMarchTetrahedron(asPosition, afAbove);
    EXPECT_TRUE(sRecorder.asCalls.empty());
    EXPECT_TRUE(asSampleLog.empty());
}

TEST_F(TetrahedronPolygonizer, NaNValueCountsAsHigh) {
    GLvector asPosition[4] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {1, 1, 1}};
    // Low vertex 3 with a NaN at vertex 0: case 8, one triangle. Were the NaN
    // low it would be case 9 with two.
    float afValue[4] = {fNaN, 100.0f, 100.0f, 0.0f};
    vMarchTetrahedron(asPosition, afValue);
    const std::vector<EmittedCorner> asCorners = asEmittedCorners();
    ASSERT_EQ(asCorners.size(), 3u);
    // Edges 4 and 5 do not touch the NaN and are placed as usual, from the
    // 100 toward the 0.
    vExpectSamePoint(asCorners[1].sVertex, {1.0f, fNear052, fNear052});
    vExpectSamePoint(asCorners[2].sVertex, {1.0f, 1.0f, fNear052});

    // NaN and high elsewhere: nothing at all.
    vResetRecorder();
    asSampleLog.clear();
    float afHigh[4] = {fNaN, 100.0f, fNaN, 60.0f};
    vMarchTetrahedron(asPosition, afHigh);
    EXPECT_TRUE(sRecorder.asCalls.empty());
    EXPECT_TRUE(asSampleLog.empty());
}

// Values mirrored about the iso value give the same crossings, so the two
// complementary cases must give the same triangles in reverse. The crossings
// of case 3 were worked out apart from the program, from the documented
// steps: the fraction rounded once to float, its complement in float, each
// product and the sum rounded to float.
TEST_F(TetrahedronPolygonizer, TwoAgainstTwoEmitsTheStatedEdgesInOrder) {
    GLvector asPosition[4] = {
        {0.25f, 0.5f, 0.125f}, {0.75f, 0.5f, 0.125f}, {0.75f, 1.0f, 0.125f}, {0.75f, 1.0f, 0.625f}};
    float afCase3[4] = {10.0f, 30.0f, 90.0f, 70.0f};
    float afCase12[4] = {86.0f, 66.0f, 6.0f, 26.0f};
    // Case 3 emits edges 1, 4, 2 then 2, 4, 3.
    const std::uint32_t a2iCase3Bits[6][3] = {
        {0x3F400000u, 0x3F266666u, 0x3E000000u},  // edge 1: 0.75 0.65 0.125
        {0x3F400000u, 0x3F39999Au, 0x3EB33333u},  // edge 4: 0.75 0.725 0.35
        {0x3EF9999Au, 0x3F3CCCCDu, 0x3E000000u},  // edge 2: 0.4875 0.7375 0.125
        {0x3EF9999Au, 0x3F3CCCCDu, 0x3E000000u},  // edge 2
        {0x3F400000u, 0x3F39999Au, 0x3EB33333u},  // edge 4
        {0x3F111111u, 0x3F511111u, 0x3EE22222u},  // edge 3: 0.56666666 0.81666666 0.44166666
    };

    vMarchTetrahedron(asPosition, afCase3);
    const std::vector<EmittedCorner> asCase3 = asEmittedCorners();
    ASSERT_EQ(asCase3.size(), 6u);
    for (std::size_t j = 0; j < 6; j++) {
        SCOPED_TRACE(::testing::Message() << "case 3 corner " << j);
        vExpectSamePoint(asCase3[j].sVertex, sFloatBits(a2iCase3Bits[j]));
    }

    // Case 12 emits edges 3, 4, 2 then 2, 4, 1.
    vResetRecorder();
    vMarchTetrahedron(asPosition, afCase12);
    const std::vector<EmittedCorner> asCase12 = asEmittedCorners();
    ASSERT_EQ(asCase12.size(), 6u);
    for (std::size_t j = 0; j < 6; j++) {
        SCOPED_TRACE(::testing::Message() << "case 12 corner " << j);
        vExpectSamePoint(asCase12[j].sVertex, sFloatBits(a2iCase3Bits[5 - j]));
    }
}

// The single-vertex case of tetrahedron 1 sits inside a cell whose corner 0
// alone is low: every tetrahedron then has that case, one triangle each.
TEST_F(TetrahedronPolygonizer, CellEmitsTheTetrahedraInOrder) {
    const float afCorner[8] = {0, 100, 100, 100, 100, 100, 100, 100};
    vScriptCell(0, 0, 0, 1, afCorner);
    vMarchCube2(0.0f, 0.0f, 0.0f, 1.0f);

    const std::vector<EmittedCorner> asCorners = asEmittedCorners();
    ASSERT_EQ(asCorners.size(), 18u);
    // Each triangle: from corner 0 toward vertex 1, toward corner 6, and from
    // vertex 2 toward corner 0.
    for (int i = 0; i < 6; i++) {
        SCOPED_TRACE(i);
        const float* afA = a2fCellCorner[a2iExpectedTetrahedron[i][1]];
        const float* afB = a2fCellCorner[a2iExpectedTetrahedron[i][2]];
        vExpectSamePoint(asCorners[3 * i].sVertex,
                         {afA[0] * fNear048, afA[1] * fNear048, afA[2] * fNear048});
        vExpectSamePoint(asCorners[3 * i + 1].sVertex, {fNear048, fNear048, fNear048});
        vExpectSamePoint(asCorners[3 * i + 2].sVertex,
                         {afB[0] * fOneLess052, afB[1] * fOneLess052, afB[2] * fOneLess052});
    }
}

TEST_F(TetrahedronPolygonizer, CellSamplesItsCornersWhereTheCubePolygonizerDoes) {
    const float fX = 0.3f, fY = 0.7f, fZ = 0.1f, fScale = float(1.0 / 23);
    const float afHigh[8] = {60, 61, 62, 63, 64, 65, 66, 67};
    vScriptCell(fX, fY, fZ, fScale, afHigh);

    vMarchCube1(fX, fY, fZ, fScale);
    const std::vector<SampleCall> asCubeLog = asSampleLog;
    asSampleLog.clear();
    vMarchCube2(fX, fY, fZ, fScale);

    ASSERT_EQ(asSampleLog.size(), 8u);
    ASSERT_EQ(asCubeLog.size(), 8u);
    // Where the cube polygonizer samples is pinned by its own test.
    for (int iCorner = 0; iCorner < 8; iCorner++) {
        SCOPED_TRACE(iCorner);
        vExpectSamePoint(
            {asSampleLog[iCorner].fX, asSampleLog[iCorner].fY, asSampleLog[iCorner].fZ},
            {asCubeLog[iCorner].fX, asCubeLog[iCorner].fY, asCubeLog[iCorner].fZ});
    }
    EXPECT_TRUE(sRecorder.asCalls.empty());
}

TEST_F(TetrahedronPolygonizer, UniformCellTakesEightSamplesAndEmitsNothing) {
    const float afLow[8] = {48, 0, 1, 2, 3, 4, 5, 48};
    const float afHigh[8] = {49,   100, 1e30f, std::numeric_limits<float>::infinity(),
                             fNaN, 50,  60,    70};
    for (const float* afValue : {afLow, afHigh}) {
        vStartOver();
        vScriptCell(0.5f, 0.25f, 0.125f, 0.0625f, afValue);
        vMarchCube2(0.5f, 0.25f, 0.125f, 0.0625f);
        EXPECT_EQ(asSampleLog.size(), 8u);
        EXPECT_TRUE(sRecorder.asCalls.empty());
    }
}

// Random cells, with values at, around and far from the iso value and some
// NaNs: the triangle and normal counts must follow from the tetrahedron
// cases, never above two triangles per tetrahedron or twelve per cell.
TEST_F(TetrahedronPolygonizer, RandomCellsEmitTheTrianglesOfTheirTetrahedra) {
    std::mt19937 sRandom(20240611u);
    std::uniform_real_distribution<float> sUnit(0.0f, 1.0f);
    std::uniform_real_distribution<float> sValue(0.0f, 100.0f);
    std::uniform_int_distribution<int> sKind(0, 9);
    std::size_t iMostTriangles = 0;
    for (int iCell = 0; iCell < 3000; iCell++) {
        const float fX = sUnit(sRandom), fY = sUnit(sRandom), fZ = sUnit(sRandom);
        const float fScale = 0.01f + 0.2f * sUnit(sRandom);
        float afValue[8];
        bool abLow[8];
        for (int c = 0; c < 8; c++) {
            const int iKind = sKind(sRandom);
            afValue[c] = iKind == 0 ? fNaN : iKind == 1 ? 48.0f : sValue(sRandom);
            abLow[c] = afValue[c] <= 48.0f;
        }
        std::size_t iTriangles = 0, iCrossings = 0;
        for (const auto& aiTetrahedron : a2iExpectedTetrahedron) {
            int iLowCount = 0;
            for (int iCorner : aiTetrahedron) {
                iLowCount += abLow[iCorner];
            }
            iTriangles += std::size_t(iTetrahedronTriangles(iLowCount));
            iCrossings += std::size_t(iLowCount * (4 - iLowCount));
        }

        vStartOver();
        vScriptCell(fX, fY, fZ, fScale, afValue);
        vMarchCube2(fX, fY, fZ, fScale);

        ASSERT_EQ(sRecorder.asCalls.size(), 9 * iTriangles) << "cell " << iCell;
        ASSERT_EQ(asSampleLog.size(), 8 + 6 * iCrossings) << "cell " << iCell;
        ASSERT_LE(iTriangles, 12u);
        iMostTriangles = std::max(iMostTriangles, iTriangles);
    }
    // The draws did reach cells with many triangles.
    EXPECT_GE(iMostTriangles, 10u);
}

TEST_F(TetrahedronPolygonizer, TetrahedronEmitsAtMostTwoTriangles) {
    GLvector asPosition[4] = {
        {0.1f, 0.2f, 0.3f}, {0.4f, 0.2f, 0.3f}, {0.4f, 0.5f, 0.3f}, {0.4f, 0.5f, 0.6f}};
    for (int iCase = 0; iCase < 16; iCase++) {
        float afValue[4];
        for (int v = 0; v < 4; v++) {
            afValue[v] = (iCase >> v) & 1 ? 20.0f + v : 80.0f - v;
        }
        vResetRecorder();
        vMarchTetrahedron(asPosition, afValue);
        const int iLowCount = int(std::bitset<4>(iCase).count());
        const std::size_t iTriangles = std::size_t(iTetrahedronTriangles(iLowCount));
        EXPECT_EQ(asEmittedCorners().size(), 3 * iTriangles) << "case " << iCase;
    }
}
