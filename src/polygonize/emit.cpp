// The output steps: one triangle corner, and the triangles of a table row.
#include "emit.h"

#include <GL/gl.h>

#include "field.h"

// Colour and normal become current state before the vertex that uses them.
// The colour is worked out again for every corner, even where one crossing
// serves several triangles of a cell.
void vEmitVertex(const GLvector& rfPosition, const GLvector& rfNormal) {
    GLvector sColor;
    vGetColor(sColor, rfPosition, rfNormal);
    glColor3f(sColor.fX, sColor.fY, sColor.fZ);
    glNormal3f(rfNormal.fX, rfNormal.fY, rfNormal.fZ);
    glVertex3f(rfPosition.fX, rfPosition.fY, rfPosition.fZ);
}

void vEmitTriangles(const std::int32_t* aiTriangles, int iMaxTriangles,
                    const GLvector* asEdgeVertex, const GLvector* asEdgeNorm) {
    for (int iTriangle = 0; iTriangle < iMaxTriangles; iTriangle++) {
        if (aiTriangles[3 * iTriangle] < 0) {
            break;
        }
        for (int iCorner = 0; iCorner < 3; iCorner++) {
            const std::int32_t iVertex = aiTriangles[3 * iTriangle + iCorner];
            vEmitVertex(asEdgeVertex[iVertex], asEdgeNorm[iVertex]);
        }
    }
}
