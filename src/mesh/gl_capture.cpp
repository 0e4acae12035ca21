// The three OpenGL entry points the polygonizers call, defined here in place
// of libGL. Colour and normal are state, as in OpenGL; the vertex call hands
// the corner on with the state current at that moment. The state is each
// thread's own, as an OpenGL context is, since several threads sweep at once.
#include <GL/gl.h>

#include "capture.h"

CornerSink* pfCornerSink = nullptr;

namespace {
// OpenGL's initial current colour and normal.
thread_local GLvector sCurrentColor = {1.0f, 1.0f, 1.0f};
thread_local GLvector sCurrentNormal = {0.0f, 0.0f, 1.0f};
}  // namespace

extern "C" {

void APIENTRY glColor3f(GLfloat fRed, GLfloat fGreen, GLfloat fBlue) {
    sCurrentColor = {fRed, fGreen, fBlue};
}

void APIENTRY glNormal3f(GLfloat fX, GLfloat fY, GLfloat fZ) {
    sCurrentNormal = {fX, fY, fZ};
}

void APIENTRY glVertex3f(GLfloat fX, GLfloat fY, GLfloat fZ) {
    if (pfCornerSink != nullptr) {
        pfCornerSink(MeshCorner{{fX, fY, fZ}, sCurrentNormal, sCurrentColor});
    }
}

}  // extern "C"
