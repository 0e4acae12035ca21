// The OpenGL state the page's layer keeps: everything the viewer's calls
// set, with the matrix stacks and the attribute stack.
#pragma once

#include <GL/gl.h>

#include "lighting.h"
#include "matrix.h"

// The values glPushAttrib can save, in its groups.
struct GlAttributes {
    LightingState sLighting;  // GL_LIGHTING_BIT; its enables also GL_ENABLE_BIT
    bool bDepthTest;          // GL_DEPTH_BUFFER_BIT and GL_ENABLE_BIT
    float fClearDepth;        // GL_DEPTH_BUFFER_BIT
    float afClearColor[4];    // GL_COLOR_BUFFER_BIT
    GLenum aePolygonMode[2];  // GL_POLYGON_BIT; front, then back
    int aiViewport[4];        // GL_VIEWPORT_BIT
    GLenum eMatrixMode;       // GL_TRANSFORM_BIT
    float afColor[4];         // GL_CURRENT_BIT
    float afNormal[3];        // GL_CURRENT_BIT
};

// OpenGL's minimum depths for the model-view and attribute stacks; the
// projection stack gets as many levels as the model-view one.
const int iMatrixStackDepth = 32;
const int iAttribStackDepth = 16;

struct MatrixStack {
    Matrix4 asLevel[iMatrixStackDepth];
    int iTop;
};

struct SavedAttributes {
    GLbitfield iMask;
    GlAttributes sAttributes;
};

struct GlState {
    GlAttributes sNow;
    MatrixStack sModelView;
    MatrixStack sProjection;
    SavedAttributes asSaved[iAttribStackDepth];
    int iSavedCount;
};

extern GlState sGl;

// Back to OpenGL's initial state with the viewport given (a new context's
// viewport is its window).
void vResetGlState(int iWidth, int iHeight);

// The stack glMatrixMode selected.
MatrixStack& rsCurrentStack();
const Matrix4& rsTop(const MatrixStack& sStack);
// A push on a full stack or a pop of its last level does nothing (OpenGL's
// stack overflow and underflow errors).
void vPushMatrixOf(MatrixStack& rsStack);
void vPopMatrixOf(MatrixStack& rsStack);
// The top level becomes top × sMatrix.
void vMultiplyTop(MatrixStack& rsStack, const Matrix4& sMatrix);

void vSetCapability(GLenum eCapability, bool bOn);
void vPushAttributes(GLbitfield iMask);
void vPopAttributes();
