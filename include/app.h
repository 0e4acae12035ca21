// The application shell: display settings, the GLUT callbacks and the help text.
#pragma once

#include <GL/gl.h>

extern GLenum ePolygonMode;
extern bool bSpin;
extern bool bMove;
extern bool bLight;

// The window (title, position, the given size, visual) and the OpenGL state
// that stays fixed for the whole run.
void vOpenWindow(int* piArgc, char** aszArgv, int iWidth, int iHeight);
void vSetFixedState();

void vDrawScene();
// The white wire frame of the unit cube, drawn unlit.
void vDrawWireFrame();
void vIdle();
void vResize(int iWidth, int iHeight);
void vKeyboard(unsigned char cKey, int iX, int iY);
void vSpecial(int iKey, int iX, int iY);
void vPrintHelp();
