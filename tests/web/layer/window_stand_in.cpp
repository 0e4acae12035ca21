// The browser's part of GLUT (the canvas, its context and loop) stood in
// for on the host: the window opens at once, a swap ends nothing, the loop
// returns. The frame stays in the layer's frame list for the tests to read
// until they empty it.
#include <GL/glut.h>

#include "state.h"

extern "C" {

void glutInit(int* /*pargc*/, char** /*argv*/) {}
void glutInitWindowPosition(int /*x*/, int /*y*/) {}
void glutInitWindowSize(int /*width*/, int /*height*/) {}
void glutInitDisplayMode(unsigned int /*mode*/) {}
int glutCreateWindow(const char* /*title*/) {
    vResetGlState(640, 480);
    return 1;
}
void glutMainLoop() {}
void glutSwapBuffers() {}

}  // extern "C"
