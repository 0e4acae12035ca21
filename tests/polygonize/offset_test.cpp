#include <gtest/gtest.h>

#include <cmath>
#include <limits>

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

TEST(GetOffset, RoundsTheDoubleQuotientOnceToFloat) {
    const float fA = 0.1f, fB = 1234.567f, fT = 48.0f;
    const float fExpected = float((double(fT) - fA) / (double(fB) - fA));
    EXPECT_EQ(fGetOffset(fA, fB, fT), fExpected);
}

TEST(GetOffset, InfiniteFirstValuePutsTheCrossingOnTheFiniteCorner) {
    EXPECT_EQ(fGetOffset(fInfinity, 40.0f, 48.0f), 1.0f);
    EXPECT_EQ(fGetOffset(fInfinity, -3.0f, 48.0f), 1.0f);
}

TEST(GetOffset, InfiniteSecondValuePutsTheCrossingOnTheFirstCorner) {
    EXPECT_EQ(fGetOffset(40.0f, fInfinity, 48.0f), 0.0f);
}
