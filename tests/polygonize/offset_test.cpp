#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "float_ulp.h"
#include "polygonize.h"

namespace {
const float fInfinity = std::numeric_limits<float>::infinity();
}

TEST(GetOffset, MeasuresFromFirstValueTowardSecond) {
    EXPECT_EQ(fGetOffset(0.0f, 4.0f, 1.0f), 0.25f);
    EXPECT_EQ(fGetOffset(4.0f, 0.0f, 1.0f), 0.75f);
    EXPECT_EQ(fGetOffset(40.0f, 56.0f, 48.0f), 0.5f);
}

TEST(GetOffset, IsNotClampedOutsideTheEdge) {
    EXPECT_EQ(fGetOffset(0.0f, 1.0f, 2.0f), 2.0f);
    EXPECT_EQ(fGetOffset(0.0f, 1.0f, -1.0f), -1.0f);
}

TEST(GetOffset, EqualValuesGiveTheMidpointWhateverTheTarget) {
    EXPECT_EQ(fGetOffset(3.0f, 3.0f, 3.0f), 0.5f);
    EXPECT_EQ(fGetOffset(3.0f, 3.0f, 100.0f), 0.5f);
    EXPECT_EQ(fGetOffset(0.0f, -0.0f, 1.0f), 0.5f);
}

TEST(GetOffset, TargetOnACornerPutsTheCrossingOnThatCorner) {
    EXPECT_EQ(fGetOffset(48.0f, 56.0f, 48.0f), 0.0f);
    EXPECT_EQ(fGetOffset(56.0f, 48.0f, 48.0f), 1.0f);
}

// Worked out apart from the program, with exact fractions: (48 - 0.1f) /
// (1234.567f - 0.1f) is 0.0388021707..., whose nearest float is 0x3D1EEF06.
// The same steps in float arithmetic give 0x3D1EEF07.
TEST(GetOffset, RoundsTheDoubleQuotientOnceToFloat) {
    EXPECT_EQ(iFloatBits(fGetOffset(0.1f, 1234.567f, 48.0f)), 0x3D1EEF06u);
}

TEST(GetOffset, InfiniteFirstValuePutsTheCrossingOnTheFiniteCorner) {
    EXPECT_EQ(fGetOffset(fInfinity, 40.0f, 48.0f), 1.0f);
    EXPECT_EQ(fGetOffset(fInfinity, -3.0f, 48.0f), 1.0f);
}

TEST(GetOffset, InfiniteSecondValuePutsTheCrossingOnTheFirstCorner) {
    EXPECT_EQ(fGetOffset(40.0f, fInfinity, 48.0f), 0.0f);
}
