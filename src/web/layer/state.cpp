// The layer's OpenGL state: matrix stacks, capabilities and the attribute
// stack, as OpenGL 1.1 defines them.
#include "state.h"

#include <algorithm>
#include <iterator>

GlState sGl;

namespace {
void vResetStack(MatrixStack& rsStack) {
    rsStack.iTop = 0;
    rsStack.asLevel[0] = sIdentity();
}
}  // namespace

void vResetGlState(int iWidth, int iHeight) {
    GlAttributes& rsNow = sGl.sNow;
    rsNow.sLighting = sInitialLighting();
    rsNow.bDepthTest = false;
    rsNow.fClearDepth = 1.0f;
    std::fill(std::begin(rsNow.afClearColor), std::end(rsNow.afClearColor), 0.0f);
    rsNow.aePolygonMode[0] = GL_FILL;
    rsNow.aePolygonMode[1] = GL_FILL;
    const int aiViewport[4] = {0, 0, iWidth, iHeight};
    for (int i = 0; i < 4; i++) {
        rsNow.aiViewport[i] = aiViewport[i];
    }
    rsNow.eMatrixMode = GL_MODELVIEW;
    const float afColor[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    const float afNormal[3] = {0.0f, 0.0f, 1.0f};
    for (int i = 0; i < 4; i++) {
        rsNow.afColor[i] = afColor[i];
    }
    for (int i = 0; i < 3; i++) {
        rsNow.afNormal[i] = afNormal[i];
    }
    vResetStack(sGl.sModelView);
    vResetStack(sGl.sProjection);
    sGl.iSavedCount = 0;
}

MatrixStack& rsCurrentStack() {
    return sGl.sNow.eMatrixMode == GL_PROJECTION ? sGl.sProjection : sGl.sModelView;
}

const Matrix4& rsTop(const MatrixStack& sStack) {
    return sStack.asLevel[sStack.iTop];
}

void vPushMatrixOf(MatrixStack& rsStack) {
    if (rsStack.iTop + 1 < iMatrixStackDepth) {
        rsStack.asLevel[rsStack.iTop + 1] = rsStack.asLevel[rsStack.iTop];
        rsStack.iTop++;
    }
}

void vPopMatrixOf(MatrixStack& rsStack) {
    if (rsStack.iTop > 0) {
        rsStack.iTop--;
    }
}

void vMultiplyTop(MatrixStack& rsStack, const Matrix4& sMatrix) {
    rsStack.asLevel[rsStack.iTop] = sProduct(rsStack.asLevel[rsStack.iTop], sMatrix);
}

// Capabilities the layer does not draw are accepted and ignored.
void vSetCapability(GLenum eCapability, bool bOn) {
    switch (eCapability) {
        case GL_LIGHTING:
            sGl.sNow.sLighting.bLighting = bOn;
            break;
        case GL_LIGHT0:
            sGl.sNow.sLighting.bLight0 = bOn;
            break;
        case GL_DEPTH_TEST:
            sGl.sNow.bDepthTest = bOn;
            break;
        default:
            break;
    }
}

void vPushAttributes(GLbitfield iMask) {
    if (sGl.iSavedCount < iAttribStackDepth) {
        sGl.asSaved[sGl.iSavedCount] = SavedAttributes{iMask, sGl.sNow};
        sGl.iSavedCount++;
    }
}

// The groups are restored in the order below, so that where two overlap
// (the enables of GL_ENABLE_BIT) both restore the same saved values.
void vPopAttributes() {
    if (sGl.iSavedCount == 0) {
        return;
    }
    sGl.iSavedCount--;
    const GLbitfield iMask = sGl.asSaved[sGl.iSavedCount].iMask;
    const GlAttributes& sOld = sGl.asSaved[sGl.iSavedCount].sAttributes;
    GlAttributes& rsNow = sGl.sNow;
    if ((iMask & GL_LIGHTING_BIT) != 0) {
        rsNow.sLighting = sOld.sLighting;
    }
    if ((iMask & GL_ENABLE_BIT) != 0) {
        rsNow.sLighting.bLighting = sOld.sLighting.bLighting;
        rsNow.sLighting.bLight0 = sOld.sLighting.bLight0;
        rsNow.bDepthTest = sOld.bDepthTest;
    }
    if ((iMask & GL_DEPTH_BUFFER_BIT) != 0) {
        rsNow.bDepthTest = sOld.bDepthTest;
        rsNow.fClearDepth = sOld.fClearDepth;
    }
    if ((iMask & GL_COLOR_BUFFER_BIT) != 0) {
        for (int i = 0; i < 4; i++) {
            rsNow.afClearColor[i] = sOld.afClearColor[i];
        }
    }
    if ((iMask & GL_POLYGON_BIT) != 0) {
        rsNow.aePolygonMode[0] = sOld.aePolygonMode[0];
        rsNow.aePolygonMode[1] = sOld.aePolygonMode[1];
    }
    if ((iMask & GL_VIEWPORT_BIT) != 0) {
        for (int i = 0; i < 4; i++) {
            rsNow.aiViewport[i] = sOld.aiViewport[i];
        }
    }
    if ((iMask & GL_TRANSFORM_BIT) != 0) {
        rsNow.eMatrixMode = sOld.eMatrixMode;
    }
    if ((iMask & GL_CURRENT_BIT) != 0) {
        for (int i = 0; i < 4; i++) {
            rsNow.afColor[i] = sOld.afColor[i];
        }
        for (int i = 0; i < 3; i++) {
            rsNow.afNormal[i] = sOld.afNormal[i];
        }
    }
}
