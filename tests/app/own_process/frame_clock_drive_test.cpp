// The frame clock and the spin angles after a run of some eighteen million
// frames: the clock stops at 2^19, the sources with it, and angles of tens of
// millions of degrees still go to OpenGL and the frames still draw.
//
// Its own process: the clock and the angles are statics of the display
// callback that no test can reset, and after this run the sources never move
// again. Every frame of the process is drawn here, so the tests know exactly
// how many frames the statics have seen.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "app.h"
#include "field.h"
#include "frame_clock.h"
#include "gl_record.h"
#include "polygonize.h"

namespace {

const float fTwoToThe19 = 524288.0f;
const float fTwoToThe26 = 67108864.0f;
// More frames than the clock can take before it stops; only a fault would
// reach it.
const std::int64_t iFrameLimit = 40000000;
// One frame in this many is drawn over the start grid instead of none.
const std::int64_t iSampleEvery = 1 << 20;

struct DriveResult {
    std::int64_t iFramesToStop = 0;
    bool bClockRoseEveryFrame = true;
    int iSampledFrames = 0;
    std::size_t iSampledVertices = 0;
    std::size_t iSampledNonFinite = 0;
    bool bSampledWholeTriangles = true;
    bool bSampledInsideCube = true;
};

std::int64_t iFramesDrawn = 0;
DriveResult sDrive;

void vDrawFrame() {
    vDrawScene();
    iFramesDrawn++;
}

bool bBoxInsideUnitCube() {
    for (int iAxis = 0; iAxis < 3; iAxis++) {
        if (sRecorder.afVertexMin[iAxis] < -1e-6 || sRecorder.afVertexMax[iAxis] > 1.0 + 1e-6) {
            return false;
        }
    }
    return true;
}

// A frame over the start grid, counted: what it sent is added to the result.
void vDrawSampleFrame() {
    vSetDataSetSize(16);
    vResetRecorder();
    vDrawFrame();
    sDrive.iSampledFrames++;
    sDrive.iSampledVertices += sRecorder.iVertexCount;
    sDrive.iSampledNonFinite += sRecorder.iNonFiniteVertexCount;
    sDrive.bSampledWholeTriangles &= sRecorder.iVertexCount % 3 == 0;
    sDrive.bSampledInsideCube &= bBoxInsideUnitCube();
    iDataSetSize = 0;
}

// The grid is set to no cell at all, which the sweep takes as no call, so
// most frames cost only their own dozen OpenGL calls. The field time the
// frame hands to vSetTime shows its clock.
void vDriveClockToItsStop() {
    sRecorder.eMode = RecorderMode::Count;
    bSpin = true;
    bMove = true;
    iDataSetSize = 0;
    float fLast = fTime;
    while (iFramesDrawn < iFrameLimit) {
        if (iFramesDrawn % iSampleEvery == iSampleEvery - 1) {
            vDrawSampleFrame();
        } else {
            vDrawFrame();
        }
        if (fTime == fLast) {
            break;
        }
        sDrive.bClockRoseEveryFrame &= fTime > fLast;
        fLast = fTime;
    }
    // The frame that left the clock as it was is not part of the way there.
    sDrive.iFramesToStop = iFramesDrawn - 1;
    vSetDataSetSize(16);
}

class FrameClockDrive : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        vDriveClockToItsStop();
    }
};

// The frames it takes were counted apart from the program, in Python with
// numpy: from 0, the double sum of the float clock and 0.025 rounded to
// float32 at every step, until a step left the clock as it was.
TEST_F(FrameClockDrive, ClockStopsExactlyAtTwoToTheNineteen) {
    // Just below 2^19 a float is 1/32 from the next, and 0.025 rounds up to
    // that step; from 2^19 on the next float is 1/16 away, and 0.025 is less
    // than half of it.
    EXPECT_EQ(fNextFrameClock(fTwoToThe19 - 1.0f / 32), fTwoToThe19);
    EXPECT_EQ(fNextFrameClock(fTwoToThe19), fTwoToThe19);

    EXPECT_EQ(fTime, fTwoToThe19);
    EXPECT_EQ(sDrive.iFramesToStop, 18073720);
    EXPECT_TRUE(sDrive.bClockRoseEveryFrame);
    // orvane-mesh's --frame takes the clock from the same steps.
    EXPECT_EQ(fFrameClockAfter(18073719), fTwoToThe19 - 1.0f / 32);
    EXPECT_EQ(fFrameClockAfter(18073720), fTwoToThe19);
    EXPECT_EQ(fFrameClockAfter(iFrameLimit), fTwoToThe19);
}

TEST_F(FrameClockDrive, SourcesStayPutOnceTheClockHasStopped) {
    GLvector asStopped[3];
    vSetTime(fTwoToThe19);
    std::copy(sSourcePoint, sSourcePoint + 3, asStopped);

    bMove = true;
    iDataSetSize = 0;
    for (int iFrame = 0; iFrame < 1000; iFrame++) {
        vDrawFrame();
        ASSERT_EQ(fTime, fTwoToThe19);
        for (int iSource = 0; iSource < 3; iSource++) {
            ASSERT_EQ(sSourcePoint[iSource].fX, asStopped[iSource].fX);
            ASSERT_EQ(sSourcePoint[iSource].fY, asStopped[iSource].fY);
            ASSERT_EQ(sSourcePoint[iSource].fZ, asStopped[iSource].fZ);
        }
    }
    iDataSetSize = 16;
}

TEST_F(FrameClockDrive, FramesAlongTheWayDrewWholeFiniteTriangles) {
    EXPECT_GE(sDrive.iSampledFrames, 16);
    EXPECT_GT(sDrive.iSampledVertices, 0u);
    EXPECT_EQ(sDrive.iSampledNonFinite, 0u);
    EXPECT_TRUE(sDrive.bSampledWholeTriangles);
    EXPECT_TRUE(sDrive.bSampledInsideCube);
}

// Whole steps of 4 are exact up to 2^26, where the next float is 8 away: the
// step is then a tie that rounds to the even 2^26, and the pitch stops there.
// The yaw's steps of 2.5 are followed as the frame rounds them.
TEST_F(FrameClockDrive, AnglesOfMillionsOfDegreesStillDraw) {
    sRecorder.eMode = RecorderMode::Record;
    bSpin = true;
    vResetRecorder();
    vDrawFrame();
    const std::vector<RecordedCall> asRotations = asCallsNamed("glRotatef");
    const std::vector<Point> asFirstFrame = asRecordedVertices();
    const std::vector<std::string> astrNames = astrCallNames();

    float fYaw = 0.0f;
    for (std::int64_t iFrame = 0; iFrame < iFramesDrawn; iFrame++) {
        fYaw += 2.5f;
    }
    ASSERT_EQ(asRotations.size(), 2u);
    EXPECT_EQ(asRotations[0].afArg[0], -double(fTwoToThe26));
    EXPECT_EQ(asRotations[1].afArg[0], double(fYaw));
    EXPECT_GT(fYaw, 1e7f);

    EXPECT_EQ(astrNames.front(), "glClear");
    EXPECT_EQ(astrNames.back(), "glutSwapBuffers");
    EXPECT_EQ(asCallsNamed("glBegin").size(), 1u);
    EXPECT_EQ(asCallsNamed("glEnd").size(), 1u);
    EXPECT_GT(asFirstFrame.size(), 0u);
    EXPECT_EQ(asFirstFrame.size() % 3, 0u);
    EXPECT_EQ(sRecorder.iNonFiniteVertexCount, 0u);
    EXPECT_TRUE(bBoxInsideUnitCube());

    // The sources have stopped, so a frame at another yaw draws the very same
    // surface.
    vResetRecorder();
    vDrawFrame();
    EXPECT_EQ(asRecordedVertices(), asFirstFrame);
    sRecorder.eMode = RecorderMode::Count;
}

}  // namespace
