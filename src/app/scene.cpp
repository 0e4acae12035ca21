// One frame: the turning scene, the wire frame of the sample cube and the
// isosurface inside it.
#include <GL/glut.h>

#include "app.h"
#include "field.h"
#include "frame_clock.h"
#include "polygonize.h"

GLenum ePolygonMode = GL_FILL;
bool bSpin = true;
bool bMove = true;
bool bLight = true;

// The angles and the clock step once per frame, not per unit of time, and are
// never wrapped: the animation's speed follows the frame rate. The clock's
// step is orvane-mesh's too (frame_clock.h).
void vDrawScene() {
    static float fPitch = 0.0f;
    static float fYaw = 0.0f;
    static float fTime = 0.0f;

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();

    if (bSpin) {
        fPitch += 4.0f;
        fYaw += 2.5f;
    }
    if (bMove) {
        fTime = fNextFrameClock(fTime);
    }
    // Every frame, moving or not: the sources are placed from the clock alone.
    vSetTime(fTime);

    glTranslatef(0.0f, 0.0f, -1.0f);
    glRotatef(-fPitch, 1.0f, 0.0f, 0.0f);
    glRotatef(+fYaw, 0.0f, 0.0f, 1.0f);

    vDrawWireFrame();

    glPushMatrix();
    glTranslatef(-0.5f, -0.5f, -0.5f);
    glBegin(GL_TRIANGLES);
    vMarchingCubes();
    glEnd();
    glPopMatrix();

    glPopMatrix();
    glutSwapBuffers();
}

// Popping the attribute restores whatever lighting the keyboard left on or
// off.
void vDrawWireFrame() {
    glPushAttrib(GL_LIGHTING_BIT);
    glDisable(GL_LIGHTING);
    glColor3f(1.0f, 1.0f, 1.0f);
    glutWireCube(1.0);
    glPopAttrib();
}

void vIdle() {
    glutPostRedisplay();
}
