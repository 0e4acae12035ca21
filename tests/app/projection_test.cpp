// The reshape: viewport and orthographic projection for every window shape.
// The expected numbers were worked out apart from the program (the float
// nearest each aspect, times the float half-size, exactly in double).
#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

#include "app.h"
#include "orvane_test.h"
#include "recorded_calls.h"

namespace {

using ProjectionTest = OrvaneTest;

// The float half-size 0.70710677 widened to double, and the ends of the depth
// range, ten times it.
const double fHalf = 0.7071067690849304;
const double fDepth = 7.071067690849304;

// The five calls of a reshape to a window of real size, given the half-extent
// of the longer axis.
std::vector<ExpectedCall> asReshape(int iWidth, int iHeight, double fLong) {
    const std::vector<double> afOrtho =
        iWidth > iHeight ? std::vector<double>{-fLong, fLong, -fHalf, fHalf, -fDepth, fDepth}
                         : std::vector<double>{-fHalf, fHalf, -fLong, fLong, -fDepth, fDepth};
    return {{"glViewport", {0, 0, double(iWidth), double(iHeight)}},
            {"glMatrixMode", {GL_PROJECTION}},
            {"glLoadIdentity", {}},
            {"glOrtho", afOrtho},
            {"glMatrixMode", {GL_MODELVIEW}}};
}

}  // namespace

TEST_F(ProjectionTest, WideOrTallWindowGetsTheFloatAspectOnItsLongerAxis) {
    // The float nearest 4/3 is 1.3333333730697632.
    vResize(640, 480);
    EXPECT_TRUE(bCallsAre(sRecorder.asCalls, asReshape(640, 480, 0.9428090535444724)));
    vResetRecorder();
    vResize(480, 640);
    EXPECT_TRUE(bCallsAre(sRecorder.asCalls, asReshape(480, 640, 0.9428090535444724)));
}

TEST_F(ProjectionTest, SquareWindowGetsTheHalfSizeOnBothAxes) {
    for (const int iSide : {1, 2, 480, 1000, 4096}) {
        vResetRecorder();
        vResize(iSide, iSide);
        EXPECT_TRUE(bCallsAre(sRecorder.asCalls, asReshape(iSide, iSide, fHalf))) << iSide;
    }
}

TEST_F(ProjectionTest, EveryRealShapeScalesOnlyTheLongerAxisByTheFloatAspect) {
    struct Shape {
        int iWidth, iHeight;
        double fLong;
    };
    // Integral aspects are exact; the others are the float nearest the
    // quotient: 641/640 -> 1.001562476158142, 1366/768 -> 1.7786458730697632,
    // 7/3 -> 2.3333332538604736, 12345/6789 -> 1.8183826208114624,
    // 2^24/3 -> 5592405.5.
    const Shape asShape[] = {
        {1, 1000, fHalf * 1000},           {1000, 1, fHalf * 1000},
        {641, 640, 0.7082116065528865},    {1366, 768, 1.2576925366526055},
        {768, 1366, 1.2576925366526055},   {3, 7, 1.6499157383357073},
        {12345, 6789, 1.2857906599621813}, {16777216, 3, 3954427.784517795},
        {3, 16777216, 3954427.784517795},
    };
    for (const Shape& sShape : asShape) {
        vResetRecorder();
        vResize(sShape.iWidth, sShape.iHeight);
        EXPECT_TRUE(
            bCallsAre(sRecorder.asCalls, asReshape(sShape.iWidth, sShape.iHeight, sShape.fLong)))
            << sShape.iWidth << "x" << sShape.iHeight;
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
    EXPECT_TRUE(bCallsAre(sRecorder.asCalls, asReshape(800, 600, 0.9428090535444724)));
}
