// The viewer's window and the OpenGL state fixed for the whole run. The
// rendering floor of `make fps` opens the same window with the same state,
// so that the two frame rates compare like with like.
#include <GL/glut.h>

#include "app.h"

namespace {
const GLfloat afAmbientGreen[] = {0.00f, 0.25f, 0.00f, 1.00f};
const GLfloat afAmbientBlue[] = {0.00f, 0.00f, 0.25f, 1.00f};
const GLfloat afDiffuseGreen[] = {0.00f, 0.75f, 0.00f, 1.00f};
const GLfloat afDiffuseBlue[] = {0.75f, 0.00f, 0.75f, 1.00f};
const GLfloat afSpecularWhite[] = {1.00f, 1.00f, 1.00f, 1.00f};
}  // namespace

// Position and size are set after glutInit, so they override any given on
// the command line.
void vOpenWindow(int* piArgc, char** aszArgv, int iWidth, int iHeight) {
    glutInit(piArgc, aszArgv);
    glutInitWindowPosition(600, 0);
    glutInitWindowSize(iWidth, iHeight);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutCreateWindow("Orvane");
}

void vSetFixedState() {
    const GLfloat afPropertiesAmbient[] = {0.50f, 0.50f, 0.50f, 1.00f};
    const GLfloat afPropertiesDiffuse[] = {0.75f, 0.75f, 0.75f, 1.00f};
    const GLfloat afPropertiesSpecular[] = {1.00f, 1.00f, 1.00f, 1.00f};

    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClearDepth(1.0);

    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glPolygonMode(GL_FRONT_AND_BACK, ePolygonMode);

    // Light 0 keeps OpenGL's default position.
    glLightfv(GL_LIGHT0, GL_AMBIENT, afPropertiesAmbient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, afPropertiesDiffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, afPropertiesSpecular);
    glLightModelf(GL_LIGHT_MODEL_TWO_SIDE, 1.0f);
    glEnable(GL_LIGHT0);

    // The side facing lower field values is the front; the sources' side is
    // the back, which gets no specular colour of its own.
    glMaterialfv(GL_BACK, GL_AMBIENT, afAmbientGreen);
    glMaterialfv(GL_BACK, GL_DIFFUSE, afDiffuseGreen);
    glMaterialfv(GL_FRONT, GL_AMBIENT, afAmbientBlue);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, afDiffuseBlue);
    glMaterialfv(GL_FRONT, GL_SPECULAR, afSpecularWhite);
    glMaterialf(GL_FRONT, GL_SHININESS, 25.0f);
}
