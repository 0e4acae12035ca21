// What each side is lit with: the viewer's light and materials, OpenGL's
// defaults where it sets none, and the parameter rules of glMaterial.
// Sums are compared within 4 ulps: their order is not OpenGL's to fix.
#include <GL/gl.h>

#include "app.h"
#include "draw_state.h"
#include "lighting.h"
#include "web_layer_test.h"

namespace {

using WebLighting = WebLayerTest;

void vExpectRgb(const float* afActual, float fRed, float fGreen, float fBlue) {
    EXPECT_FLOAT_EQ(afActual[0], fRed);
    EXPECT_FLOAT_EQ(afActual[1], fGreen);
    EXPECT_FLOAT_EQ(afActual[2], fBlue);
}

// Light 0: ambient 0.5, diffuse 0.75, specular 1; the scene's ambient 0.2.
// Front: ambient (0, 0, 0.25), diffuse (0.75, 0, 0.75), specular 1,
// shininess 25. Back: ambient (0, 0.25, 0), diffuse (0, 0.75, 0), and
// OpenGL's specular (0, 0, 0) and shininess 0.
TEST_F(WebLighting, TheViewersSidesAreLitWithItsMaterialsAndOpenGLsDefaults) {
    vSetFixedState();
    const LightingState& sLighting = sGl.sNow.sLighting;
    EXPECT_TRUE(sLighting.bLighting);
    EXPECT_TRUE(sLighting.bLight0);
    EXPECT_TRUE(sLighting.bTwoSide);
    EXPECT_FALSE(sLighting.bLocalViewer);

    const FaceTerms sFront = sFaceTerms(sLighting, 0);
    vExpectRgb(sFront.afBase, 0.0f, 0.0f, 0.175f);
    vExpectRgb(sFront.afDiffuse, 0.5625f, 0.0f, 0.5625f);
    vExpectRgb(sFront.afSpecular, 1.0f, 1.0f, 1.0f);
    EXPECT_EQ(sFront.fShininess, 25.0f);
    EXPECT_EQ(sFront.afBase[3], 1.0f);

    const FaceTerms sBack = sFaceTerms(sLighting, 1);
    vExpectRgb(sBack.afBase, 0.0f, 0.175f, 0.0f);
    vExpectRgb(sBack.afDiffuse, 0.0f, 0.5625f, 0.0f);
    vExpectRgb(sBack.afSpecular, 0.0f, 0.0f, 0.0f);
    EXPECT_EQ(sBack.fShininess, 0.0f);

    // Light 0 shines along -z from +z, in eye coordinates.
    float afLight[4];
    vLightVector(sLighting, afLight);
    EXPECT_EQ(afLight[0], 0.0f);
    EXPECT_EQ(afLight[1], 0.0f);
    EXPECT_EQ(afLight[2], 1.0f);
    EXPECT_EQ(afLight[3], 0.0f);
}

TEST_F(WebLighting, WithLightZeroOffOnlyEmissionAndSceneAmbientRemain) {
    const float afEmission[4] = {0.1f, 0.0f, 0.0f, 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, afEmission);
    glDisable(GL_LIGHT0);
    for (int iFace = 0; iFace < 2; iFace++) {
        const FaceTerms sTerms = sFaceTerms(sGl.sNow.sLighting, iFace);
        vExpectRgb(sTerms.afBase, 0.14f, 0.04f, 0.04f);
        vExpectRgb(sTerms.afDiffuse, 0.0f, 0.0f, 0.0f);
        vExpectRgb(sTerms.afSpecular, 0.0f, 0.0f, 0.0f);
    }
}

TEST_F(WebLighting, MaterialCallsSetTheSidesNamed) {
    const float afRed[4] = {1.0f, 0.0f, 0.0f, 0.5f};
    glMaterialfv(GL_BACK, GL_AMBIENT_AND_DIFFUSE, afRed);
    const Material& sFront = sGl.sNow.sLighting.asMaterial[0];
    const Material& sBack = sGl.sNow.sLighting.asMaterial[1];
    EXPECT_EQ(sFront.afDiffuse[0], 0.8f);
    EXPECT_EQ(sBack.afAmbient[0], 1.0f);
    EXPECT_EQ(sBack.afDiffuse[3], 0.5f);

    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 12.0f);
    EXPECT_EQ(sFront.fShininess, 12.0f);
    EXPECT_EQ(sBack.fShininess, 12.0f);
    // Outside [0, 128] OpenGL refuses the value.
    glMaterialf(GL_FRONT, GL_SHININESS, 129.0f);
    glMaterialf(GL_FRONT, GL_SHININESS, -1.0f);
    EXPECT_EQ(sFront.fShininess, 12.0f);
}

// A position is carried into eye coordinates by the model-view matrix of
// the moment; a direction's vector is made of unit length.
TEST_F(WebLighting, LightPositionIsKeptInEyeCoordinates) {
    glRotatef(90.0f, 0.0f, 1.0f, 0.0f);
    const float afAlongZ[4] = {0.0f, 0.0f, 2.0f, 0.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, afAlongZ);
    float afLight[4];
    vLightVector(sGl.sNow.sLighting, afLight);
    EXPECT_NEAR(afLight[0], 1.0f, 1e-7f);
    EXPECT_NEAR(afLight[1], 0.0f, 1e-7f);
    EXPECT_NEAR(afLight[2], 0.0f, 1e-7f);
    EXPECT_EQ(afLight[3], 0.0f);
}

// The light at infinity seen from infinity needs no vector formed per
// vertex; a light at a point, or a viewer near, the general program.
TEST_F(WebLighting, EachLightingIsDrawnByTheProgramItNeeds) {
    EXPECT_EQ(sCurrentDrawState().iProgram, iUnlitProgram);
    vSetFixedState();
    const DrawState sDirectional = sCurrentDrawState();
    EXPECT_EQ(sDirectional.iProgram, iDirectionalProgram);
    const float* afHalfway = &sDirectional.afUniform[4 * 19];
    EXPECT_EQ(afHalfway[0], 0.0f);
    EXPECT_EQ(afHalfway[1], 0.0f);
    EXPECT_EQ(afHalfway[2], 1.0f);
    glLightModelf(GL_LIGHT_MODEL_LOCAL_VIEWER, 1.0f);
    EXPECT_EQ(sCurrentDrawState().iProgram, iGeneralProgram);
    glLightModelf(GL_LIGHT_MODEL_LOCAL_VIEWER, 0.0f);
    const float afPoint[4] = {1.0f, 2.0f, 3.0f, 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, afPoint);
    EXPECT_EQ(sCurrentDrawState().iProgram, iGeneralProgram);
}

}  // namespace
