// The reshape: viewport and orthographic projection for every window shape.
#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

#include "shell_fixture.h"

namespace {

using ProjectionTest = ShellTest;

// The half-size of the view widened to double, and the ends of the depth
// range.
const double fHalf = 0.7071067690849304;
const double fDepth = 7.071067690849304;

std::vector<double> afOrthoOf(int iWidth, int iHeight) {
    vResetRecorder();
    vResize(iWidth, iHeight);
    const std::vector<RecordedCall> asOrtho = asCallsNamed("glOrtho");
    EXPECT_EQ(asOrtho.size(), 1u) << iWidth << "x" << iHeight;
    return asOrtho.empty() ? std::vector<double>() : asOrtho[0].afArg;
}

}  // namespace

TEST_F(ProjectionTest, WideWindowGetsTheFloatAspectOnTheHorizontalAxis) {
    // The float nearest 4/3, times the half-size, formed exactly in double.
    const long double fAspect = float(4.0L / 3.0L);
    EXPECT_EQ(fAspect, 1.33333337306976318359375L);
    const double fHalfWidth = double((long double)fHalf * fAspect);

    vResize(640, 480);
    const std::vector<ExpectedCall> asExpected = {
        {"glViewport", {0, 0, 640, 480}},
        {"glMatrixMode", {GL_PROJECTION}},
        {"glLoadIdentity", {}},
        {"glOrtho", {-fHalfWidth, fHalfWidth, -fHalf, fHalf, -fDepth, fDepth}},
        {"glMatrixMode", {GL_MODELVIEW}},
    };
    EXPECT_TRUE(bCallsAre(sRecorder.asCalls, asExpected));
}

TEST_F(ProjectionTest, TallWindowSwapsTheAxesOfTheWideOne) {
    const std::vector<double> afWide = afOrthoOf(640, 480);
    const std::vector<double> afTall = afOrthoOf(480, 640);
    ASSERT_EQ(afWide.size(), 6u);
    ASSERT_EQ(afTall.size(), 6u);
    const std::vector<ExpectedCall> asSwapped = {
        {"glOrtho", {afWide[2], afWide[3], afWide[0], afWide[1], afWide[4], afWide[5]}}};
    EXPECT_TRUE(bCallsAre(asCallsNamed("glOrtho"), asSwapped));
    EXPECT_EQ(asCallsNamed("glViewport")[0].afArg, (std::vector<double>{0, 0, 480, 640}));
}

TEST_F(ProjectionTest, SquareWindowGetsTheHalfSizeOnBothAxes) {
    for (const int iSide : {1, 2, 480, 1000, 4096}) {
        const std::vector<ExpectedCall> asExpected = {
            {"glOrtho", {-fHalf, fHalf, -fHalf, fHalf, -fDepth, fDepth}}};
        afOrthoOf(iSide, iSide);
        EXPECT_TRUE(bCallsAre(asCallsNamed("glOrtho"), asExpected)) << iSide;
    }
}

TEST_F(ProjectionTest, ExtremeShapesScaleOnlyTheLongerAxis) {
    // Integral aspects are exact, so the products are plain multiples.
    const std::vector<ExpectedCall> asTall = {
        {"glOrtho", {-fHalf, fHalf, -fHalf * 1000, fHalf * 1000, -fDepth, fDepth}}};
    afOrthoOf(1, 1000);
    EXPECT_TRUE(bCallsAre(asCallsNamed("glOrtho"), asTall));

    const std::vector<ExpectedCall> asWide = {
        {"glOrtho", {-fHalf * 1000, fHalf * 1000, -fHalf, fHalf, -fDepth, fDepth}}};
    afOrthoOf(1000, 1);
    EXPECT_TRUE(bCallsAre(asCallsNamed("glOrtho"), asWide));

    const std::vector<ExpectedCall> asNearlySquare = {
        {"glOrtho",
         {-fHalf * double(float(641.0 / 640.0)), fHalf * double(float(641.0 / 640.0)), -fHalf,
          fHalf, -fDepth, fDepth}}};
    afOrthoOf(641, 640);
    EXPECT_TRUE(bCallsAre(asCallsNamed("glOrtho"), asNearlySquare));
}

TEST_F(ProjectionTest, EveryRealSizeSetsViewportThenProjectionThenModelView) {
    const std::vector<std::pair<int, int>> asSize = {
        {640, 480},  {480, 640}, {1, 1},    {1, 1000},     {1000, 1},     {1366, 768},
        {768, 1366}, {3, 7},     {7, 3},    {1920, 1080},  {65535, 1},    {1, 65535},
        {333, 332},  {332, 333}, {8191, 3}, {12345, 6789}, {16777216, 3}, {3, 16777216}};
    for (const std::pair<int, int>& sSize : asSize) {
        vResetRecorder();
        vResize(sSize.first, sSize.second);
        EXPECT_TRUE(bCallsAre(sRecorder.asCalls, asExpectedResize(sSize.first, sSize.second)))
            << sSize.first << "x" << sSize.second;
    }
}

TEST_F(ProjectionTest, DepthRangeIsTheSameForEveryShape) {
    EXPECT_EQ(fHalf, double(0.70710677f));
    EXPECT_EQ(fDepth, double(0.70710677f) * double(10.0f));
    for (const std::pair<int, int>& sSize :
         std::vector<std::pair<int, int>>{{640, 480}, {480, 640}, {500, 500}, {1, 1000}}) {
        const std::vector<double> afOrtho = afOrthoOf(sSize.first, sSize.second);
        ASSERT_EQ(afOrtho.size(), 6u);
        EXPECT_EQ(afOrtho[4], -fDepth);
        EXPECT_EQ(afOrtho[5], fDepth);
    }
}

TEST_F(ProjectionTest, EmptyOrNegativeSizeMakesNoCallAndTheNextRealSizeSetsAll) {
    vResize(640, 480);
    const std::vector<std::pair<int, int>> asBadSize = {
        {0, 480},     {640, 0},       {0, 0},         {-1, 480},          {640, -1},
        {-640, -480}, {INT_MIN, 480}, {640, INT_MIN}, {INT_MIN, INT_MIN}, {-1, -1}};
    for (const std::pair<int, int>& sSize : asBadSize) {
        vResetRecorder();
        vResize(sSize.first, sSize.second);
        EXPECT_TRUE(sRecorder.asCalls.empty()) << sSize.first << "x" << sSize.second;
    }
    vResetRecorder();
    vResize(800, 600);
    EXPECT_TRUE(bCallsAre(sRecorder.asCalls, asExpectedResize(800, 600)));
}
