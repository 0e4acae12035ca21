// Marching cubes: the surface inside one cube cell.
#include "cube_tables.h"
#include "emit.h"
#include "field.h"
#include "polygonize.h"

// Every crossed edge gets its point and normal, in edge order, before the
// cell's first OpenGL call. Crossings on faces shared with a neighbour are
// computed again here; nothing is shared between cells.
void vMarchCube1(float fX, float fY, float fZ, float fScale) {
    float afCubeValue[8];
    for (int iVertex = 0; iVertex < 8; iVertex++) {
        afCubeValue[iVertex] = fSample(fX + a2fVertexOffset[iVertex][0] * fScale,
                                       fY + a2fVertexOffset[iVertex][1] * fScale,
                                       fZ + a2fVertexOffset[iVertex][2] * fScale);
    }

    // A NaN sample compares false and so counts as above the iso value.
    int iFlagIndex = 0;
    for (int iVertexTest = 0; iVertexTest < 8; iVertexTest++) {
        if (afCubeValue[iVertexTest] <= fTargetValue) {
            iFlagIndex |= 1 << iVertexTest;
        }
    }

    const std::int32_t iEdgeFlags = aiCubeEdgeFlags[iFlagIndex];
    if (iEdgeFlags == 0) {
        return;
    }

    GLvector asEdgeVertex[12];
    GLvector asEdgeNorm[12];
    for (int iEdge = 0; iEdge < 12; iEdge++) {
        if ((iEdgeFlags & (1 << iEdge)) == 0) {
            continue;
        }
        const std::int32_t iFirst = a2iEdgeConnection[iEdge][0];
        const std::int32_t iSecond = a2iEdgeConnection[iEdge][1];
        const float fOffset = fGetOffset(afCubeValue[iFirst], afCubeValue[iSecond], fTargetValue);

        GLvector& sPoint = asEdgeVertex[iEdge];
        sPoint.fX =
            fX + (a2fVertexOffset[iFirst][0] + fOffset * a2fEdgeDirection[iEdge][0]) * fScale;
        sPoint.fY =
            fY + (a2fVertexOffset[iFirst][1] + fOffset * a2fEdgeDirection[iEdge][1]) * fScale;
        sPoint.fZ =
            fZ + (a2fVertexOffset[iFirst][2] + fOffset * a2fEdgeDirection[iEdge][2]) * fScale;

        vGetNormal(asEdgeNorm[iEdge], sPoint.fX, sPoint.fY, sPoint.fZ);
    }

    const std::int32_t* aiTriangles = a2iTriangleConnectionTable[iFlagIndex];
    for (int iTriangle = 0; iTriangle < 5; iTriangle++) {
        if (aiTriangles[3 * iTriangle] < 0) {
            break;
        }
        for (int iCorner = 0; iCorner < 3; iCorner++) {
            const std::int32_t iVertex = aiTriangles[3 * iTriangle + iCorner];
            vEmitVertex(asEdgeVertex[iVertex], asEdgeNorm[iVertex]);
        }
    }
}
