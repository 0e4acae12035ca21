// The output steps: one triangle corner, and the triangles of a table row.
#include "emit.h"

#include <GL/gl.h>

#include "cell_cases.h"
#include "field.h"

namespace {

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

}  // namespace

void vEmitTriangles(const std::int32_t* aiTriangles, int iMaxTriangles,
                    const GLvector* asEdgeVertex, const GLvector* asEdgeNorm) {
    vForEachRowCorner(aiTriangles, iMaxTriangles, [&](std::int32_t iEdge) {
        vEmitVertex(asEdgeVertex[iEdge], asEdgeNorm[iEdge]);
    });
}
