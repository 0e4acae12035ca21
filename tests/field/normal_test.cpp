#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "field.h"
#include "float_ulp.h"
#include "orvane_test.h"

namespace {

const float fInfinity = std::numeric_limits<float>::infinity();
const float fNaN = std::numeric_limits<float>::quiet_NaN();

// A sample function that keeps every point it is asked for and answers from
// a script, one value per call.
std::vector<std::array<float, 3>> aafSampledPoint;
std::vector<float> afScriptedValue;

float fRecordingSample(float fX, float fY, float fZ) {
    const std::size_t iCall = aafSampledPoint.size();
    aafSampledPoint.push_back({fX, fY, fZ});
    return iCall < afScriptedValue.size() ? afScriptedValue[iCall] : 0.0f;
}

// The tests swap the sample slot and move the field; the fixture puts both
// back.
// (2, -3, 6) scaled to unit length, its z component times fZSign. The sum
// of squares, 49, is exact at any precision, so every rounding is fixed:
// worked out apart from the program, each component times the float nearest
// 1/7 (0x3E124925), rounded to float. For 3 and 6 that is one float above
// the float nearest 3/7 and 6/7 (0x3EDB6DB7, 0x3F5B6DB7), which dividing by
// 7 would give.
void vExpectSevenths(const GLvector& sUnit, float fZSign) {
    EXPECT_EQ(iFloatBits(sUnit.fX), 0x3E924925u);
    EXPECT_EQ(iFloatBits(sUnit.fY), 0xBEDB6DB8u);
    EXPECT_EQ(iFloatBits(sUnit.fZ), fZSign > 0 ? 0x3F5B6DB8u : 0xBF5B6DB8u);
}

class NormalTest : public OrvaneTest {
protected:
    NormalTest() {
        aafSampledPoint.clear();
        afScriptedValue.clear();
    }
};

}  // namespace

TEST_F(NormalTest, SamplesSixDisplacedPointsThroughTheSlotInOrder) {
    // Coordinates at which stepping by 0.01 in float arithmetic lands one
    // float away from stepping in double and rounding; the displaced
    // coordinates are the floats nearest x - 0.01 and x + 0.01, written out.
    const float fX = 0.0625f, fY = 0.044f, fZ = 0.052f;
    const float fXBelow = 0.05249999836087227f, fXAbove = 0.07249999791383743f;
    const float fYBelow = 0.03399999812245369f, fYAbove = 0.05400000140070915f;
    const float fZBelow = 0.041999999433755875f, fZAbove = 0.06200000271201134f;
    ASSERT_EQ(iFloatBits(fXBelow), 0x3D570A3Du);
    ASSERT_NE(fXBelow, fX - 0.01f);

    fSample = fRecordingSample;
    GLvector sNormal;
    vGetNormal(sNormal, fX, fY, fZ);

    const std::vector<std::array<float, 3>> aafWanted = {
        {fXBelow, fY, fZ}, {fXAbove, fY, fZ}, {fX, fYBelow, fZ},
        {fX, fYAbove, fZ}, {fX, fY, fZBelow}, {fX, fY, fZAbove},
    };
    ASSERT_EQ(aafSampledPoint.size(), aafWanted.size());
    for (std::size_t i = 0; i < aafWanted.size(); i++) {
        for (int iAxis = 0; iAxis < 3; iAxis++) {
            EXPECT_EQ(aafSampledPoint[i][iAxis], aafWanted[i][iAxis])
                << "sample " << i << " axis " << iAxis;
        }
    }
}

TEST_F(NormalTest, EachComponentIsTheLowerSampleMinusTheUpper) {
    // Differences (2, -3, -6): length 7 whatever the intermediate precision.
    afScriptedValue = {10.0f, 8.0f, 2.0f, 5.0f, 1.0f, 7.0f};
    fSample = fRecordingSample;
    GLvector sNormal;
    vGetNormal(sNormal, 0.5f, 0.5f, 0.5f);

    vExpectSevenths(sNormal, -1.0f);
}

TEST_F(NormalTest, FlatSpotGivesTheZeroNormal) {
    afScriptedValue = {4.0f, 4.0f, -1.0f, -1.0f, 0.0f, 0.0f};
    fSample = fRecordingSample;
    GLvector sNormal{9.0f, 9.0f, 9.0f};
    vGetNormal(sNormal, 0.2f, 0.4f, 0.6f);
    EXPECT_EQ(sNormal.fX, 0.0f);
    EXPECT_EQ(sNormal.fY, 0.0f);
    EXPECT_EQ(sNormal.fZ, 0.0f);
}

TEST_F(NormalTest, PointSourcesAtTheCentreGiveRedXAxisNormal) {
    vSetTime(0.0f);
    fSample = fSample1;
    GLvector sNormal;
    vGetNormal(sNormal, 0.75f, 0.5f, 0.5f);
    // 0.5 - 0.01 and 0.5 + 0.01 round to floats equally far from 0.5.
    EXPECT_EQ(sNormal.fY, 0.0f);
    EXPECT_EQ(sNormal.fZ, 0.0f);
    EXPECT_LE(iUlpDistance(sNormal.fX, 1.0f), 1);

    GLvector sColor;
    vGetColor(sColor, GLvector{0.75f, 0.5f, 0.5f}, sNormal);
    EXPECT_EQ(sColor.fX, sNormal.fX);
    EXPECT_EQ(sColor.fY, 0.0f);
    EXPECT_EQ(sColor.fZ, 0.0f);
}

TEST_F(NormalTest, PointSourceNormalsPointAwayFromTheCentre) {
    vSetTime(0.0f);
    fSample = fSample1;
    const float afPoint[][3] = {{0.2f, 0.5f, 0.5f}, {0.5f, 0.9f, 0.5f}, {0.5f, 0.5f, 0.1f},
                                {0.1f, 0.2f, 0.3f}, {0.8f, 0.3f, 0.7f}, {0.95f, 0.95f, 0.05f}};
    for (const auto& afP : afPoint) {
        GLvector sNormal;
        vGetNormal(sNormal, afP[0], afP[1], afP[2]);
        const double fDx = afP[0] - 0.5, fDy = afP[1] - 0.5, fDz = afP[2] - 0.5;
        const double fDistance = std::sqrt(fDx * fDx + fDy * fDy + fDz * fDz);
        const double fCosine = (sNormal.fX * fDx + sNormal.fY * fDy + sNormal.fZ * fDz) / fDistance;
        EXPECT_GT(fCosine, 0.999) << afP[0] << " " << afP[1] << " " << afP[2];
    }
}

TEST_F(NormalTest, RippleNormalsAlwaysPointUp) {
    fSample = fSample3;
    for (float fT : {0.0f, 0.3f, 1.0f, 7.5f}) {
        vSetTime(fT);
        for (int i = 0; i <= 8; i++) {
            for (int j = 0; j <= 8; j++) {
                for (int k = 0; k <= 4; k++) {
                    GLvector sNormal;
                    vGetNormal(sNormal, i / 8.0f, j / 8.0f, k / 4.0f);
                    EXPECT_GT(sNormal.fZ, 0.0f) << "time " << fT << " at " << i << j << k;
                    EXPECT_LE(std::fabs(std::hypot(sNormal.fX, sNormal.fY, sNormal.fZ) - 1.0),
                              1.0e-6);
                }
            }
        }
    }
}

namespace {

SampleFunction* pfWrapped = nullptr;

// The wrapped field, behind a function the program knows nothing of, so the
// normal samples it one point at a time.
float fPassThrough(float fX, float fY, float fZ) {
    return pfWrapped(fX, fY, fZ);
}

// The normal at each point through the field's shared differences and
// through the wrapped field, one point at a time, bit for bit.
void vExpectTheNormalOfOnePointAtATime(const std::vector<std::array<float, 3>>& aafPoint,
                                       const char* szWhen) {
    const auto iBits = [](const GLvector& s) {
        return std::array<std::uint32_t, 3>{iFloatBits(s.fX), iFloatBits(s.fY), iFloatBits(s.fZ)};
    };
    for (SampleFunction* pfField : {fSample1, fSample2, fSample3}) {
        for (const auto& afP : aafPoint) {
            GLvector sShared, sOneByOne;
            fSample = pfField;
            vGetNormal(sShared, afP[0], afP[1], afP[2]);
            pfWrapped = pfField;
            fSample = fPassThrough;
            vGetNormal(sOneByOne, afP[0], afP[1], afP[2]);
            EXPECT_EQ(iBits(sShared), iBits(sOneByOne))
                << "field "
                << (pfField == fSample1   ? 1
                    : pfField == fSample2 ? 2
                                          : 3)
                << ", " << szWhen << ", at " << afP[0] << " " << afP[1] << " " << afP[2];
        }
    }
}

}  // namespace

// The point and line sources share their coordinate differences among the
// six points, and the ripple its height between the two z neighbours; the
// normal must come out bit for bit as when it samples one point at a time.
// Around source points, on lines (where two of the six points give +infinity
// and the difference NaN), far away (where the ripple's angle overflows) and
// at NaN.
TEST_F(NormalTest, SharedEvaluationGivesTheNormalOfOnePointAtATime) {
    for (float fT : {0.0f, 1.0f, 4.0f}) {
        vSetTime(fT);
        std::vector<std::array<float, 3>> aafPoint = {
            {0.5f, 0.5f, 0.5f},     {0.0625f, 0.044f, 0.052f}, {1.0f, 0.0f, 1.0f},
            {-3.0e38f, 0.5f, 0.5f}, {7.5e5f, -1.0e19f, 0.25f}, {fNaN, 0.5f, 0.5f},
            {0.5f, fNaN, 0.5f},     {0.5f, 0.5f, fInfinity},
        };
        for (const GLvector& sSource : sSourcePoint) {
            aafPoint.push_back({sSource.fX, sSource.fY, sSource.fZ});
            aafPoint.push_back({sSource.fX, sSource.fY, 0.3f});
            aafPoint.push_back({sSource.fX, 0.3f, sSource.fZ});
            aafPoint.push_back({0.3f, sSource.fY, sSource.fZ});
            aafPoint.push_back({float(sSource.fX + 0.01), sSource.fY, sSource.fZ});
        }
        vExpectTheNormalOfOnePointAtATime(aafPoint, ("time " + std::to_string(fT)).c_str());
    }
}

// A point where a displaced coordinate left unrounded (a double one step
// from the float the normal samples) changes the lower z neighbour's value
// by one float step, and the unit normal in its last bits: what a build that
// drops the rounding gives.
TEST_F(NormalTest, RoundsEveryDisplacedCoordinateBeforeSamplingIt) {
    const float fPlaced = 0.5f * 1.02061856f;
    for (GLvector& sSource : sSourcePoint) {
        sSource = GLvector{0.5f, 0.5f, 0.5f};
    }
    sSourcePoint[0].fX = fPlaced;
    sSourcePoint[1].fY = fPlaced;
    sSourcePoint[2].fZ = fPlaced;
    const float fX = 0.285714298f, fY = 0.428571463f, fZ = 0.405072898f;

    fSample = fSample1;
    ASSERT_EQ(iFloatBits(fSample1(fX, fY, float(fZ - 0.01))), iFloatBits(46.5618553f));
    vExpectTheNormalOfOnePointAtATime({{fX, fY, fZ}}, "sources placed by hand");
}

TEST(NormalizeVector, MultipliesByTheRoundedReciprocalOfTheLength) {
    GLvector sResult;
    vNormalizeVector(sResult, GLvector{2.0f, -3.0f, 6.0f});
    vExpectSevenths(sResult, 1.0f);
}

TEST(NormalizeVector, SquaredLengthIsSummedInDoubleAndRoundedOnce) {
    // Twelve-bit components: the sum of their squares is exact in double, so
    // every rounding is fixed; summed in float it would round to the float
    // below (0x4028BF43 for 0x4028BF44) and every component move by an ulp.
    // Worked out apart from the program.
    GLvector sResult;
    vNormalizeVector(sResult, GLvector{3987.0f / 4096, 3686.0f / 4096, 3841.0f / 4096});
    EXPECT_EQ(iFloatBits(sResult.fX), 0x3F197604u);  // 0.599457
    EXPECT_EQ(iFloatBits(sResult.fY), 0x3F0DE01Bu);  // 0.5542008
    EXPECT_EQ(iFloatBits(sResult.fZ), 0x3F13D767u);  // 0.5775055
}

TEST(NormalizeVector, ResultMayBeTheSourceRecord) {
    GLvector sVector{2.0f, -3.0f, 6.0f};
    vNormalizeVector(sVector, sVector);
    vExpectSevenths(sVector, 1.0f);
}

TEST(NormalizeVector, StaysWithinOneUlpOfTheFloatRoundings) {
    const GLvector asSource[] = {{0.3f, -1.7f, 2.9f},       {1.0e-3f, 2.0e-3f, -7.0e-4f},
                                 {123.456f, 0.001f, -9.5f}, {0.1f, 0.1f, 0.1f},
                                 {-4.0e5f, 3.3e5f, 1.0f},   {1.0e-19f, 0.0f, 0.0f}};
    for (const GLvector& sSource : asSource) {
        const long double fSum = static_cast<long double>(sSource.fX) * sSource.fX +
                                 static_cast<long double>(sSource.fY) * sSource.fY +
                                 static_cast<long double>(sSource.fZ) * sSource.fZ;
        const float fReciprocal = 1.0f / std::sqrt(float(fSum));
        GLvector sResult;
        vNormalizeVector(sResult, sSource);
        EXPECT_LE(iUlpDistance(sResult.fX, sSource.fX * fReciprocal), 1) << sSource.fX;
        EXPECT_LE(iUlpDistance(sResult.fY, sSource.fY * fReciprocal), 1) << sSource.fY;
        EXPECT_LE(iUlpDistance(sResult.fZ, sSource.fZ * fReciprocal), 1) << sSource.fZ;
    }
}

TEST(NormalizeVector, ZeroVectorIsCopiedWithItsSigns) {
    GLvector sResult{5.0f, 5.0f, 5.0f};
    vNormalizeVector(sResult, GLvector{-0.0f, 0.0f, -0.0f});
    EXPECT_EQ(iFloatBits(sResult.fX), iFloatBits(-0.0f));
    EXPECT_EQ(iFloatBits(sResult.fY), iFloatBits(0.0f));
    EXPECT_EQ(iFloatBits(sResult.fZ), iFloatBits(-0.0f));
}

TEST(NormalizeVector, VectorWhoseSquaresVanishInFloatIsCopiedUnscaled) {
    const GLvector asTiny[] = {{1.0e-30f, -2.0e-30f, 3.0e-31f},
                               {1.0e-23f, 1.0e-23f, -1.0e-23f},
                               {std::numeric_limits<float>::denorm_min(), 0.0f, 0.0f}};
    for (const GLvector& sTiny : asTiny) {
        ASSERT_EQ(float(double(sTiny.fX) * sTiny.fX + double(sTiny.fY) * sTiny.fY +
                        double(sTiny.fZ) * sTiny.fZ),
                  0.0f);
        GLvector sResult;
        vNormalizeVector(sResult, sTiny);
        EXPECT_EQ(sResult.fX, sTiny.fX);
        EXPECT_EQ(sResult.fY, sTiny.fY);
        EXPECT_EQ(sResult.fZ, sTiny.fZ);
    }
}

TEST(NormalizeVector, OverflowingLengthScalesFiniteComponentsToZero) {
    GLvector sResult;
    vNormalizeVector(sResult, GLvector{1.0e20f, -1.0e20f, 3.0f});
    EXPECT_EQ(sResult.fX, 0.0f);
    EXPECT_EQ(sResult.fY, 0.0f);
    EXPECT_EQ(sResult.fZ, 0.0f);
}

TEST(NormalizeVector, InfiniteComponentBecomesNaNAndTheOthersZero) {
    GLvector sResult;
    vNormalizeVector(sResult, GLvector{fInfinity, 1.0f, -2.0f});
    EXPECT_TRUE(std::isnan(sResult.fX));
    EXPECT_EQ(sResult.fY, 0.0f);
    EXPECT_EQ(sResult.fZ, 0.0f);
}

TEST(NormalizeVector, NaNComponentMakesEveryComponentNaN) {
    GLvector sResult;
    vNormalizeVector(sResult, GLvector{0.5f, fNaN, 0.25f});
    EXPECT_TRUE(std::isnan(sResult.fX));
    EXPECT_TRUE(std::isnan(sResult.fY));
    EXPECT_TRUE(std::isnan(sResult.fZ));
}
