#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "field.h"
#include "field_state_fixture.h"
#include "float_ulp.h"

namespace {

using SetTimeTest = FieldStateTest;

// The swing factor 1 + sin t with the float sine, the sum rounded once to
// float; each source's own coordinate is half of it, rounded to float.
void vExpectSourcesAt(float fT) {
    const float fSwing = float(1.0 + double(std::sin(fT)));
    const float fMoving = float(0.5 * double(fSwing));
    SCOPED_TRACE(::testing::Message() << "time " << fT);

    EXPECT_EQ(sSourcePoint[0].fX, fMoving);
    EXPECT_EQ(sSourcePoint[0].fY, 0.5f);
    EXPECT_EQ(sSourcePoint[0].fZ, 0.5f);

    EXPECT_EQ(sSourcePoint[1].fX, 0.5f);
    EXPECT_EQ(sSourcePoint[1].fY, fMoving);
    EXPECT_EQ(sSourcePoint[1].fZ, 0.5f);

    EXPECT_EQ(sSourcePoint[2].fX, 0.5f);
    EXPECT_EQ(sSourcePoint[2].fY, 0.5f);
    EXPECT_EQ(sSourcePoint[2].fZ, fMoving);
}

const float afSomeTimes[] = {0.025f, 0.05f, 0.3f,  1.0f,   2.0f,      3.0f,
                             4.0f,   5.5f,  -0.7f, 100.0f, 12345.678f};

}  // namespace

TEST_F(SetTimeTest, MovesEachSourceAlongItsOwnAxisOnly) {
    for (float fT : afSomeTimes) {
        vSetTime(fT);
        vExpectSourcesAt(fT);
    }
}

TEST_F(SetTimeTest, AtTimeZeroAllSourcesSitAtTheCentre) {
    vSetTime(0.0f);
    for (const GLvector& sPoint : sSourcePoint) {
        EXPECT_EQ(sPoint.fX, 0.5f);
        EXPECT_EQ(sPoint.fY, 0.5f);
        EXPECT_EQ(sPoint.fZ, 0.5f);
    }
}

TEST_F(SetTimeTest, ATimeWhoseSwingRoundsToOneLeavesAllSourcesAtTheCentre) {
    // sin t is far below half an ulp of 1 here, so the float sum is exactly 1.
    vSetTime(1.0e-9f);
    for (const GLvector& sPoint : sSourcePoint) {
        EXPECT_EQ(sPoint.fX, 0.5f);
        EXPECT_EQ(sPoint.fY, 0.5f);
        EXPECT_EQ(sPoint.fZ, 0.5f);
    }
}

TEST_F(SetTimeTest, AQuarterTurnPutsEachSourceOnAFaceOfTheCube) {
    vSetTime(float(M_PI / 2));
    EXPECT_EQ(sSourcePoint[0].fX, 1.0f);
    EXPECT_EQ(sSourcePoint[1].fY, 1.0f);
    EXPECT_EQ(sSourcePoint[2].fZ, 1.0f);
    vExpectSourcesAt(float(M_PI / 2));
}

TEST_F(SetTimeTest, ThreeQuarterTurnsBringTheMovingCoordinatesToZero) {
    const float fT = float(3 * M_PI / 2);
    vSetTime(fT);
    EXPECT_NEAR(sSourcePoint[0].fX, 0.0f, 1.0e-6f);
    EXPECT_NEAR(sSourcePoint[1].fY, 0.0f, 1.0e-6f);
    EXPECT_NEAR(sSourcePoint[2].fZ, 0.0f, 1.0e-6f);
    EXPECT_GE(sSourcePoint[0].fX, 0.0f);
    vExpectSourcesAt(fT);
}

TEST_F(SetTimeTest, StoresTheFieldTimeExactlyAsGiven) {
    const float afTime[] = {0.025f,
                            -0.0f,
                            1.0e30f,
                            -12345.678f,
                            std::numeric_limits<float>::denorm_min(),
                            std::numeric_limits<float>::infinity(),
                            std::numeric_limits<float>::quiet_NaN()};
    for (float fT : afTime) {
        vSetTime(fT);
        EXPECT_EQ(iFloatBits(fTime), iFloatBits(fT)) << "time " << fT;
    }
}

TEST_F(SetTimeTest, EachCallStartsAgainFromTheCentre) {
    vSetTime(0.7f);
    vSetTime(0.7f);
    vExpectSourcesAt(0.7f);

    // Sources left anywhere, by an earlier time or otherwise, are rewritten whole.
    vSetTime(2.0f);
    vSetTime(0.7f);
    vExpectSourcesAt(0.7f);

    for (GLvector& sPoint : sSourcePoint) {
        sPoint = GLvector{7.0f, -3.0f, 11.0f};
    }
    vSetTime(0.7f);
    vExpectSourcesAt(0.7f);
}
