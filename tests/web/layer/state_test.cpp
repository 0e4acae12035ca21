// The matrix stacks and the attribute stack, through the entry points.
#include <GL/gl.h>

#include "state.h"
#include "web_layer_test.h"

namespace {

using WebState = WebLayerTest;

TEST_F(WebState, PopAttribRestoresTheLightingTheKeyboardLeft) {
    for (const bool bLit : {true, false}) {
        if (bLit) {
            glEnable(GL_LIGHTING);
        } else {
            glDisable(GL_LIGHTING);
        }
        glPushAttrib(GL_LIGHTING_BIT);
        glDisable(GL_LIGHTING);
        EXPECT_FALSE(sGl.sNow.sLighting.bLighting);
        glPopAttrib();
        EXPECT_EQ(sGl.sNow.sLighting.bLighting, bLit);
    }
}

TEST_F(WebState, PopAttribRestoresOnlyTheGroupsPushed) {
    const float afRed[4] = {1.0f, 0.0f, 0.0f, 1.0f};
    glPushAttrib(GL_LIGHTING_BIT);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, afRed);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glColor3f(0.5f, 0.5f, 0.5f);
    glEnable(GL_DEPTH_TEST);
    glPopAttrib();
    EXPECT_EQ(sGl.sNow.sLighting.asMaterial[0].afDiffuse[0], 0.8f);
    EXPECT_EQ(sGl.sNow.aePolygonMode[0], GLenum(GL_LINE));
    EXPECT_EQ(sGl.sNow.aePolygonMode[1], GLenum(GL_LINE));
    EXPECT_EQ(sGl.sNow.afColor[0], 0.5f);
    EXPECT_TRUE(sGl.sNow.bDepthTest);
}

TEST_F(WebState, PopMatrixReturnsToThePushedLevelOfTheCurrentStack) {
    glMatrixMode(GL_PROJECTION);
    glOrtho(-1.0, 1.0, -1.0, 1.0, -2.0, 2.0);
    const Matrix4 sProjection = rsTop(sGl.sProjection);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glTranslatef(0.0f, 0.0f, -1.0f);
    glRotatef(30.0f, 1.0f, 0.0f, 0.0f);
    glPopMatrix();
    const Matrix4 sIdentityMatrix = sIdentity();
    for (int i = 0; i < 16; i++) {
        EXPECT_EQ(rsTop(sGl.sModelView).afM[i], sIdentityMatrix.afM[i]);
        EXPECT_EQ(rsTop(sGl.sProjection).afM[i], sProjection.afM[i]);
    }
    EXPECT_EQ(sProjection.afM[10], -0.5f) << "2 / (far - near), negated";
}

// OpenGL reports a stack overflow or underflow and changes nothing.
TEST_F(WebState, MatrixStackOverflowAndUnderflowChangeNothing) {
    glPopMatrix();
    EXPECT_EQ(sGl.sModelView.iTop, 0);
    for (int i = 0; i < iMatrixStackDepth + 5; i++) {
        glPushMatrix();
    }
    EXPECT_EQ(sGl.sModelView.iTop, iMatrixStackDepth - 1);
    glTranslatef(1.0f, 2.0f, 3.0f);
    glPushMatrix();
    EXPECT_EQ(rsTop(sGl.sModelView).afM[12], 1.0f);
    glPopMatrix();
    EXPECT_EQ(rsTop(sGl.sModelView).afM[12], 0.0f);
}

}  // namespace
