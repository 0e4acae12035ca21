// Primitive assembly between glBegin and glEnd.
#include "immediate.h"

#include "frame.h"
#include "state.h"

namespace {
struct Assembly {
    bool bOpen;
    GLenum eMode;
    int iState;
    // Both sides filled: triangles go straight to one draw.
    bool bFilled;
    // Filled triangles and separate lines: each vertex goes straight to the
    // draw, iDirectSize of them a primitive. Worked out at glBegin, since
    // glVertex3f comes once for every corner of the surface.
    bool bDirect;
    int iDirectSize;
    std::uint8_t iDirectFacing;
    GLenum aePolygonMode[2];
    Matrix4 sClip;
    // Vertices of the primitive not yet complete; for strips and loops, the
    // previous vertex and the first.
    FrameVertex asHeld[3];
    int iHeld;
    FrameVertex sFirst;
    int iSeen;
};

Assembly sAssembly;

FrameVertex sCurrentVertex(float fX, float fY, float fZ, std::uint8_t iFacing) {
    const GlAttributes& sNow = sGl.sNow;
    return FrameVertex{{fX, fY, fZ},
                       {sNow.afNormal[0], sNow.afNormal[1], sNow.afNormal[2]},
                       {iColorChannel(sNow.afColor[0]), iColorChannel(sNow.afColor[1]),
                        iColorChannel(sNow.afColor[2])},
                       iFacing};
}

// In line mode the triangle goes to a draw of triangle edges, with its side.
void vAddTriangle(FrameVertex* asCorner) {
    const bool bFront = bFrontFacing(sAssembly.sClip, asCorner[0].afPosition,
                                     asCorner[1].afPosition, asCorner[2].afPosition);
    const bool bEdges = sAssembly.aePolygonMode[bFront ? 0 : 1] == GL_LINE;
    vOpenDraw(bEdges ? DrawKind::TriangleEdges : DrawKind::Triangles, sAssembly.iState);
    const std::uint8_t iSide = bFront ? iFacingFront : iFacingBack;
    for (int i = 0; i < 3; i++) {
        asCorner[i].iFacing = bEdges ? iSide : iFacingByRasterizer;
        vAddVertexToDraw(asCorner[i]);
    }
}

void vAddHeldVertex(const FrameVertex& sVertex) {
    Assembly& rs = sAssembly;
    if (rs.eMode == GL_TRIANGLES) {
        rs.asHeld[rs.iHeld++] = sVertex;
        if (rs.iHeld == 3) {
            vAddTriangle(rs.asHeld);
            rs.iHeld = 0;
        }
        return;
    }
    // A strip or a loop: a line from the previous vertex to this one.
    if (rs.iSeen == 0) {
        rs.sFirst = sVertex;
    } else {
        vAddVertexToDraw(rs.asHeld[0]);
        vAddVertexToDraw(sVertex);
    }
    rs.asHeld[0] = sVertex;
    rs.iSeen++;
}
}  // namespace

void vBeginPrimitives(GLenum eMode) {
    Assembly& rs = sAssembly;
    if (rs.bOpen || (eMode != GL_TRIANGLES && eMode != GL_LINES && eMode != GL_LINE_STRIP &&
                     eMode != GL_LINE_LOOP)) {
        return;
    }
    rs.bOpen = true;
    rs.eMode = eMode;
    rs.iState = iKeepCurrentState();
    rs.aePolygonMode[0] = sGl.sNow.aePolygonMode[0];
    rs.aePolygonMode[1] = sGl.sNow.aePolygonMode[1];
    rs.bFilled = rs.aePolygonMode[0] != GL_LINE && rs.aePolygonMode[1] != GL_LINE;
    rs.bDirect = (eMode == GL_TRIANGLES && rs.bFilled) || eMode == GL_LINES;
    rs.iDirectSize = eMode == GL_TRIANGLES ? 3 : 2;
    rs.iDirectFacing = eMode == GL_TRIANGLES ? iFacingByRasterizer : iFacingFront;
    rs.sClip = sProduct(rsTop(sGl.sProjection), rsTop(sGl.sModelView));
    rs.iHeld = 0;
    rs.iSeen = 0;
    if (eMode == GL_TRIANGLES && rs.bFilled) {
        vOpenDraw(DrawKind::Triangles, rs.iState);
    } else if (eMode != GL_TRIANGLES) {
        vOpenDraw(DrawKind::Lines, rs.iState);
    }
}

// Filled triangles and separate lines go to the draw at once and their
// incomplete tail is counted in iHeld; the rest waits in asHeld.
void vAddVertex(float fX, float fY, float fZ) {
    Assembly& rs = sAssembly;
    if (!rs.bOpen) {
        return;
    }
    if (!rs.bDirect) {
        vAddHeldVertex(sCurrentVertex(fX, fY, fZ, iFacingFront));
        return;
    }
    vAddVertexToDraw(sCurrentVertex(fX, fY, fZ, rs.iDirectFacing));
    rs.iHeld = rs.iHeld + 1 == rs.iDirectSize ? 0 : rs.iHeld + 1;
}

void vEndPrimitives() {
    Assembly& rs = sAssembly;
    if (!rs.bOpen) {
        return;
    }
    if (rs.bDirect) {
        vDropVertices(rs.iHeld);
    } else if (rs.eMode == GL_LINE_LOOP && rs.iSeen >= 2) {
        vAddVertexToDraw(rs.asHeld[0]);
        vAddVertexToDraw(rs.sFirst);
    }
    rs.bOpen = false;
}

bool bFrontFacing(const Matrix4& sClip, const float afA[3], const float afB[3],
                  const float afC[3]) {
    const float* aafCorner[3] = {afA, afB, afC};
    double afX[3];
    double afY[3];
    for (int i = 0; i < 3; i++) {
        const float afObject[4] = {aafCorner[i][0], aafCorner[i][1], aafCorner[i][2], 1.0f};
        float afClipped[4];
        vTransform(sClip, afObject, afClipped);
        afX[i] = double(afClipped[0]) / afClipped[3];
        afY[i] = double(afClipped[1]) / afClipped[3];
    }
    // Twice the signed area; the viewport's scale is positive and keeps its sign.
    const double fArea =
        (afX[1] - afX[0]) * (afY[2] - afY[0]) - (afX[2] - afX[0]) * (afY[1] - afY[0]);
    return fArea > 0.0;
}
