// The part of GLUT the viewer calls, as the page's layer provides it
// (src/web): one window, the canvas; its event loop, the browser's
// animation frames. Names and values are GLUT's own.
#pragma once

#include <GL/gl.h>

#define GLUT_RGB 0
#define GLUT_RGBA 0
#define GLUT_SINGLE 0
#define GLUT_DOUBLE 2
#define GLUT_ALPHA 8
#define GLUT_DEPTH 16
#define GLUT_STENCIL 32

#define GLUT_KEY_F1 1
#define GLUT_KEY_F2 2
#define GLUT_KEY_F3 3
#define GLUT_KEY_F4 4
#define GLUT_KEY_F5 5
#define GLUT_KEY_F6 6
#define GLUT_KEY_F7 7
#define GLUT_KEY_F8 8
#define GLUT_KEY_F9 9
#define GLUT_KEY_F10 10
#define GLUT_KEY_F11 11
#define GLUT_KEY_F12 12
#define GLUT_KEY_LEFT 100
#define GLUT_KEY_UP 101
#define GLUT_KEY_RIGHT 102
#define GLUT_KEY_DOWN 103
#define GLUT_KEY_PAGE_UP 104
#define GLUT_KEY_PAGE_DOWN 105
#define GLUT_KEY_HOME 106
#define GLUT_KEY_END 107
#define GLUT_KEY_INSERT 108

#ifdef __cplusplus
extern "C" {
#endif

void glutInit(int* pargc, char** argv);
void glutInitWindowPosition(int x, int y);
void glutInitWindowSize(int width, int height);
void glutInitDisplayMode(unsigned int mode);
int glutCreateWindow(const char* title);

void glutDisplayFunc(void (*callback)(void));
void glutIdleFunc(void (*callback)(void));
void glutReshapeFunc(void (*callback)(int width, int height));
void glutKeyboardFunc(void (*callback)(unsigned char key, int x, int y));
void glutSpecialFunc(void (*callback)(int key, int x, int y));

void glutMainLoop(void);
void glutPostRedisplay(void);
void glutSwapBuffers(void);

void glutWireCube(double size);

#ifdef __cplusplus
}
#endif
