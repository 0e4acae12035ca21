#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "field.h"
#include "float_ulp.h"

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

}  // namespace

TEST(GetColor, EachAxisDirectionHasItsOwnColour) {
    vExpectColor(sColorOf({1, 0, 0}), 1.0f, 0.0f, 0.0f);
    vExpectColor(sColorOf({-1, 0, 0}), 0.0f, 0.5f, 0.5f);
    vExpectColor(sColorOf({0, 1, 0}), 0.0f, 1.0f, 0.0f);
    vExpectColor(sColorOf({0, -1, 0}), 0.5f, 0.0f, 0.5f);
    vExpectColor(sColorOf({0, 0, 1}), 0.0f, 0.0f, 1.0f);
    vExpectColor(sColorOf({0, 0, -1}), 0.5f, 0.5f, 0.0f);

    // The colour may be the normal's own record: the whole normal is read
    // before the colour is written.
    GLvector sShared{-1.0f, 0.0f, 0.0f};
    vGetColor(sShared, sOrigin, sShared);
    vExpectColor(sShared, 0.0f, 0.5f, 0.5f);
    sShared = GLvector{0.0f, 0.0f, -1.0f};
    vGetColor(sShared, sOrigin, sShared);
    vExpectColor(sShared, 0.5f, 0.5f, 0.0f);
}

TEST(GetColor, DiagonalBetweenTwoNegativeAxesSharesOutHalfOfEach) {
    const float fN = float(-1.0 / std::sqrt(2.0));
    vExpectColor(sColorOf({fN, fN, 0.0f}), float(std::sqrt(2.0) / 4), float(std::sqrt(2.0) / 4),
                 float(std::sqrt(2.0) / 2));
}

TEST(GetColor, ComponentsAboveOneAreNotClamped) {
    // The float nearest 1/sqrt(3), 0x3F13CD3A: red is it plus half of it
    // twice, 1.1547005.
    const float fN = 0.57735026f;
    const GLvector sColor = sColorOf({fN, -fN, -fN});
    EXPECT_EQ(iFloatBits(sColor.fX), 0x3F93CD3Au);
    EXPECT_EQ(iFloatBits(sColor.fY), 0x3E93CD3Au);
    EXPECT_EQ(iFloatBits(sColor.fZ), 0x3E93CD3Au);
}

// Worked out apart from the program: the three terms summed in double and
// rounded to float once. The last three normals give another red when the
// sum is rounded to float term by term.
TEST(GetColor, SumsAreFormedInDoubleAndRoundedOnce) {
    struct Expected {
        GLvector sNormal;
        std::uint32_t aiColorBits[3];
    };
    const Expected asExpected[] = {
        {{0.3f, -0.7f, -0.648f}, {0x3F795810u, 0x3EA5E354u, 0x3EB33333u}},
        {{-0.123f, 0.456f, -0.789f}, {0x3EC9FBE7u, 0x3F6978D5u, 0x3D7BE76Du}},
        {{-0.577f, -0.577f, -0.577f}, {0x3F13B646u, 0x3F13B646u, 0x3F13B646u}},
        {{0.1f, 0.2f, 0.3f}, {0x3DCCCCCDu, 0x3E4CCCCDu, 0x3E99999Au}},
        {{-1.0e-8f, 0.7f, -0.7f}, {0x3EB33333u, 0x3F866666u, 0x31ABCC77u}},
        {{-0.33f, -0.9f, 0.28f}, {0x3EE66666u, 0x3E28F5C3u, 0x3F651EB8u}},
        {{0.238f, -0.544f, -0.37f}, {0x3F31EB86u, 0x3E3D70A4u, 0x3E8B4396u}},
        {{0.604f, -0.626f, -0.066f}, {0x3F733333u, 0x3D072B02u, 0x3EA04189u}},
        {{0.836f, -0.476f, -0.639f}, {0x3FB25E36u, 0x3EA39581u, 0x3E73B646u}},
    };
    for (const Expected& s : asExpected) {
        const GLvector sColor = sColorOf(s.sNormal);
        SCOPED_TRACE(::testing::Message()
                     << s.sNormal.fX << " " << s.sNormal.fY << " " << s.sNormal.fZ);
        EXPECT_EQ(iFloatBits(sColor.fX), s.aiColorBits[0]);
        EXPECT_EQ(iFloatBits(sColor.fY), s.aiColorBits[1]);
        EXPECT_EQ(iFloatBits(sColor.fZ), s.aiColorBits[2]);
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
