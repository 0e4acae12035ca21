#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "field.h"
#include "float_ulp.h"
#include "orvane_test.h"

namespace {

using SetTimeTest = OrvaneTest;

// Each source's own coordinate at a time: half the float 1 + sin t, with the
// float sine, worked out apart from the program.
struct SourcesAt {
    float fTime;
    std::uint32_t iMovingBits;
};
const SourcesAt asSomeTimes[] = {
    {0.025f, 0x3F03331Du},      // 0.512498677
    {0.05f, 0x3F0665B8u},       // 0.524989605
    {0.3f, 0x3F25D39Bu},        // 0.647760093
    {1.0f, 0x3F6BB552u},        // 0.920735478
    {2.0f, 0x3F7463DCu},        // 0.954648733
    {3.0f, 0x3F121038u},        // 0.570559978
    {4.0f, 0x3DF908C4u},        // 0.12159875
    {5.5f, 0x3E16C36Cu},        // 0.14722985
    {-0.7f, 0x3E36291Au},       // 0.177891165
    {100.0f, 0x3E7CBDA4u},      // 0.246817172
    {12345.678f, 0x3E1769F0u},  // 0.147865057
};
const SourcesAt sAtSevenTenths = {0.7f, 0x3F5275BAu};  // 0.822108865

void vExpectSourcesAt(const SourcesAt& sAt) {
    SCOPED_TRACE(::testing::Message() << "time " << sAt.fTime);
    const std::uint32_t iHalf = iFloatBits(0.5f);
    const std::uint32_t aaiExpected[3][3] = {{sAt.iMovingBits, iHalf, iHalf},
                                             {iHalf, sAt.iMovingBits, iHalf},
                                             {iHalf, iHalf, sAt.iMovingBits}};
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(iFloatBits(sSourcePoint[i].fX), aaiExpected[i][0]) << "source " << i;
        EXPECT_EQ(iFloatBits(sSourcePoint[i].fY), aaiExpected[i][1]) << "source " << i;
        EXPECT_EQ(iFloatBits(sSourcePoint[i].fZ), aaiExpected[i][2]) << "source " << i;
    }
}

}  // namespace

TEST_F(SetTimeTest, MovesEachSourceAlongItsOwnAxisOnly) {
    for (const SourcesAt& sAt : asSomeTimes) {
        vSetTime(sAt.fTime);
        vExpectSourcesAt(sAt);
    }
    // A quarter turn puts each source on a face of the cube; three quarter
    // turns bring the moving coordinates to zero, not below.
    vSetTime(float(M_PI / 2));
    vExpectSourcesAt({float(M_PI / 2), iFloatBits(1.0f)});
    vSetTime(float(3 * M_PI / 2));
    vExpectSourcesAt({float(3 * M_PI / 2), iFloatBits(0.0f)});
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
    vExpectSourcesAt(sAtSevenTenths);

    // Sources left anywhere, by an earlier time or otherwise, are rewritten whole.
    vSetTime(2.0f);
    vSetTime(0.7f);
    vExpectSourcesAt(sAtSevenTenths);

    for (GLvector& sPoint : sSourcePoint) {
        sPoint = GLvector{7.0f, -3.0f, 11.0f};
    }
    vSetTime(0.7f);
    vExpectSourcesAt(sAtSevenTenths);
}
