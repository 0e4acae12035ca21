#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "field.h"
#include "float_ulp.h"
#include "orvane_test.h"

namespace {

const float fInfinity = std::numeric_limits<float>::infinity();

using SampleTest = OrvaneTest;

// Points across the cube and a little beyond it, where the normal estimate
// samples, with a few coordinates that are not grid points.
std::vector<float> afCoordinates() {
    std::vector<float> afResult;
    for (int i = -1; i <= 17; i++) {
        afResult.push_back(float(i) * 0.0625f);
    }
    for (float f : {-0.01f, 0.0417f, 0.333f, 0.49f, 0.51f, 0.7071f, 0.99f, 1.01f}) {
        afResult.push_back(f);
    }
    return afResult;
}

const float afSomeTimes[] = {0.0f, 0.025f, 0.4f, 1.0f, float(M_PI / 2), 2.5f, 4.0f, 5.0f, -0.9f};

}  // namespace

// Both source fields at chosen times and points, bit for bit. The values were
// worked out apart from the program: each difference and sum in double, from
// the float source coordinates, rounded to float once at the end. The last
// five points are ones where a difference taken in float would round.
TEST_F(SampleTest, SourceFieldsMatchTheirDoubleSumsBitForBit) {
    struct Expected {
        float fTime, fX, fY, fZ;
        std::uint32_t iPointBits, iLineBits;
    };
    const Expected asExpected[] = {
        {0.025f, 0.25f, 0.75f, 0.1f, 0x41262215u, 0x41379589u},       // 10.3833208, 11.4740076
        {1.0f, 0.0625f, 0.5f, 0.9375f, 0x412267A8u, 0x455E8BBFu},     // 10.1503067, 3560.73413
        {4.0f, 1.0f, 0.0f, 0.5f, 0x40D32474u, 0x40C10C49u},           // 6.59819984, 6.03274965
        {2.5f, 0.333f, 0.49f, 0.7071f, 0x42443394u, 0x43015297u},     // 49.0503693, 129.322617
        {-0.9f, 0.51f, 0.99f, -0.01f, 0x40F3DA90u, 0x4101036Fu},      // 7.62042999, 8.06333828
        {0.025f, -0.01f, 0.25f, 0.75f, 0x40F89542u, 0x414399FCu},     // 7.76821995, 12.2250938
        {0.025f, 0.115f, 0.0417f, 0.333f, 0x40F3C8E7u, 0x411BEB59u},  // 7.61827421, 9.74495792
        {0.025f, 0.24f, 0.0417f, 0.333f, 0x4119880Eu, 0x415BDA98u},   // 9.59571648, 13.7408676
        {0.4f, 0.1975f, 0.25f, 0.75f, 0x415BC80Au, 0x41ADE7D2u},      // 13.7363377, 21.7381935
        {2.5f, 0.1775f, 0.25f, 0.75f, 0x413FE27Fu, 0x41A829B4u},      // 11.9927969, 21.0203629
    };
    for (const Expected& s : asExpected) {
        vSetTime(s.fTime);
        EXPECT_EQ(iFloatBits(fSample1(s.fX, s.fY, s.fZ)), s.iPointBits)
            << "points, time " << s.fTime << " at " << s.fX << " " << s.fY << " " << s.fZ;
        EXPECT_EQ(iFloatBits(fSample2(s.fX, s.fY, s.fZ)), s.iLineBits)
            << "lines, time " << s.fTime << " at " << s.fX << " " << s.fY << " " << s.fZ;
    }
}

TEST_F(SampleTest, PointSourcesAtTheCentreGiveThreeOverSquaredDistance) {
    vSetTime(0.0f);
    EXPECT_EQ(fSample1(0.5f, 0.5f, 0.5f), fInfinity);
    const float afPoint[][3] = {{0.75f, 0.5f, 0.5f}, {0.0f, 0.0f, 0.0f}, {0.3f, 0.9f, 0.1f}};
    for (const auto& afP : afPoint) {
        const double fD =
            std::pow(afP[0] - 0.5, 2) + std::pow(afP[1] - 0.5, 2) + std::pow(afP[2] - 0.5, 2);
        EXPECT_LE(iUlpDistance(fSample1(afP[0], afP[1], afP[2]), float(3.0 / fD)), 1)
            << afP[0] << " " << afP[1] << " " << afP[2];
    }
    EXPECT_EQ(fSample1(0.75f, 0.5f, 0.5f), 48.0f);
}

TEST_F(SampleTest, PointSourcesAreInfiniteOnEachSourcePoint) {
    vSetTime(float(M_PI / 2));
    EXPECT_EQ(fSample1(1.0f, 0.5f, 0.5f), fInfinity);
    EXPECT_EQ(fSample1(0.5f, 1.0f, 0.5f), fInfinity);
    EXPECT_EQ(fSample1(0.5f, 0.5f, 1.0f), fInfinity);

    vSetTime(1.0f);
    for (const GLvector& sPoint : sSourcePoint) {
        EXPECT_EQ(fSample1(sPoint.fX, sPoint.fY, sPoint.fZ), fInfinity);
    }
}

TEST_F(SampleTest, LineSourcesAreInfiniteAlongTheFixedLineAtEveryTime) {
    for (float fT : afSomeTimes) {
        vSetTime(fT);
        for (float fY : afCoordinates()) {
            EXPECT_EQ(fSample2(0.5f, fY, 0.5f), fInfinity) << "time " << fT << " y " << fY;
        }
    }
}

TEST_F(SampleTest, LineSourcesOneCellFromTheFixedLineAreAtLeast192) {
    for (float fT : afSomeTimes) {
        vSetTime(fT);
        for (int iY = 0; iY <= 16; iY++) {
            const float fY = float(iY) * 0.0625f;
            EXPECT_GE(fSample2(0.4375f, fY, 0.5f), 192.0f);
            EXPECT_GE(fSample2(0.5625f, fY, 0.5f), 192.0f);
            EXPECT_GE(fSample2(0.5f, fY, 0.4375f), 192.0f);
            EXPECT_GE(fSample2(0.5f, fY, 0.5625f), 192.0f);
        }
    }
}

TEST_F(SampleTest, LineSourcesAreInfiniteOnTheMovingLines) {
    vSetTime(float(M_PI / 2));
    // Line 0 through (1, 0.5) along z, line 2 through (0.5, 1) along x.
    EXPECT_EQ(fSample2(1.0f, 0.5f, 0.1f), fInfinity);
    EXPECT_EQ(fSample2(0.2f, 0.5f, 1.0f), fInfinity);
    EXPECT_LT(fSample2(0.5f, 0.5f, 0.1f), fInfinity);
}

// The ripple at chosen times and points, worked out apart from the program
// with the angle and the height rounded to float and the float sine and
// cosine taken as correctly rounded. A library's float sine or cosine may be
// an ulp off, so two ulps are allowed; the last six points are ones where
// an angle kept in double moves the value by ten ulps or far more.
TEST_F(SampleTest, RippleStaysWithinTwoUlpsOfWorkedOutValues) {
    struct Expected {
        float fTime, fX, fY, fZ;
        std::uint32_t iBits;
    };
    const Expected asExpected[] = {
        {0.5f, 0.25f, 0.75f, 0.5f, 0x42304E47u},            // 44.0764427
        {0.025f, 0.3125f, 0.9375f, 0.0f, 0x42881D15u},      // 68.0568008
        {3.0f, -0.0625f, 0.0625f, 0.9375f, 0x41CD09E8u},    // 25.629837
        {17.0f, 0.6875f, 1.0f, 0.0625f, 0x428A5594u},       // 69.1671448
        {1000.0f, 0.1875f, 1.0f, 0.0625f, 0x42981E2Du},     // 76.0589371
        {1000.0f, 0.75f, 0.875f, 0.9375f, 0x41B189DAu},     // 22.1923103
        {12345.0f, 0.0625f, 0.625f, 0.0625f, 0x42898CA9u},  // 68.7747269
        {12345.0f, 0.625f, 0.1875f, 0.0625f, 0x428B307Eu},  // 69.5947113
    };
    for (const Expected& s : asExpected) {
        vSetTime(s.fTime);
        float fWanted;
        std::memcpy(&fWanted, &s.iBits, sizeof fWanted);
        EXPECT_LE(iUlpDistance(fSample3(s.fX, s.fY, s.fZ), fWanted), 2)
            << "time " << s.fTime << " at " << s.fX << " " << s.fY << " " << s.fZ;
    }
}

TEST_F(SampleTest, RippleOnTheAxisAtTimeZeroFallsFrom80) {
    vSetTime(0.0f);
    // r = 0 and the angle is 0, so the height is the float nearest 1.6,
    // 1.60000002384...; worked out apart from the program, 50 times its
    // height above z = 1 is 30.0000011920..., whose nearest float is
    // 0x41F00001, one float above 30.
    EXPECT_EQ(fSample3(0.5f, 0.5f, 0.0f), 80.0f);
    EXPECT_EQ(iFloatBits(fSample3(0.5f, 0.5f, 1.0f)), 0x41F00001u);
}

TEST_F(SampleTest, RippleMovesWithTheFieldTime) {
    vSetTime(0.0f);
    const float fAtZero = fSample3(0.5f, 0.5f, 0.25f);
    vSetTime(0.5f);
    const float fAtHalf = fSample3(0.5f, 0.5f, 0.25f);
    EXPECT_NE(fAtZero, fAtHalf);

    // The time is added to the distance from the axis before the angle is
    // formed: a point 0.25 out at time 0.25 stands where the axis is at 0.5.
    vSetTime(0.25f);
    EXPECT_EQ(fSample3(0.75f, 0.5f, 0.25f), fAtHalf);
    EXPECT_EQ(fSample3(0.5f, 0.25f, 0.25f), fAtHalf);
}
