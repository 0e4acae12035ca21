// The corners a cube cell samples, and what it does with their values, pinned
// against a stand-in field that records every sample point.
#include <gtest/gtest.h>

#include <vector>

#include "cube_tables.h"
#include "field.h"
#include "gl_record.h"
#include "polygonize.h"

namespace {

std::vector<GLvector> asSampled;

// 40 at the origin, 56 everywhere else: only corner 0 of a cell at the origin
// lies at or below 48.
float fOriginLowField(float fX, float fY, float fZ) {
    asSampled.push_back(GLvector{fX, fY, fZ});
    return (fX == 0.0f && fY == 0.0f && fZ == 0.0f) ? 40.0f : 56.0f;
}

class CubeCorners : public ::testing::Test {
protected:
    void SetUp() override {
        fSampleSaved = fSample;
        fTargetValueSaved = fTargetValue;
        fSample = fOriginLowField;
        fTargetValue = 48.0f;
        asSampled.clear();
        vResetRecorder();
    }
    void TearDown() override {
        fSample = fSampleSaved;
        fTargetValue = fTargetValueSaved;
        vResetRecorder();
    }

private:
    SampleFunction* fSampleSaved = nullptr;
    float fTargetValueSaved = 0.0f;
};

}  // namespace

TEST_F(CubeCorners, SamplesTheEightCornersInTableOrderAtOffsetTimesScalePlusCell) {
    const float fX = 0.3f;
    const float fY = 0.7f;
    const float fZ = 0.1f;
    const float fScale = float(1.0 / 3.0);
    vMarchCube1(fX, fY, fZ, fScale);

    // No corner is at the origin, so the cell crosses nothing and these are
    // all its samples.
    ASSERT_EQ(asSampled.size(), 8u);
    const float afCell[3] = {fX, fY, fZ};
    for (int iCorner = 0; iCorner < 8; iCorner++) {
        const float afGot[3] = {asSampled[iCorner].fX, asSampled[iCorner].fY,
                                asSampled[iCorner].fZ};
        for (int iAxis = 0; iAxis < 3; iAxis++) {
            const float fExpected =
                float(double(afCell[iAxis]) + double(a2fVertexOffset[iCorner][iAxis]) * fScale);
            EXPECT_EQ(afGot[iAxis], fExpected) << "corner " << iCorner << " axis " << iAxis;
        }
    }
    EXPECT_TRUE(sRecorder.asCalls.empty());
}

TEST_F(CubeCorners, OneLowCornerGivesOneTriangleAcrossItsThreeEdges) {
    vMarchCube1(0.0f, 0.0f, 0.0f, 1.0f);

    // Eight corners, then six samples for each of the three crossed edges.
    EXPECT_EQ(asSampled.size(), 8u + 3u * 6u);
    const std::vector<RecordedCall> asVertices = asCallsNamed("glVertex3f");
    ASSERT_EQ(asVertices.size(), 3u);
    const double a2fExpected[3][3] = {{0.5, 0.0, 0.0}, {0.0, 0.0, 0.5}, {0.0, 0.5, 0.0}};
    for (int iVertex = 0; iVertex < 3; iVertex++) {
        ASSERT_EQ(asVertices[iVertex].afArg.size(), 3u);
        for (int iAxis = 0; iAxis < 3; iAxis++) {
            EXPECT_EQ(asVertices[iVertex].afArg[iAxis], a2fExpected[iVertex][iAxis])
                << "vertex " << iVertex << " axis " << iAxis;
        }
    }
}
