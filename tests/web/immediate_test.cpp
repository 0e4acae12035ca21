// glBegin and glEnd: what reaches the frame, in fill and in line mode.
#include <GL/gl.h>
#include <GL/glut.h>

#include <cmath>

#include "immediate.h"
#include "web_layer_test.h"

namespace {

using WebImmediate = WebLayerTest;

// Counter-clockwise on the screen: front facing under the identity.
const float a2fCounterClockwise[3][3] = {
    {0.0f, 0.0f, 0.0f},  // 0
    {0.5f, 0.0f, 0.0f},  // 1
    {0.0f, 0.5f, 0.0f},  // 2
};

void vSendTriangle(const float a2fCorner[3][3]) {
    for (int i = 0; i < 3; i++) {
        glVertex3f(a2fCorner[i][0], a2fCorner[i][1], a2fCorner[i][2]);
    }
}

void vExpectAt(const FrameVertex& sVertex, const float afPosition[3]) {
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(sVertex.afPosition[i], afPosition[i]);
    }
}

TEST_F(WebImmediate, FilledTrianglesLeaveTheirSideToTheRasterizer) {
    glColor3f(0.25f, 0.5f, 2.0f);
    glNormal3f(0.0f, 0.0f, -1.0f);
    glBegin(GL_TRIANGLES);
    vSendTriangle(a2fCounterClockwise);
    glEnd();
    ASSERT_EQ(asDraws().size(), 1u);
    EXPECT_EQ(asDraws()[0].ePrimitive, GLenum(GL_TRIANGLES));
    ASSERT_EQ(sFrame.asVertex.size(), 3u);
    const FrameVertex& sVertex = sFrame.asVertex[2];
    vExpectAt(sVertex, a2fCounterClockwise[2]);
    EXPECT_EQ(sVertex.afColor[2], 2.0f) << "clamped by the shader, not here";
    EXPECT_EQ(sVertex.afNormal[2], -1.0f);
    EXPECT_EQ(sVertex.fFacing, fFacingByRasterizer);
}

// OpenGL draws a triangle's edges first to second, second to third, third
// to first; each takes the side of its own triangle.
TEST_F(WebImmediate, LineModeDrawsEachTriangleAsItsEdgesWithItsSide) {
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glBegin(GL_TRIANGLES);
    vSendTriangle(a2fCounterClockwise);
    const float a2fClockwise[3][3] = {
        {0.0f, 0.0f, 0.0f},  // 0
        {0.0f, 0.5f, 0.0f},  // 1
        {0.5f, 0.0f, 0.0f},  // 2
    };
    vSendTriangle(a2fClockwise);
    glEnd();
    ASSERT_EQ(asDraws().size(), 1u);
    EXPECT_EQ(asDraws()[0].ePrimitive, GLenum(GL_LINES));
    ASSERT_EQ(sFrame.asVertex.size(), 12u);
    const int aiEdgeEnd[6] = {0, 1, 1, 2, 2, 0};
    for (int i = 0; i < 6; i++) {
        vExpectAt(sFrame.asVertex[i], a2fCounterClockwise[aiEdgeEnd[i]]);
        vExpectAt(sFrame.asVertex[6 + i], a2fClockwise[aiEdgeEnd[i]]);
        EXPECT_EQ(sFrame.asVertex[i].fFacing, fFacingFront);
        EXPECT_EQ(sFrame.asVertex[6 + i].fFacing, fFacingBack);
    }
}

// The side is the one seen in the window: turned half round about y, the
// counter-clockwise triangle shows its back; projected with a mirrored
// projection as well, its front again.
TEST_F(WebImmediate, SideIsDecidedInWindowCoordinates) {
    Matrix4 sClip = sRotation(180.0f, 0.0f, 1.0f, 0.0f);
    EXPECT_FALSE(bFrontFacing(sClip, a2fCounterClockwise[0], a2fCounterClockwise[1],
                              a2fCounterClockwise[2]));
    sClip = sProduct(sOrthographic(1.0, -1.0, -1.0, 1.0, -1.0, 1.0), sClip);
    EXPECT_TRUE(bFrontFacing(sClip, a2fCounterClockwise[0], a2fCounterClockwise[1],
                             a2fCounterClockwise[2]));
}

TEST_F(WebImmediate, AnIncompleteLastPrimitiveIsDropped) {
    for (const GLenum eMode : {GLenum(GL_FILL), GLenum(GL_LINE)}) {
        vStartFrame();
        glPolygonMode(GL_FRONT_AND_BACK, eMode);
        glBegin(GL_TRIANGLES);
        vSendTriangle(a2fCounterClockwise);
        glVertex3f(1.0f, 1.0f, 0.0f);
        glVertex3f(1.0f, 2.0f, 0.0f);
        glEnd();
        EXPECT_EQ(sFrame.asVertex.size(), eMode == GL_FILL ? 3u : 6u);
        EXPECT_EQ(asDraws().at(0).iCount, int(sFrame.asVertex.size()));
    }
    vStartFrame();
    glBegin(GL_LINES);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glEnd();
    EXPECT_EQ(asDraws().at(0).iCount, 0);
}

// Blocks under one state share a draw; a change between them opens another,
// which keeps the state of its own glBegin.
TEST_F(WebImmediate, EachDrawKeepsTheStateOfItsGlBegin) {
    glEnable(GL_LIGHTING);
    for (int iBlock = 0; iBlock < 2; iBlock++) {
        glBegin(GL_TRIANGLES);
        vSendTriangle(a2fCounterClockwise);
        glEnd();
    }
    glDisable(GL_LIGHTING);
    glBegin(GL_TRIANGLES);
    vSendTriangle(a2fCounterClockwise);
    glEnd();
    const std::vector<FrameCommand> asDraw = asDraws();
    ASSERT_EQ(asDraw.size(), 2u);
    EXPECT_EQ(asDraw[0].iCount, 6);
    EXPECT_EQ(sFrame.asState[asDraw[0].iState].afUniform[4 * 11], 1.0f);
    EXPECT_EQ(sFrame.asState[asDraw[1].iState].afUniform[4 * 11], 0.0f);
}

// glutWireCube as GLUT draws it: six face outlines, so each of the cube's
// twelve edges twice, all of the given length and parallel to an axis.
TEST_F(WebImmediate, WireCubeOutlinesEveryFace) {
    glutWireCube(2.0);
    ASSERT_EQ(asDraws().size(), 1u);
    EXPECT_EQ(asDraws()[0].ePrimitive, GLenum(GL_LINES));
    ASSERT_EQ(sFrame.asVertex.size(), 48u);
    int iEdgeUses[3] = {0, 0, 0};
    for (int iLine = 0; iLine < 24; iLine++) {
        const float* afFrom = sFrame.asVertex[2 * iLine].afPosition;
        const float* afTo = sFrame.asVertex[2 * iLine + 1].afPosition;
        int iChanged = -1;
        for (int i = 0; i < 3; i++) {
            EXPECT_EQ(std::abs(afFrom[i]), 1.0f);
            if (afFrom[i] != afTo[i]) {
                EXPECT_EQ(iChanged, -1) << "line " << iLine << " is not along one axis";
                iChanged = i;
            }
        }
        ASSERT_NE(iChanged, -1);
        EXPECT_EQ(afTo[iChanged], -afFrom[iChanged]);
        iEdgeUses[iChanged]++;
    }
    EXPECT_EQ(iEdgeUses[0], 8);
    EXPECT_EQ(iEdgeUses[1], 8);
    EXPECT_EQ(iEdgeUses[2], 8);
}

}  // namespace
