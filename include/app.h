// The application shell: display settings, the GLUT callbacks and the help text.
#pragma once

#include <GL/gl.h>

extern GLenum ePolygonMode;
extern bool bSpin;
extern bool bMove;
extern bool bLight;

void vDrawScene();
void vIdle();
void vResize(int iWidth, int iHeight);
void vKeyboard(unsigned char cKey, int iX, int iY);
void vSpecial(int iKey, int iX, int iY);
void vPrintHelp();
