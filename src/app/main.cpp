// The entry point: the window, the OpenGL state fixed for the whole run, the
// callbacks, and then GLUT's event loop for good.
#include <GL/glut.h>

#include "app.h"

// Closing the window ends the process from inside GLUT.
int main(int argc, char** argv) {
    const int iWidth = 640;
    const int iHeight = 480;

    vOpenWindow(&argc, argv, iWidth, iHeight);

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
