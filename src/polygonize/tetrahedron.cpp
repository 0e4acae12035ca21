// Marching tetrahedra: the cell cut into six tetrahedra, each polygonized by
// itself. It has the polygonizer's shape and can stand in the slot in place of
// the cube polygonizer.
#include "cell_cases.h"
#include "cube_tables.h"
#include "emit.h"
#include "field.h"
#include "formulas.h"
#include "polygonize.h"
#include "tetrahedron_tables.h"

// Crossings are not shared between tetrahedra: a line that lies in two of them
// is interpolated by both, in opposite directions where it ends at corner 0.
void vMarchTetrahedron(GLvector* pasTetrahedronPosition, float* pafTetrahedronValue) {
    const int iFlagIndex = iCaseIndex(pafTetrahedronValue, 4, fTargetValue);

    const std::int32_t iEdgeFlags = aiTetrahedronEdgeFlags[iFlagIndex];
    if (iEdgeFlags == 0) {
        return;
    }

    GLvector asEdgeVertex[6];
    GLvector asEdgeNorm[6];
    for (int iEdge = 0; iEdge < 6; iEdge++) {
        if ((iEdgeFlags & (1 << iEdge)) == 0) {
            continue;
        }
        const GLvector& sFirst = pasTetrahedronPosition[a2iTetrahedronEdgeConnection[iEdge][0]];
        const GLvector& sSecond = pasTetrahedronPosition[a2iTetrahedronEdgeConnection[iEdge][1]];
        const float fOffset =
            fGetOffset(pafTetrahedronValue[a2iTetrahedronEdgeConnection[iEdge][0]],
                       pafTetrahedronValue[a2iTetrahedronEdgeConnection[iEdge][1]], fTargetValue);
        const float fInvOffset = 1.0f - fOffset;

        GLvector& sPoint = asEdgeVertex[iEdge];
        sPoint.fX = sFirst.fX * fInvOffset + sSecond.fX * fOffset;
        sPoint.fY = sFirst.fY * fInvOffset + sSecond.fY * fOffset;
        sPoint.fZ = sFirst.fZ * fInvOffset + sSecond.fZ * fOffset;

        vGetNormal(asEdgeNorm[iEdge], sPoint.fX, sPoint.fY, sPoint.fZ);
    }

    vEmitTriangles(a2iTetrahedronTriangles[iFlagIndex], 2, asEdgeVertex, asEdgeNorm);
}

// All eight positions are formed before the first sample, at exactly the
// points where the cube polygonizer samples the same cell.
void vMarchCube2(float fX, float fY, float fZ, float fScale) {
    float afCornerX[8];
    float afCornerY[8];
    float afCornerZ[8];
    GLvector asCubePosition[8];
    for (int iVertex = 0; iVertex < 8; iVertex++) {
        afCornerX[iVertex] = a2fVertexOffset[iVertex][0] * fScale + fX;
        afCornerY[iVertex] = a2fVertexOffset[iVertex][1] * fScale + fY;
        afCornerZ[iVertex] = a2fVertexOffset[iVertex][2] * fScale + fZ;
        asCubePosition[iVertex] =
            GLvector{afCornerX[iVertex], afCornerY[iVertex], afCornerZ[iVertex]};
    }
    float afCubeValue[8];
    if (iFieldInSlot() == 3) {
        vRippleAt(sSpanOfCorners(afCornerX, afCornerY, afCornerZ), afCubeValue);
    } else {
        vSamplePoints(afCornerX, afCornerY, afCornerZ, afCubeValue, 8);
    }
    // The cells the surface crosses are those the cube polygonizer calls
    // crossed: some tetrahedron then has corners on both sides, since the six
    // share corners 0 and 6 and together hold all eight.
    if (pfCrossedCellHook != nullptr &&
        aiCubeEdgeFlags[iCaseIndex(afCubeValue, 8, fTargetValue)] != 0) {
        pfCrossedCellHook(afCubeValue, fX, fY, fZ);
    }

    vForEachTetrahedron(afCubeValue, [&](const std::int32_t* aiCorner, float* afTetrahedronValue) {
        GLvector asTetrahedronPosition[4];
        for (int iVertex = 0; iVertex < 4; iVertex++) {
            asTetrahedronPosition[iVertex] = asCubePosition[aiCorner[iVertex]];
        }
        vMarchTetrahedron(asTetrahedronPosition, afTetrahedronValue);
    });
}
