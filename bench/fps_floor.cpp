// The rendering floor of the viewer, for `make fps`: the viewer's window,
// visual and fixed OpenGL state, and each frame the same clear, spin and
// transformations, but only the white wire cube, no surface. What the viewer
// reaches as a share of its frame rate is how much of a frame its own work
// leaves to drawing.
#include <GL/glut.h>

#include "app.h"

namespace {

void vDrawFloorFrame() {
    static float fPitch = 0.0f;
    static float fYaw = 0.0f;

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    fPitch += 4.0f;
    fYaw += 2.5f;
    glTranslatef(0.0f, 0.0f, -1.0f);
    glRotatef(-fPitch, 1.0f, 0.0f, 0.0f);
    glRotatef(+fYaw, 0.0f, 0.0f, 1.0f);
    vDrawWireFrame();
    glPopMatrix();
    glutSwapBuffers();
}

}  // namespace

int main(int argc, char** argv) {
    const int iWidth = 640;
    const int iHeight = 480;

    vOpenWindow(&argc, argv, iWidth, iHeight);
    glutDisplayFunc(vDrawFloorFrame);
    glutIdleFunc(vIdle);
    glutReshapeFunc(vResize);
    vSetFixedState();
    vResize(iWidth, iHeight);
    glutMainLoop();
    return 0;
}
