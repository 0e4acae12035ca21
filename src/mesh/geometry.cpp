// All in double precision from the float positions.
#include "geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "vector3.h"

namespace {

// The angle between two edges leaving one corner, in degrees.
double fAngleDeg(const Vector3& a, const Vector3& b) {
    return std::atan2(fLength(sCross(a, b)), fDot(a, b)) * (180.0 / M_PI);
}

// Relative to the cube's centre, so the volume of a small closed piece far
// from the origin does not cancel away.
double fSignedVolume(const GLvector& p0, const GLvector& p1, const GLvector& p2) {
    const GLvector sCentre = {0.5f, 0.5f, 0.5f};
    return fDot(sDifference(p0, sCentre),
                sCross(sDifference(p1, sCentre), sDifference(p2, sCentre))) /
           6.0;
}

double fMedian(std::vector<double>& afValue) {
    if (afValue.empty()) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const auto pMiddle = afValue.begin() + std::ptrdiff_t(afValue.size() / 2);
    std::nth_element(afValue.begin(), pMiddle, afValue.end());
    if (afValue.size() % 2 == 1) {
        return *pMiddle;
    }
    return (*pMiddle + *std::max_element(afValue.begin(), pMiddle)) / 2.0;
}

}  // namespace

void vMeasureGeometry(const WeldedMesh& sMesh, const std::vector<bool>& abClosedTriangle,
                      MeshSummary& sSummary) {
    std::vector<double> afAngle;
    afAngle.reserve(sMesh.aiTriangle.size());
    for (std::size_t iTriangle = 0; iTriangle < abClosedTriangle.size(); iTriangle++) {
        const GLvector& p0 = sMesh.asVertex[sMesh.aiTriangle[3 * iTriangle]].sPosition;
        const GLvector& p1 = sMesh.asVertex[sMesh.aiTriangle[3 * iTriangle + 1]].sPosition;
        const GLvector& p2 = sMesh.asVertex[sMesh.aiTriangle[3 * iTriangle + 2]].sPosition;
        const Vector3 sEdge01 = sDifference(p1, p0);
        const Vector3 sEdge02 = sDifference(p2, p0);
        const Vector3 sEdge12 = sDifference(p2, p1);
        const double fDoubleArea = fLength(sCross(sEdge01, sEdge02));
        if (abClosedTriangle[iTriangle]) {
            sSummary.fVolume += fSignedVolume(p0, p1, p2);
        }
        if (!(fDoubleArea > 0.0)) {
            sSummary.iDegenerateTriangles++;
            continue;
        }
        sSummary.fArea += fDoubleArea / 2.0;
        afAngle.push_back(fAngleDeg(sEdge01, sEdge02));
        afAngle.push_back(fAngleDeg(sEdge12, {-sEdge01.fX, -sEdge01.fY, -sEdge01.fZ}));
        afAngle.push_back(fAngleDeg(sEdge02, sEdge12));
    }
    sSummary.fMinAngleDeg = afAngle.empty() ? std::numeric_limits<double>::quiet_NaN()
                                            : *std::min_element(afAngle.begin(), afAngle.end());
    sSummary.fMedianAngleDeg = fMedian(afAngle);
}
