// The viewer's own start-up and frame drawn through the layer: what WebGL
// would get for one frame.
#include <GL/glut.h>

#include "app.h"
#include "glut_callbacks.h"
#include "settings_snapshot.h"
#include "web_layer_test.h"

namespace {

class WebViewerFrame : public WebLayerTest {
protected:
    void SetUp() override {
        WebLayerTest::SetUp();
        vSetFixedState();
        vResize(640, 480);
    }
    SettingsGuard sGuard;
};

// One clear, then the wire cube unlit and the surface lit: however many
// triangles the surface has, it is one draw from one vertex array.
TEST_F(WebViewerFrame, OneFrameIsOneClearAndTwoDraws) {
    vDrawScene();
    ASSERT_EQ(sFrame.asCommand.size(), 3u);
    EXPECT_EQ(sFrame.asCommand[0].eKind, CommandKind::Clear);
    EXPECT_EQ(sFrame.asCommand[0].iClearMask,
              GLbitfield(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT));
    const FrameCommand& sCube = sFrame.asCommand[1];
    const FrameCommand& sSurface = sFrame.asCommand[2];
    EXPECT_EQ(sCube.eDraw, DrawKind::Lines);
    EXPECT_EQ(sCube.iCount, 48);
    EXPECT_EQ(sFrame.asState[sCube.iState].afUniform[4 * 11], 0.0f) << "the cube is unlit";
    EXPECT_EQ(sSurface.eDraw, DrawKind::Triangles);
    EXPECT_GT(sSurface.iCount, 0);
    EXPECT_EQ(sSurface.iCount % 3, 0);
    EXPECT_EQ(sSurface.iFirst + sSurface.iCount, int(sFrame.asVertex.size()));
    EXPECT_EQ(sFrame.asState[sSurface.iState].afUniform[4 * 11], 1.0f) << "the surface is lit";
    EXPECT_TRUE(sFrame.asState[sSurface.iState].bDepthTest);
    EXPECT_EQ(sGl.sModelView.iTop, 0);
}

// After "w", the same surface as its triangles' edges, both sides of it
// seen; after "l", unlit.
TEST_F(WebViewerFrame, KeysChangeTheNextFramesDraw) {
    bSpin = false;
    bMove = false;
    vDrawScene();
    const int iTriangleCorners = sFrame.asCommand.at(2).iCount;
    vStartFrame();
    vKeyboard('w', 0, 0);
    vKeyboard('l', 0, 0);
    vDrawScene();
    const FrameCommand& sSurface = sFrame.asCommand.at(2);
    EXPECT_EQ(sSurface.eDraw, DrawKind::TriangleEdges);
    EXPECT_EQ(sSurface.iCount, iTriangleCorners);
    EXPECT_EQ(sFrame.asState[sSurface.iState].afUniform[4 * 11], 0.0f);
    int aiSides[3] = {0, 0, 0};
    for (int i = sSurface.iFirst; i < sSurface.iFirst + sSurface.iCount; i++) {
        aiSides[sFrame.asVertex[i].iFacing]++;
    }
    EXPECT_EQ(aiSides[iFacingByRasterizer], 0);
    EXPECT_GT(aiSides[iFacingFront], 0);
    EXPECT_GT(aiSides[iFacingBack], 0);
}

// The page calls the viewer's keyboard callbacks with GLUT's codes.
TEST_F(WebViewerFrame, PageKeysReachTheViewersCallbacks) {
    glutKeyboardFunc(vKeyboard);
    glutSpecialFunc(vSpecial);
    ASSERT_EQ(fTargetValue, 48.0f);
    vDeliverKey(sGlutKeyOf("PageUp", false), 0, 0);
    EXPECT_EQ(fTargetValue, 52.8f);
    const int iGrid = iDataSetSize;
    vDeliverKey(sGlutKeyOf("S", false), 0, 0);
    vDeliverKey(sGlutKeyOf("+", false), 0, 0);
    EXPECT_EQ(iDataSetSize, iGrid + 1);
    EXPECT_EQ(fSample, fSample1);
    glutKeyboardFunc(nullptr);
    glutSpecialFunc(nullptr);
}

}  // namespace
