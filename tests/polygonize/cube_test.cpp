#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "field.h"
#include "gl_record.h"
#include "polygonize.h"

namespace {

const float a2fCorner[8][3] = {
    {0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1},
};

struct CubeSampleCall {
    float fX, fY, fZ;
    std::size_t iCallsBefore;
};
std::vector<CubeSampleCall> asCubeLog;
std::map<std::array<float, 3>, float> mapCubeValue;

// Listed points give listed values; any other point (the normal's samples)
// a smooth field with a varying gradient.
float fCubeScripted(float fX, float fY, float fZ) {
    asCubeLog.push_back({fX, fY, fZ, sRecorder.iCallCount});
    const auto it = mapCubeValue.find({fX, fY, fZ});
    if (it != mapCubeValue.end()) {
        return it->second;
    }
    return 30.0f + 40.0f * fX * fX + 25.0f * fY * fZ + 10.0f * fZ;
}

class CubeTest : public ::testing::Test {
protected:
    void SetUp() override {
        pSavedSample = fSample;
        fSavedTarget = fTargetValue;
        fSample = fCubeScripted;
        fTargetValue = 48.0f;
        asCubeLog.clear();
        mapCubeValue.clear();
        vResetRecorder();
    }
    void TearDown() override {
        fSample = pSavedSample;
        fTargetValue = fSavedTarget;
        vResetRecorder();
    }
    // Corner values of the cell at the origin with edge 1.
    void vScriptCorners(const std::array<float, 8>& afValue) {
        for (int i = 0; i < 8; i++) {
            mapCubeValue[{a2fCorner[i][0], a2fCorner[i][1], a2fCorner[i][2]}] = afValue[i];
        }
    }
    std::vector<std::array<float, 3>> asVertices() {
        std::vector<std::array<float, 3>> as;
        for (const RecordedCall& r : asCallsNamed("glVertex3f")) {
            as.push_back({float(r.afArg[0]), float(r.afArg[1]), float(r.afArg[2])});
        }
        return as;
    }
    SampleFunction* pSavedSample = nullptr;
    float fSavedTarget = 0.0f;
};

typedef std::array<float, 3> P;

}  // namespace

TEST_F(CubeTest, OneLowCornerEmitsOneTriangleAtEdgeMidpoints) {
    vScriptCorners({40, 56, 56, 56, 56, 56, 56, 56});
    vMarchCube1(0.0f, 0.0f, 0.0f, 1.0f);

    const std::vector<std::string> asExpected = {"glColor3f", "glNormal3f", "glVertex3f",
                                                 "glColor3f", "glNormal3f", "glVertex3f",
                                                 "glColor3f", "glNormal3f", "glVertex3f"};
    EXPECT_EQ(asCallNames(), asExpected);
    EXPECT_EQ(asVertices(), (std::vector<P>{{0.5f, 0, 0}, {0, 0, 0.5f}, {0, 0.5f, 0}}));

    // 8 corners, then 6 per crossed edge (0, 3, 8), all before any output.
    ASSERT_EQ(asCubeLog.size(), 8u + 6u * 3u);
    for (const CubeSampleCall& s : asCubeLog) {
        EXPECT_EQ(s.iCallsBefore, 0u);
    }

    const std::vector<RecordedCall> asNormal = asCallsNamed("glNormal3f");
    const std::vector<RecordedCall> asColor = asCallsNamed("glColor3f");
    const std::vector<P> asVertex = asVertices();
    for (std::size_t i = 0; i < 3; i++) {
        GLvector sNormal, sColor;
        vGetNormal(sNormal, asVertex[i][0], asVertex[i][1], asVertex[i][2]);
        const GLvector sPos = {asVertex[i][0], asVertex[i][1], asVertex[i][2]};
        vGetColor(sColor, sPos, sNormal);
        EXPECT_EQ(float(asNormal[i].afArg[0]), sNormal.fX);
        EXPECT_EQ(float(asNormal[i].afArg[1]), sNormal.fY);
        EXPECT_EQ(float(asNormal[i].afArg[2]), sNormal.fZ);
        EXPECT_EQ(float(asColor[i].afArg[0]), sColor.fX);
        EXPECT_EQ(float(asColor[i].afArg[1]), sColor.fY);
        EXPECT_EQ(float(asColor[i].afArg[2]), sColor.fZ);
    }
    EXPECT_TRUE(asCallsNamed("glBegin").empty());
    EXPECT_TRUE(asCallsNamed("glEnd").empty());
}

TEST_F(CubeTest, CornerAtIsoValueCountsAsLowAndGivesDegenerateTriangle) {
    vScriptCorners({48, 56, 56, 56, 56, 56, 56, 56});
    vMarchCube1(0.0f, 0.0f, 0.0f, 1.0f);
    EXPECT_EQ(asVertices(), (std::vector<P>{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}));
}

TEST_F(CubeTest, UniformCellSamplesOnlyCornersAndDrawsNothing) {
    for (float fValue : {40.0f, 56.0f}) {
        asCubeLog.clear();
        vResetRecorder();
        vScriptCorners({fValue, fValue, fValue, fValue, fValue, fValue, fValue, fValue});
        vMarchCube1(0.0f, 0.0f, 0.0f, 1.0f);
        EXPECT_EQ(asCubeLog.size(), 8u);
        EXPECT_EQ(sRecorder.iCallCount, 0u);
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
    EXPECT_EQ(asVertices().size(), 3u);
}

TEST_F(CubeTest, CornerSamplesAreCellPlusOffsetTimesScale) {
    const float fX = 0.3f, fY = -1.7f, fZ = 2.1f, fScale = 0.1f;
    vMarchCube1(fX, fY, fZ, fScale);
    ASSERT_GE(asCubeLog.size(), 8u);
    for (int i = 0; i < 8; i++) {
        EXPECT_EQ(asCubeLog[i].fX, fX + a2fCorner[i][0] * fScale) << i;
        EXPECT_EQ(asCubeLog[i].fY, fY + a2fCorner[i][1] * fScale) << i;
        EXPECT_EQ(asCubeLog[i].fZ, fZ + a2fCorner[i][2] * fScale) << i;
    }
}

TEST_F(CubeTest, FractionIsMeasuredFromTheEdgesFirstCorner) {
    // Corner 1 low: edges 0 (0 -> 1), 1 (1 -> 2) and 9 (1 -> 5) are crossed.
    vScriptCorners({56, 44, 56, 56, 56, 56, 56, 56});
    vMarchCube1(0.0f, 0.0f, 0.0f, 1.0f);
    const float fTwoThirds = float(8.0 / 12.0);
    const float fOneThird = float(4.0 / 12.0);
    const std::vector<P> asVertex = asVertices();
    ASSERT_EQ(asVertex.size(), 3u);
    const std::vector<P> asExpected = {{fTwoThirds, 0, 0}, {1, fOneThird, 0}, {1, 0, fOneThird}};
    for (const P& s : asExpected) {
        EXPECT_NE(std::find(asVertex.begin(), asVertex.end(), s), asVertex.end())
            << s[0] << " " << s[1] << " " << s[2];
    }
}

TEST_F(CubeTest, InfiniteFirstCornerPutsCrossingOnTheFiniteCorner) {
    const float fInf = std::numeric_limits<float>::infinity();
    vScriptCorners({fInf, 40, 40, 40, 40, 40, 40, 40});
    vMarchCube1(0.0f, 0.0f, 0.0f, 1.0f);
    // Edge 0 runs from corner 0 (infinite) to 1; edges 3 and 8 end at 0.
    const std::vector<P> asVertex = asVertices();
    ASSERT_EQ(asVertex.size(), 3u);
    for (const P& s : {P{1, 0, 0}, P{0, 1, 0}, P{0, 0, 1}}) {
        EXPECT_NE(std::find(asVertex.begin(), asVertex.end(), s), asVertex.end())
            << s[0] << " " << s[1] << " " << s[2];
    }
}

TEST_F(CubeTest, CrossingsAndNormalSamplesFollowEdgeOrderBitForBit) {
    const float fX = 0.3f, fY = -1.7f, fZ = 2.1f, fScale = 0.1f;
    const float afValue[8] = {41, 55, 57, 59, 53, 61, 43, 52};  // corners 0 and 6 low
    for (int i = 0; i < 8; i++) {
        mapCubeValue[{fX + a2fCorner[i][0] * fScale, fY + a2fCorner[i][1] * fScale,
                      fZ + a2fCorner[i][2] * fScale}] = afValue[i];
    }
    vMarchCube1(fX, fY, fZ, fScale);
    const std::vector<CubeSampleCall> asLog = asCubeLog;
    const std::vector<P> asVertex = asVertices();

    const int iCase = 1 | 64;
    const int a2iEdge[12][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {4, 5}, {5, 6},
                                {6, 7}, {7, 4}, {0, 4}, {1, 5}, {2, 6}, {3, 7}};
    const float afCell[3] = {fX, fY, fZ};
    P asCrossing[12];
    std::size_t iNext = 8;
    for (int iEdge = 0; iEdge < 12; iEdge++) {
        const int iA = a2iEdge[iEdge][0], iB = a2iEdge[iEdge][1];
        if ((((iCase >> iA) ^ (iCase >> iB)) & 1) == 0) {
            continue;
        }
        const float fFraction = fGetOffset(afValue[iA], afValue[iB], 48.0f);
        for (int i = 0; i < 3; i++) {
            const float fDir = a2fCorner[iB][i] - a2fCorner[iA][i];
            const float fStep = fFraction * fDir;
            const float fLocal = a2fCorner[iA][i] + fStep;
            const float fScaled = fLocal * fScale;
            asCrossing[iEdge][i] = fScaled + afCell[i];
        }
        // The normal's samples for this crossing come next in the log.
        asCubeLog.clear();
        GLvector sNormal;
        vGetNormal(sNormal, asCrossing[iEdge][0], asCrossing[iEdge][1], asCrossing[iEdge][2]);
        ASSERT_EQ(asCubeLog.size(), 6u);
        ASSERT_LE(iNext + 6, asLog.size());
        for (std::size_t k = 0; k < 6; k++, iNext++) {
            EXPECT_EQ(asLog[iNext].fX, asCubeLog[k].fX) << "edge " << iEdge;
            EXPECT_EQ(asLog[iNext].fY, asCubeLog[k].fY) << "edge " << iEdge;
            EXPECT_EQ(asLog[iNext].fZ, asCubeLog[k].fZ) << "edge " << iEdge;
        }
    }
    EXPECT_EQ(iNext, asLog.size());

    std::vector<P> asExpected;
    for (int i = 0; i < 15 && a2iTriangleConnectionTable[iCase][i] >= 0; i++) {
        asExpected.push_back(asCrossing[a2iTriangleConnectionTable[iCase][i]]);
    }
    EXPECT_EQ(asVertex, asExpected);
    EXPECT_EQ(asExpected.size(), 6u);
}

TEST_F(CubeTest, FiveTriangleCaseEmitsFifteenCorners) {
    int iCase = 0;
    while (a2iTriangleConnectionTable[iCase][12] < 0) {
        iCase++;
    }
    std::array<float, 8> afValue;
    for (int i = 0; i < 8; i++) {
        afValue[i] = ((iCase >> i) & 1) ? 40.0f : 56.0f;
    }
    vScriptCorners(afValue);
    vMarchCube1(0.0f, 0.0f, 0.0f, 1.0f);
    EXPECT_EQ(asVertices().size(), 15u);
    EXPECT_EQ(asCallsNamed("glColor3f").size(), 15u);
    EXPECT_EQ(asCallsNamed("glNormal3f").size(), 15u);
}
