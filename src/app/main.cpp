// The entry point: the window, the OpenGL state fixed for the whole run, the
// callbacks, and then GLUT's event loop for good.
#include <GL/glut.h>

#include "app.h"

namespace {
const GLfloat afAmbientGreen[] = {0.00f, 0.25f, 0.00f, 1.00f};
const GLfloat afAmbientBlue[] = {0.00f, 0.00f, 0.25f, 1.00f};
const GLfloat afDiffuseGreen[] = {0.00f, 0.75f, 0.00f, 1.00f};
const GLfloat afDiffuseBlue[] = {0.75f, 0.00f, 0.75f, 1.00f};
const GLfloat afSpecularWhite[] = {1.00f, 1.00f, 1.00f, 1.00f};

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
}  // namespace

// Position and size are set after glutInit, so they override any given on
// the command line. Closing the window ends the process from inside GLUT.
int main(int argc, char** argv) {
    const int iWidth = 640;
    const int iHeight = 480;

    glutInit(&argc, argv);
    glutInitWindowPosition(600, 0);
    glutInitWindowSize(iWidth, iHeight);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutCreateWindow("Orvane");

    glutDisplayFunc(vDrawScene);
    glutIdleFunc(vIdle);
    glutReshapeFunc(vResize);
    glutKeyboardFunc(vKeyboard);
    glutSpecialFunc(vSpecial);

    vSetFixedState();
    vResize(iWidth, iHeight);
    vPrintHelp();
    glutMainLoop();
    return 0;
}
