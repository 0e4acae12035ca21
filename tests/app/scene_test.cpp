// One frame: its fixed steps, the sweep inside them, how the angles and the
// clock move from one frame to the next, and the clock's own step. The
// angles and the clock are statics that no test can reset, so every check
// here works from the values read before its own frames, and holds whatever
// earlier tests have drawn.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "app.h"
#include "field.h"
#include "float_ulp.h"
#include "frame_clock.h"
#include "orvane_test.h"
#include "polygonize.h"
#include "recorded_calls.h"

namespace {

struct Frame {
    std::vector<RecordedCall> asCalls;
    float fPitch = 0.0f;
    float fYaw = 0.0f;
    // The frame clock, as vSetTime stored it in the field time.
    float fClock = 0.0f;
    GLvector asSourcePoint[3] = {};
};

// Draws one recorded frame; the angles are read back from its two rotations.
Frame sDrawFrame() {
    vResetRecorder();
    vDrawScene();
    Frame sFrame;
    sFrame.asCalls = sRecorder.asCalls;
    const std::vector<RecordedCall> asRotations = asCallsNamed("glRotatef");
    EXPECT_EQ(asRotations.size(), 2u);
    if (asRotations.size() == 2) {
        sFrame.fPitch = -float(asRotations[0].afArg[0]);
        sFrame.fYaw = float(asRotations[1].afArg[0]);
    }
    sFrame.fClock = fTime;
    for (int i = 0; i < 3; i++) {
        sFrame.asSourcePoint[i] = sSourcePoint[i];
    }
    return sFrame;
}

float fNextPitch(float fPitch) {
    return float(double(fPitch) + 4.0);
}

float fNextYaw(float fYaw) {
    return float(double(fYaw) + 2.5);
}

// Steps 1 to 11 up to the glBegin, and the four calls after the glEnd.
std::vector<ExpectedCall> asExpectedOpening(float fPitch, float fYaw) {
    return {
        {"glClear", {GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT}},
        {"glPushMatrix", {}},
        {"glTranslatef", {0.0, 0.0, -1.0}},
        {"glRotatef", {-double(fPitch), 1.0, 0.0, 0.0}},
        {"glRotatef", {double(fYaw), 0.0, 0.0, 1.0}},
        {"glPushAttrib", {GL_LIGHTING_BIT}},
        {"glDisable", {GL_LIGHTING}},
        {"glColor3f", {1.0, 1.0, 1.0}},
        {"glutWireCube", {1.0}},
        {"glPopAttrib", {}},
        {"glPushMatrix", {}},
        {"glTranslatef", {-0.5, -0.5, -0.5}},
        {"glBegin", {GL_TRIANGLES}},
    };
}

const std::vector<ExpectedCall> asExpectedClosing = {
    {"glEnd", {}},
    {"glPopMatrix", {}},
    {"glPopMatrix", {}},
    {"glutSwapBuffers", {}},
};

// A grid of two cells per axis keeps a recorded frame small. Wherever the
// clock has put the point sources, the field is at least 12 at the middle
// corner and at most 6 at the cube's corners, so at the iso value 10 the
// surface crosses every cell.
class SceneTest : public OrvaneTest {
protected:
    SceneTest() {
        iDataSetSize = 2;
        fStepSize = 0.5f;
        fSample = fSample1;
        fTargetValue = 10.0f;
    }
};

}  // namespace

TEST_F(SceneTest, DrawsTheFixedStepsAroundOneSweepInOrder) {
    // Lighting and polygon mode are the keyboard's; the frame is the same
    // whatever they are.
    for (const bool bLightOn : {true, false}) {
        bLight = bLightOn;
        ePolygonMode = bLightOn ? GL_FILL : GL_LINE;
        const Frame sPrevious = sDrawFrame();
        const Frame sFrame = sDrawFrame();

        const std::vector<ExpectedCall> asOpening =
            asExpectedOpening(fNextPitch(sPrevious.fPitch), fNextYaw(sPrevious.fYaw));
        const std::size_t iFixed = asOpening.size() + asExpectedClosing.size();
        ASSERT_GE(sFrame.asCalls.size(), iFixed);
        const auto itBlockBegin = sFrame.asCalls.begin() + asOpening.size();
        const auto itBlockEnd = sFrame.asCalls.end() - asExpectedClosing.size();
        EXPECT_TRUE(
            bCallsAre(std::vector<RecordedCall>(sFrame.asCalls.begin(), itBlockBegin), asOpening));
        EXPECT_TRUE(bCallsAre(std::vector<RecordedCall>(itBlockEnd, sFrame.asCalls.end()),
                              asExpectedClosing));

        // The block holds exactly what the sweep sends for this frame's field.
        const std::vector<RecordedCall> asBlock(itBlockBegin, itBlockEnd);
        vResetRecorder();
        vMarchingCubes();
        EXPECT_TRUE(bSameCallsAs(asBlock, sRecorder.asCalls));
        EXPECT_GT(asCallsNamed("glVertex3f").size(), 0u);
    }
}

TEST_F(SceneTest, AnglesStepByFourAndTwoAndAHalfAndClockByOneRoundedStep) {
    Frame sPrevious = sDrawFrame();
    for (int iFrame = 0; iFrame < 8; iFrame++) {
        const Frame sFrame = sDrawFrame();
        EXPECT_EQ(sFrame.fPitch, fNextPitch(sPrevious.fPitch));
        EXPECT_EQ(sFrame.fYaw, fNextYaw(sPrevious.fYaw));
        EXPECT_EQ(sFrame.fClock, fNextFrameClock(sPrevious.fClock));
        sPrevious = sFrame;
    }
    // The pitch is turned in the negative sense, the yaw in the positive;
    // both have stepped together (or not at all) from 0, and stay exact
    // floats for as many frames as any test run draws.
    EXPECT_GT(sPrevious.fPitch, 0.0f);
    EXPECT_GT(sPrevious.fYaw, 0.0f);
    const double fSteps = double(sPrevious.fPitch) / 4.0;
    EXPECT_EQ(fSteps, std::floor(fSteps));
    EXPECT_EQ(double(sPrevious.fYaw), 2.5 * fSteps);
}

TEST_F(SceneTest, WithSpinOffTheAnglesKeepTheirValuesAndResumeFromThem) {
    const Frame sBefore = sDrawFrame();
    bSpin = false;
    const Frame sStill1 = sDrawFrame();
    const Frame sStill2 = sDrawFrame();
    EXPECT_EQ(sStill1.fPitch, sBefore.fPitch);
    EXPECT_EQ(sStill1.fYaw, sBefore.fYaw);
    EXPECT_EQ(sStill2.fPitch, sBefore.fPitch);
    EXPECT_EQ(sStill2.fYaw, sBefore.fYaw);
    // The clock does not depend on the spin.
    EXPECT_EQ(sStill1.fClock, fNextFrameClock(sBefore.fClock));
    EXPECT_EQ(sStill2.fClock, fNextFrameClock(sStill1.fClock));

    bSpin = true;
    const Frame sResumed = sDrawFrame();
    EXPECT_EQ(sResumed.fPitch, fNextPitch(sBefore.fPitch));
    EXPECT_EQ(sResumed.fYaw, fNextYaw(sBefore.fYaw));
}

TEST_F(SceneTest, WithMoveOffTheClockStaysButTheSourcesArePlacedEveryFrame) {
    const Frame sBefore = sDrawFrame();
    bMove = false;
    for (int iFrame = 0; iFrame < 3; iFrame++) {
        // Put the field somewhere else: only the frame's own call of vSetTime
        // can bring it back.
        fTime = -3.0f;
        for (GLvector& sPoint : sSourcePoint) {
            sPoint = GLvector{9.0f, 9.0f, 9.0f};
        }
        const Frame sStill = sDrawFrame();
        EXPECT_EQ(sStill.fClock, sBefore.fClock);
        for (int i = 0; i < 3; i++) {
            EXPECT_TRUE(bSameBits(sStill.asSourcePoint[i], sBefore.asSourcePoint[i])) << i;
        }
        // The spin does not depend on the motion.
        EXPECT_EQ(sStill.fPitch, float(double(sBefore.fPitch) + 4.0 * (iFrame + 1)));
    }

    bMove = true;
    const Frame sResumed = sDrawFrame();
    EXPECT_EQ(sResumed.fClock, fNextFrameClock(sBefore.fClock));
}

// Worked out apart from the program, in Python with numpy: each step the
// double sum rounded to float32. 1000 frames fall short of 25; and from
// 0x3C80002A the double step gives 0x3D26667B where adding the float 0.025f
// would give 0x3D26667C.
TEST(FrameClock, StepsByTheDoubleStepRoundedToFloat) {
    const std::pair<std::int64_t, std::uint32_t> asAfter[] = {
        {0, 0x00000000u}, {1, 0x3CCCCCCDu},  {2, 0x3D4CCCCDu},
        {3, 0x3D99999Au}, {10, 0x3E800001u}, {1000, 0x41C7FF83u},  // 24.9997616
    };
    for (const auto& sAfter : asAfter) {
        EXPECT_EQ(iFloatBits(fFrameClockAfter(sAfter.first)), sAfter.second)
            << sAfter.first << " frames";
    }
    float fFrom;
    const std::uint32_t iFromBits = 0x3C80002Au;
    std::memcpy(&fFrom, &iFromBits, sizeof fFrom);
    EXPECT_EQ(iFloatBits(fNextFrameClock(fFrom)), 0x3D26667Bu);
}

TEST_F(SceneTest, IdleOnlyAsksForARedisplay) {
    const SettingsSnapshot sBefore = sTakeSnapshot();
    vIdle();
    ASSERT_EQ(sRecorder.asCalls.size(), 1u);
    EXPECT_EQ(sRecorder.asCalls[0].strName, "glutPostRedisplay");
    EXPECT_TRUE(sRecorder.asCalls[0].afArg.empty());
    EXPECT_EQ(sTakeSnapshot(), sBefore);
}
