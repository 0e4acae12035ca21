#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "field.h"

namespace {

const float fNaN = std::numeric_limits<float>::quiet_NaN();
const GLvector sOrigin{0.0f, 0.0f, 0.0f};

GLvector sColorOf(const GLvector& sNormal) {
    GLvector sColor{-1.0f, -1.0f, -1.0f};
    vGetColor(sColor, sOrigin, sNormal);
    return sColor;
}

void vExpectColor(const GLvector& sColor, float fRed, float fGreen, float fBlue) {
    EXPECT_EQ(sColor.fX, fRed);
    EXPECT_EQ(sColor.fY, fGreen);
    EXPECT_EQ(sColor.fZ, fBlue);
}

double fPositive(float f) {
    return f > 0 ? f : 0.0;
}

double fNegativeHalf(float f) {
    return f < 0 ? -0.5 * f : 0.0;
}

}  // namespace

TEST(GetColor, EachAxisDirectionHasItsOwnColour) {
    vExpectColor(sColorOf({1, 0, 0}), 1.0f, 0.0f, 0.0f);
    vExpectColor(sColorOf({-1, 0, 0}), 0.0f, 0.5f, 0.5f);
    vExpectColor(sColorOf({0, 1, 0}), 0.0f, 1.0f, 0.0f);
    vExpectColor(sColorOf({0, -1, 0}), 0.5f, 0.0f, 0.5f);
    vExpectColor(sColorOf({0, 0, 1}), 0.0f, 0.0f, 1.0f);
    vExpectColor(sColorOf({0, 0, -1}), 0.5f, 0.5f, 0.0f);
}

TEST(GetColor, DiagonalBetweenTwoNegativeAxesSharesOutHalfOfEach) {
    const float fN = float(-1.0 / std::sqrt(2.0));
    vExpectColor(sColorOf({fN, fN, 0.0f}), float(std::sqrt(2.0) / 4), float(std::sqrt(2.0) / 4),
                 float(std::sqrt(2.0) / 2));
}

TEST(GetColor, ComponentsAboveOneAreNotClamped) {
    const float fN = float(1.0 / std::sqrt(3.0));
    const GLvector sColor = sColorOf({fN, -fN, -fN});
    EXPECT_EQ(sColor.fX, float(double(fN) + 0.5 * fN + 0.5 * fN));
    EXPECT_GT(sColor.fX, 1.15f);
    EXPECT_EQ(sColor.fY, float(0.5 * fN));
    EXPECT_EQ(sColor.fZ, float(0.5 * fN));
}

TEST(GetColor, SumsAreFormedInDoubleAndRoundedOnce) {
    const GLvector asNormal[] = {{0.3f, -0.7f, -0.648f},      {-0.123f, 0.456f, -0.789f},
                                 {-0.577f, -0.577f, -0.577f}, {0.1f, 0.2f, 0.3f},
                                 {-1.0e-8f, 0.7f, -0.7f},     {-0.33f, -0.9f, 0.28f}};
    for (const GLvector& sN : asNormal) {
        const GLvector sColor = sColorOf(sN);
        EXPECT_EQ(sColor.fX, float(fPositive(sN.fX) + fNegativeHalf(sN.fY) + fNegativeHalf(sN.fZ)));
        EXPECT_EQ(sColor.fY, float(fPositive(sN.fY) + fNegativeHalf(sN.fZ) + fNegativeHalf(sN.fX)));
        EXPECT_EQ(sColor.fZ, float(fPositive(sN.fZ) + fNegativeHalf(sN.fX) + fNegativeHalf(sN.fY)));
    }
}

TEST(GetColor, ZeroComponentsAddNothing) {
    vExpectColor(sColorOf({0.0f, 0.0f, 0.0f}), 0.0f, 0.0f, 0.0f);
    vExpectColor(sColorOf({-0.0f, -0.0f, -0.0f}), 0.0f, 0.0f, 0.0f);
    vExpectColor(sColorOf({-0.0f, 0.6f, 0.0f}), 0.0f, 0.6f, 0.0f);
}

TEST(GetColor, NaNComponentAddsNothingAnywhere) {
    vExpectColor(sColorOf({fNaN, 1.0f, -1.0f}), 0.5f, 1.5f, 0.0f);
    vExpectColor(sColorOf({-1.0f, fNaN, 0.25f}), 0.0f, 0.5f, 0.75f);
    vExpectColor(sColorOf({fNaN, fNaN, fNaN}), 0.0f, 0.0f, 0.0f);
}

TEST(GetColor, PositionPlaysNoPart) {
    const GLvector sNormal{0.6f, -0.48f, -0.64f};
    const GLvector asPosition[] = {
        {0.0f, 0.0f, 0.0f},
        {0.3f, 0.7f, 0.1f},
        {fNaN, std::numeric_limits<float>::infinity(), -1.0e30f},
    };
    const GLvector sFirst = sColorOf(sNormal);
    for (const GLvector& sPosition : asPosition) {
        GLvector sColor;
        vGetColor(sColor, sPosition, sNormal);
        vExpectColor(sColor, sFirst.fX, sFirst.fY, sFirst.fZ);
    }
}

TEST(GetColor, ReadsTheWholeNormalBeforeWritingTheColour) {
    GLvector sShared{-1.0f, 0.0f, 0.0f};
    vGetColor(sShared, sOrigin, sShared);
    vExpectColor(sShared, 0.0f, 0.5f, 0.5f);

    sShared = GLvector{0.0f, 0.0f, -1.0f};
    vGetColor(sShared, sOrigin, sShared);
    vExpectColor(sShared, 0.5f, 0.5f, 0.0f);
}
