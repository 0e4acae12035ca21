// The OpenGL 1.1 entry points the viewer calls, over the layer's state; the
// drawing they ask for waits in the frame until the buffer swap.
#include <GL/gl.h>

#include <algorithm>

#include "frame.h"
#include "immediate.h"
#include "lighting.h"
#include "matrix.h"
#include "state.h"

extern "C" {

void glBegin(GLenum mode) {
    vBeginPrimitives(mode);
}
void glEnd() {
    vEndPrimitives();
}
void glColor3f(GLfloat red, GLfloat green, GLfloat blue) {
    float* afColor = sGl.sNow.afColor;
    afColor[0] = red;
    afColor[1] = green;
    afColor[2] = blue;
    afColor[3] = 1.0f;
}
void glNormal3f(GLfloat nx, GLfloat ny, GLfloat nz) {
    float* afNormal = sGl.sNow.afNormal;
    afNormal[0] = nx;
    afNormal[1] = ny;
    afNormal[2] = nz;
}
void glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    vAddVertex(x, y, z);
}

void glClear(GLbitfield mask) {
    vAddClear(mask & (GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT));
}
void glClearColor(GLclampf red, GLclampf green, GLclampf blue, GLclampf alpha) {
    const float afColor[4] = {red, green, blue, alpha};
    for (int i = 0; i < 4; i++) {
        sGl.sNow.afClearColor[i] = std::clamp(afColor[i], 0.0f, 1.0f);
    }
}
void glClearDepth(GLclampd depth) {
    sGl.sNow.fClearDepth = float(std::clamp(depth, 0.0, 1.0));
}

void glMatrixMode(GLenum mode) {
    if (mode == GL_MODELVIEW || mode == GL_PROJECTION) {
        sGl.sNow.eMatrixMode = mode;
    }
}
void glLoadIdentity() {
    MatrixStack& rsStack = rsCurrentStack();
    rsStack.asLevel[rsStack.iTop] = sIdentity();
}
void glPushMatrix() {
    vPushMatrixOf(rsCurrentStack());
}
void glPopMatrix() {
    vPopMatrixOf(rsCurrentStack());
}
void glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    vMultiplyTop(rsCurrentStack(), sTranslation(x, y, z));
}
void glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
    vMultiplyTop(rsCurrentStack(), sRotation(angle, x, y, z));
}
void glOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear,
             GLdouble zFar) {
    vMultiplyTop(rsCurrentStack(), sOrthographic(left, right, bottom, top, zNear, zFar));
}
void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    if (width < 0 || height < 0) {
        return;
    }
    const int aiViewport[4] = {x, y, width, height};
    std::copy(aiViewport, aiViewport + 4, sGl.sNow.aiViewport);
}

void glEnable(GLenum cap) {
    vSetCapability(cap, true);
}
void glDisable(GLenum cap) {
    vSetCapability(cap, false);
}
void glPushAttrib(GLbitfield mask) {
    vPushAttributes(mask);
}
void glPopAttrib() {
    vPopAttributes();
}
void glPolygonMode(GLenum face, GLenum mode) {
    if (mode != GL_LINE && mode != GL_FILL) {
        return;
    }
    if (face == GL_FRONT || face == GL_FRONT_AND_BACK) {
        sGl.sNow.aePolygonMode[0] = mode;
    }
    if (face == GL_BACK || face == GL_FRONT_AND_BACK) {
        sGl.sNow.aePolygonMode[1] = mode;
    }
}

void glLightfv(GLenum light, GLenum pname, const GLfloat* params) {
    vSetLight(sGl.sNow.sLighting, light, pname, params, rsTop(sGl.sModelView));
}
void glLightModelf(GLenum pname, GLfloat param) {
    vSetLightModel(sGl.sNow.sLighting, pname, param);
}
void glMaterialfv(GLenum face, GLenum pname, const GLfloat* params) {
    vSetMaterial(sGl.sNow.sLighting, face, pname, params);
}
// glMaterialf sets only the shininess.
void glMaterialf(GLenum face, GLenum pname, GLfloat param) {
    if (pname == GL_SHININESS) {
        vSetMaterial(sGl.sNow.sLighting, face, pname, &param);
    }
}

}  // extern "C"
