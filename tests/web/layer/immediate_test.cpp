// glBegin and glEnd: what reaches the frame, in fill and in line mode.
#include <GL/gl.h>
#include <GL/glut.h>

#include <cmath>
#include <cstdint>
#include <vector>

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
    glColor3f(0.25f, -0.5f, 2.0f);
    glNormal3f(0.0f, 0.0f, -1.0f);
    glBegin(GL_TRIANGLES);
    vSendTriangle(a2fCounterClockwise);
    glEnd();
    ASSERT_EQ(asDraws().size(), 1u);
    EXPECT_EQ(asDraws()[0].eDraw, DrawKind::Triangles);
    ASSERT_EQ(sFrame.asVertex.size(), 3u);
    const FrameVertex& sVertex = sFrame.asVertex[2];
    vExpectAt(sVertex, a2fCounterClockwise[2]);
    // Clamped, and rounded to the window's 8 bits (0.25 × 255 = 63.75).
    EXPECT_EQ(sVertex.aiColor[0], 64);
    EXPECT_EQ(sVertex.aiColor[1], 0);
    EXPECT_EQ(sVertex.aiColor[2], 255);
    EXPECT_EQ(sVertex.afNormal[2], -1.0f);
    EXPECT_EQ(sVertex.iFacing, iFacingByRasterizer);
}

// Near every half step, where the byte changes, the channel rounds as the C
// library's lround rounds the float product: half away from zero.
TEST(WebColorChannel, RoundsHalfStepsAsLround) {
    for (int iStep = 0; iStep < 255; iStep++) {
        float fChannel = float((iStep + 0.5) / 255.0);
        for (int i = 0; i < 64; i++) {
            fChannel = std::nextafter(fChannel, 0.0f);
        }
        for (int i = 0; i < 128; i++) {
            ASSERT_EQ(iColorChannel(fChannel), std::lround(fChannel * 255.0f)) << fChannel;
            fChannel = std::nextafter(fChannel, 1.0f);
        }
    }
}

// OpenGL draws a triangle's edges first to second, second to third, third
// to first; each takes the side of its own triangle.
TEST_F(WebImmediate, LineModeDrawsEachTriangleAsItsEdgesWithItsSide) {
    std::vector<std::uint32_t> aiIndex;
    vEdgeIndices(aiIndex, 2);
    EXPECT_EQ(aiIndex, (std::vector<std::uint32_t>{0, 1, 1, 2, 2, 0, 3, 4, 4, 5, 5, 3}));

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
    EXPECT_EQ(asDraws()[0].eDraw, DrawKind::TriangleEdges);
    ASSERT_EQ(sFrame.asVertex.size(), 6u);
    for (int i = 0; i < 3; i++) {
        vExpectAt(sFrame.asVertex[i], a2fCounterClockwise[i]);
        vExpectAt(sFrame.asVertex[3 + i], a2fClockwise[i]);
        EXPECT_EQ(sFrame.asVertex[i].iFacing, iFacingFront);
        EXPECT_EQ(sFrame.asVertex[3 + i].iFacing, iFacingBack);
    }
}

// The index pattern counts from the start of the array, so triangle edges
// begin at a multiple of 3 whatever came before them.
TEST_F(WebImmediate, TriangleEdgesStartAtAMultipleOfThree) {
    glBegin(GL_LINES);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(1.0f, 0.0f, 0.0f);
    glEnd();
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glBegin(GL_TRIANGLES);
    vSendTriangle(a2fCounterClockwise);
    glEnd();
    const std::vector<FrameCommand> asDraw = asDraws();
    ASSERT_EQ(asDraw.size(), 2u);
    EXPECT_EQ(asDraw[1].iFirst, 3);
    EXPECT_EQ(asDraw[1].iCount, 3);
    vExpectAt(sFrame.asVertex[3], a2fCounterClockwise[0]);
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
        EXPECT_EQ(sFrame.asVertex.size(), 3u);
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
    EXPECT_EQ(asDraws()[0].eDraw, DrawKind::Lines);
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
