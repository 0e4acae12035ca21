#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <vector>

#include "field.h"
#include "field_state_fixture.h"
#include "float_ulp.h"

namespace {

const float fInfinity = std::numeric_limits<float>::infinity();

using SampleTest = FieldStateTest;

// The moving coordinate of every source at time t, worked out from the time
// alone: half the float swing factor 1 + sin t.
double fMovingCoordinate(float fT) {
    return double(float(0.5 * double(float(1.0 + double(std::sin(fT))))));
}

double fInverseSquare(double fWeight, double fDa, double fDb, double fDc = 0.0) {
    return fWeight / (fDa * fDa + fDb * fDb + fDc * fDc);
}

// Point sources 0, 1 and 2 added in that order to a double sum that is
// rounded to float once, at the end.
float fExpectedSample1(float fT, float fX, float fY, float fZ) {
    const double fM = fMovingCoordinate(fT);
    const double fX0 = fX, fY0 = fY, fZ0 = fZ;
    double fSum = 0.0;
    fSum += fInverseSquare(0.5, fX0 - fM, fY0 - 0.5, fZ0 - 0.5);
    fSum += fInverseSquare(1.0, fX0 - 0.5, fY0 - fM, fZ0 - 0.5);
    fSum += fInverseSquare(1.5, fX0 - 0.5, fY0 - 0.5, fZ0 - fM);
    return float(fSum);
}

// Line 0 runs along z through (x0, y0), line 1 along y through (x1, z1),
// line 2 along x through (y2, z2).
float fExpectedSample2(float fT, float fX, float fY, float fZ) {
    const double fM = fMovingCoordinate(fT);
    const double fX0 = fX, fY0 = fY, fZ0 = fZ;
    double fSum = 0.0;
    fSum += fInverseSquare(0.5, fX0 - fM, fY0 - 0.5);
    fSum += fInverseSquare(0.75, fX0 - 0.5, fZ0 - 0.5);
    fSum += fInverseSquare(1.0, fY0 - 0.5, fZ0 - fM);
    return float(fSum);
}

// The floats a height computed from the exact one may round to. The float
// sine and cosine of the library may each be an ulp away from the correctly
// rounded ones, and intermediates may be held in double: together that moves
// the height by well under an eighth of its ulp, which decides the rounding
// only where the exact height lies that close to the midpoint between two
// floats. There either neighbour is accepted.
std::vector<float> afHeightRoundings(long double fExact) {
    const float fNearest = float(fExact);
    const float fOther = std::nextafter(fNearest, fExact < fNearest ? 0.0f : 2.0f);
    const long double fMidpoint = (static_cast<long double>(fNearest) + fOther) / 2;
    const long double fUlp = std::fabs(static_cast<long double>(fOther) - fNearest);
    if (std::fabs(fExact - fMidpoint) <= fUlp / 8) {
        return {fNearest, fOther};
    }
    return {fNearest};
}

// The ripple worked in long double, keeping the float roundings of the angle,
// the sine and cosine (taken as the correctly rounded ones), the height and
// the result. One value, or two where the height sits on a rounding midpoint.
std::vector<float> afReferenceSample3(float fT, float fX, float fY, float fZ) {
    const long double fDx = 0.5L - fX;
    const long double fDy = 0.5L - fY;
    const long double fRadius = std::sqrt(fDx * fDx + fDy * fDy);
    const float fAngle = float(20.0L * (fRadius + fT));
    const float fSine = float(std::sin(static_cast<long double>(fAngle)));
    const float fCosine = float(std::cos(static_cast<long double>(fAngle)));
    const long double fRipple = static_cast<long double>(fSine) + fCosine;
    std::vector<float> afResult;
    for (float fHeight : afHeightRoundings(1.5L + static_cast<long double>(0.1) * fRipple)) {
        afResult.push_back(float(50.0L * (static_cast<long double>(fHeight) - fZ)));
    }
    return afResult;
}

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

// Runs fCheck over every point and time; reports how many points failed and
// the first of them rather than one line per point.
template <typename Check>
void vCheckEverywhere(const char* sWhat, Check fCheck) {
    int iFailures = 0;
    std::ostringstream sFirst;
    for (float fT : afSomeTimes) {
        vSetTime(fT);
        for (float fX : afCoordinates()) {
            for (float fY : afCoordinates()) {
                for (float fZ : afCoordinates()) {
                    std::string sWhy;
                    if (!fCheck(fT, fX, fY, fZ, sWhy) && iFailures++ == 0) {
                        sFirst << "time " << fT << " at (" << fX << ", " << fY << ", " << fZ
                               << "): " << sWhy;
                    }
                }
            }
        }
    }
    EXPECT_EQ(iFailures, 0) << sWhat << ", first: " << sFirst.str();
}

std::string sPair(float fGot, float fWanted) {
    std::ostringstream s;
    s.precision(9);
    s << "got " << fGot << ", wanted " << fWanted;
    return s.str();
}

// Holds a sample function to its reference, bit for bit, at every point and time.
template <typename Reference>
void vCheckBitForBit(const char* sWhat, SampleFunction* pfSample, Reference fReference) {
    vCheckEverywhere(sWhat, [&](float fT, float fX, float fY, float fZ, std::string& sWhy) {
        const float fGot = pfSample(fX, fY, fZ);
        const float fWanted = fReference(fT, fX, fY, fZ);
        sWhy = sPair(fGot, fWanted);
        return iFloatBits(fGot) == iFloatBits(fWanted);
    });
}

}  // namespace

TEST_F(SampleTest, SlotHoldsThePointSourcesAtLoad) {
    EXPECT_EQ(fSample, &fSample1);
}

TEST_F(SampleTest, PointSourcesMatchTheDoubleSumBitForBit) {
    vCheckBitForBit("fSample1", &fSample1, fExpectedSample1);
}

TEST_F(SampleTest, LineSourcesMatchTheDoubleSumBitForBit) {
    vCheckBitForBit("fSample2", &fSample2, fExpectedSample2);
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

TEST_F(SampleTest, RippleStaysWithinTwoUlpsOfALongDoubleReference) {
    const float afTime[] = {0.0f, 0.025f, 0.5f, 1.0f, 3.0f, 17.0f, 1000.0f, 12345.0f};
    int iFailures = 0;
    std::string sFirst;
    for (float fT : afTime) {
        vSetTime(fT);
        for (float fX : afCoordinates()) {
            for (float fY : afCoordinates()) {
                for (float fZ : afCoordinates()) {
                    const float fGot = fSample3(fX, fY, fZ);
                    const std::vector<float> afWanted = afReferenceSample3(fT, fX, fY, fZ);
                    bool bNear = false;
                    for (float fWanted : afWanted) {
                        bNear = bNear || iUlpDistance(fGot, fWanted) <= 2;
                    }
                    if (!bNear && iFailures++ == 0) {
                        std::ostringstream s;
                        s << "time " << fT << " at (" << fX << ", " << fY << ", " << fZ
                          << "): " << sPair(fGot, afWanted[0]);
                        sFirst = s.str();
                    }
                }
            }
        }
    }
    EXPECT_EQ(iFailures, 0) << "first: " << sFirst;
}

TEST_F(SampleTest, RippleOnTheAxisAtTimeZeroFallsFrom80) {
    vSetTime(0.0f);
    // r = 0 and the angle is 0, so the height is the float nearest 1.6.
    EXPECT_EQ(fSample3(0.5f, 0.5f, 0.0f), 80.0f);
    EXPECT_EQ(fSample3(0.5f, 0.5f, 1.0f), float(50.0 * (double(1.6f) - 1.0)));
    EXPECT_NEAR(fSample3(0.5f, 0.5f, 1.0f), 30.0f, 1.0e-5f);
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

TEST_F(SampleTest, RippleIgnoresTheSourcePoints) {
    vSetTime(1.0f);
    const float fBefore = fSample3(0.3f, 0.8f, 0.4f);
    for (GLvector& sPoint : sSourcePoint) {
        sPoint = GLvector{0.3f, 0.8f, 0.4f};
    }
    EXPECT_EQ(fSample3(0.3f, 0.8f, 0.4f), fBefore);
}
