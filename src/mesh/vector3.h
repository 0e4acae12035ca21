// Vector arithmetic in double precision on the float positions, for the
// summary's geometry and the STL facet normals alike.
#pragma once

#include <cmath>

#include "glvector.h"

struct Vector3 {
    double fX, fY, fZ;
};

inline Vector3 sDifference(const GLvector& rsTo, const GLvector& rsFrom) {
    return {double(rsTo.fX) - rsFrom.fX, double(rsTo.fY) - rsFrom.fY, double(rsTo.fZ) - rsFrom.fZ};
}

inline Vector3 sCross(const Vector3& a, const Vector3& b) {
    return {a.fY * b.fZ - a.fZ * b.fY, a.fZ * b.fX - a.fX * b.fZ, a.fX * b.fY - a.fY * b.fX};
}

inline double fDot(const Vector3& a, const Vector3& b) {
    return a.fX * b.fX + a.fY * b.fY + a.fZ * b.fZ;
}

inline double fLength(const Vector3& a) {
    return std::sqrt(fDot(a, a));
}
