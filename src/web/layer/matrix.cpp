// The matrices of OpenGL 1.1's transformation calls, formed as its
// definition gives them.
#include "matrix.h"

#include <cmath>

Matrix4 sIdentity() {
    Matrix4 sResult = {};
    for (int i = 0; i < 4; i++) {
        sResult.afM[5 * i] = 1.0f;
    }
    return sResult;
}

Matrix4 sProduct(const Matrix4& sLeft, const Matrix4& sRight) {
    Matrix4 sResult;
    for (int iColumn = 0; iColumn < 4; iColumn++) {
        for (int iRow = 0; iRow < 4; iRow++) {
            float fSum = 0.0f;
            for (int k = 0; k < 4; k++) {
                fSum += sLeft.afM[4 * k + iRow] * sRight.afM[4 * iColumn + k];
            }
            sResult.afM[4 * iColumn + iRow] = fSum;
        }
    }
    return sResult;
}

Matrix4 sTranslation(float fX, float fY, float fZ) {
    Matrix4 sResult = sIdentity();
    sResult.afM[12] = fX;
    sResult.afM[13] = fY;
    sResult.afM[14] = fZ;
    return sResult;
}

// Formed in double from the unit axis u as u uᵀ + cos θ (I − u uᵀ) + sin θ S,
// S the cross-product matrix of u, then rounded once to float. A zero axis
// leaves the identity, where OpenGL's result is undefined.
Matrix4 sRotation(float fAngle, float fX, float fY, float fZ) {
    const double fLength = std::sqrt(double(fX) * fX + double(fY) * fY + double(fZ) * fZ);
    if (fLength == 0.0) {
        return sIdentity();
    }
    const double afU[3] = {fX / fLength, fY / fLength, fZ / fLength};
    const double fRadians = double(fAngle) * (M_PI / 180.0);
    const double fCos = std::cos(fRadians);
    const double fSin = std::sin(fRadians);
    // S v = u × v.
    const double a2fS[3][3] = {
        {0.0, -afU[2], afU[1]},  // row 0
        {afU[2], 0.0, -afU[0]},  // row 1
        {-afU[1], afU[0], 0.0},  // row 2
    };
    Matrix4 sResult = sIdentity();
    for (int iRow = 0; iRow < 3; iRow++) {
        for (int iColumn = 0; iColumn < 3; iColumn++) {
            const double fOuter = afU[iRow] * afU[iColumn];
            const double fIdentity = iRow == iColumn ? 1.0 : 0.0;
            sResult.afM[4 * iColumn + iRow] =
                float(fOuter + fCos * (fIdentity - fOuter) + fSin * a2fS[iRow][iColumn]);
        }
    }
    return sResult;
}

// Equal planes would divide by zero; OpenGL leaves the matrix unchanged
// then (an error), and so does the identity here.
Matrix4 sOrthographic(double fLeft, double fRight, double fBottom, double fTop, double fNear,
                      double fFar) {
    Matrix4 sResult = sIdentity();
    if (fLeft == fRight || fBottom == fTop || fNear == fFar) {
        return sResult;
    }
    sResult.afM[0] = float(2.0 / (fRight - fLeft));
    sResult.afM[5] = float(2.0 / (fTop - fBottom));
    sResult.afM[10] = float(-2.0 / (fFar - fNear));
    sResult.afM[12] = float(-(fRight + fLeft) / (fRight - fLeft));
    sResult.afM[13] = float(-(fTop + fBottom) / (fTop - fBottom));
    sResult.afM[14] = float(-(fFar + fNear) / (fFar - fNear));
    return sResult;
}

void vTransform(const Matrix4& sMatrix, const float afIn[4], float afOut[4]) {
    for (int iRow = 0; iRow < 4; iRow++) {
        float fSum = 0.0f;
        for (int k = 0; k < 4; k++) {
            fSum += sMatrix.afM[4 * k + iRow] * afIn[k];
        }
        afOut[iRow] = fSum;
    }
}

// The inverse's transpose is the cofactor matrix over the determinant.
void vNormalMatrix(const Matrix4& sMatrix, float afOut[9]) {
    double a2fA[3][3];
    for (int iRow = 0; iRow < 3; iRow++) {
        for (int iColumn = 0; iColumn < 3; iColumn++) {
            a2fA[iRow][iColumn] = sMatrix.afM[4 * iColumn + iRow];
        }
    }
    double a2fCofactor[3][3];
    for (int iRow = 0; iRow < 3; iRow++) {
        for (int iColumn = 0; iColumn < 3; iColumn++) {
            const int r1 = (iRow + 1) % 3, r2 = (iRow + 2) % 3;
            const int c1 = (iColumn + 1) % 3, c2 = (iColumn + 2) % 3;
            a2fCofactor[iRow][iColumn] = a2fA[r1][c1] * a2fA[r2][c2] - a2fA[r1][c2] * a2fA[r2][c1];
        }
    }
    const double fDeterminant = a2fA[0][0] * a2fCofactor[0][0] + a2fA[0][1] * a2fCofactor[0][1] +
                                a2fA[0][2] * a2fCofactor[0][2];
    for (int iRow = 0; iRow < 3; iRow++) {
        for (int iColumn = 0; iColumn < 3; iColumn++) {
            afOut[3 * iColumn + iRow] =
                fDeterminant == 0.0 ? 0.0f : float(a2fCofactor[iRow][iColumn] / fDeterminant);
        }
    }
}
