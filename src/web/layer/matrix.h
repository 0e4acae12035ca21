// 4 by 4 matrices as OpenGL keeps them: sixteen floats, column after column,
// so that element (row r, column c) is afM[4 * c + r].
#pragma once

struct Matrix4 {
    float afM[16];
};

Matrix4 sIdentity();
// The product fLeft × fRight: applied to a point, fRight acts first.
Matrix4 sProduct(const Matrix4& sLeft, const Matrix4& sRight);
Matrix4 sTranslation(float fX, float fY, float fZ);
// fAngle degrees counter-clockwise about the axis (fX, fY, fZ), seen from
// its tip looking back to the origin; the axis need not be of unit length.
Matrix4 sRotation(float fAngle, float fX, float fY, float fZ);
Matrix4 sOrthographic(double fLeft, double fRight, double fBottom, double fTop, double fNear,
                      double fFar);

// sMatrix × (afIn as a column), four components in and out.
void vTransform(const Matrix4& sMatrix, const float afIn[4], float afOut[4]);
// The inverse of the transpose of sMatrix's upper left 3 by 3, which carries
// normals from object to eye coordinates, as nine floats column after
// column. All zero if that part of sMatrix is singular.
void vNormalMatrix(const Matrix4& sMatrix, float afOut[9]);
