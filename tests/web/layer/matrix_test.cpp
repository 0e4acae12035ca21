// The transformation matrices against OpenGL 1.1's definitions, worked out
// by hand.
#include "matrix.h"

#include <gtest/gtest.h>

namespace {

void vExpectPoint(const Matrix4& sMatrix, const float afIn[3], const float afExpected[3],
                  float fTolerance) {
    const float afPoint[4] = {afIn[0], afIn[1], afIn[2], 1.0f};
    float afOut[4];
    vTransform(sMatrix, afPoint, afOut);
    for (int i = 0; i < 3; i++) {
        EXPECT_NEAR(afOut[i], afExpected[i], fTolerance) << "component " << i;
    }
    EXPECT_EQ(afOut[3], 1.0f);
}

TEST(WebMatrix, RotationTurnsCounterClockwiseSeenFromTheAxisTip) {
    const float afX[3] = {1.0f, 0.0f, 0.0f};
    const float afY[3] = {0.0f, 1.0f, 0.0f};
    const float afMinusX[3] = {-1.0f, 0.0f, 0.0f};
    const float afZ[3] = {0.0f, 0.0f, 1.0f};
    vExpectPoint(sRotation(90.0f, 0.0f, 0.0f, 1.0f), afX, afY, 1e-7f);
    vExpectPoint(sRotation(90.0f, 0.0f, 0.0f, 1.0f), afY, afMinusX, 1e-7f);
    vExpectPoint(sRotation(90.0f, 1.0f, 0.0f, 0.0f), afY, afZ, 1e-7f);
    // The viewer's pitch turns by a negative angle.
    const float afYTurnedBack[3] = {0.0f, 0.5f, -0.8660254f};
    vExpectPoint(sRotation(-60.0f, 1.0f, 0.0f, 0.0f), afY, afYTurnedBack, 1e-7f);
}

TEST(WebMatrix, RotationAxisNeedNotBeOfUnitLength) {
    const Matrix4 sUnit = sRotation(37.5f, 0.0f, 0.6f, 0.8f);
    const Matrix4 sLong = sRotation(37.5f, 0.0f, 3.0f, 4.0f);
    for (int i = 0; i < 16; i++) {
        EXPECT_NEAR(sUnit.afM[i], sLong.afM[i], 1e-7f) << "element " << i;
    }
}

// glOrtho maps (left, bottom, -near) to (-1, -1, -1) and (right, top, -far)
// to (1, 1, 1): near and far are distances in front of the eye, which looks
// down -z.
TEST(WebMatrix, OrthographicMapsTheViewingBoxOntoTheCube) {
    const Matrix4 sOrtho = sOrthographic(-2.0, 6.0, -1.0, 3.0, -7.0, 7.0);
    const float afNearCorner[3] = {-2.0f, -1.0f, 7.0f};
    const float afFarCorner[3] = {6.0f, 3.0f, -7.0f};
    const float afCentre[3] = {2.0f, 1.0f, 0.0f};
    const float afLow[3] = {-1.0f, -1.0f, -1.0f};
    const float afHigh[3] = {1.0f, 1.0f, 1.0f};
    const float afZero[3] = {0.0f, 0.0f, 0.0f};
    vExpectPoint(sOrtho, afNearCorner, afLow, 0.0f);
    vExpectPoint(sOrtho, afFarCorner, afHigh, 0.0f);
    vExpectPoint(sOrtho, afCentre, afZero, 0.0f);
}

TEST(WebMatrix, ProductAppliesItsRightFactorFirst) {
    const Matrix4 sMoveThenTurn =
        sProduct(sRotation(90.0f, 0.0f, 0.0f, 1.0f), sTranslation(1.0f, 0.0f, 0.0f));
    const float afOrigin[3] = {0.0f, 0.0f, 0.0f};
    const float afOnY[3] = {0.0f, 1.0f, 0.0f};
    vExpectPoint(sMoveThenTurn, afOrigin, afOnY, 1e-7f);
}

// Normals go by the inverse transpose: a stretch along x shortens them
// along x.
TEST(WebMatrix, NormalMatrixIsTheInverseTransposeOfTheUpperPart) {
    Matrix4 sStretch = sIdentity();
    sStretch.afM[0] = 2.0f;
    sStretch.afM[5] = 4.0f;
    sStretch.afM[10] = 8.0f;
    sStretch.afM[4] = 1.0f;   // row 0, column 1: x also takes y
    sStretch.afM[12] = 5.0f;  // a translation, which normals ignore
    float afNormal[9];
    vNormalMatrix(sStretch, afNormal);
    // Inverse of [[2, 1, 0], [0, 4, 0], [0, 0, 8]] is [[1/2, -1/8, 0],
    // [0, 1/4, 0], [0, 0, 1/8]]; transposed, column after column:
    const float afExpected[9] = {0.5f, -0.125f, 0.0f, 0.0f, 0.25f, 0.0f, 0.0f, 0.0f, 0.125f};
    for (int i = 0; i < 9; i++) {
        EXPECT_EQ(afNormal[i], afExpected[i]) << "element " << i;
    }
}

}  // namespace
