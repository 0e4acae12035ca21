#include "gl_sink.h"

#include <GL/glut.h>

GlSinkCounts sGlSink = {0, 0};

namespace {
inline void vCount() {
    sGlSink.iCalls++;
}
}  // namespace

extern "C" {

void APIENTRY glBegin(GLenum) {
    vCount();
}
void APIENTRY glEnd() {
    vCount();
}
void APIENTRY glColor3f(GLfloat, GLfloat, GLfloat) {
    vCount();
}
void APIENTRY glNormal3f(GLfloat, GLfloat, GLfloat) {
    vCount();
}
void APIENTRY glVertex3f(GLfloat, GLfloat, GLfloat) {
    vCount();
    sGlSink.iVertices++;
}
void APIENTRY glClear(GLbitfield) {
    vCount();
}
void APIENTRY glPushMatrix() {
    vCount();
}
void APIENTRY glPopMatrix() {
    vCount();
}
void APIENTRY glTranslatef(GLfloat, GLfloat, GLfloat) {
    vCount();
}
void APIENTRY glRotatef(GLfloat, GLfloat, GLfloat, GLfloat) {
    vCount();
}
void APIENTRY glPushAttrib(GLbitfield) {
    vCount();
}
void APIENTRY glPopAttrib() {
    vCount();
}
void APIENTRY glEnable(GLenum) {
    vCount();
}
void APIENTRY glDisable(GLenum) {
    vCount();
}
void APIENTRY glViewport(GLint, GLint, GLsizei, GLsizei) {
    vCount();
}
void APIENTRY glMatrixMode(GLenum) {
    vCount();
}
void APIENTRY glLoadIdentity() {
    vCount();
}
void APIENTRY glOrtho(GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble) {
    vCount();
}
void APIENTRY glClearColor(GLclampf, GLclampf, GLclampf, GLclampf) {
    vCount();
}
void APIENTRY glClearDepth(GLclampd) {
    vCount();
}
void APIENTRY glPolygonMode(GLenum, GLenum) {
    vCount();
}
void APIENTRY glLightfv(GLenum, GLenum, const GLfloat*) {
    vCount();
}
void APIENTRY glLightModelf(GLenum, GLfloat) {
    vCount();
}
void APIENTRY glMaterialfv(GLenum, GLenum, const GLfloat*) {
    vCount();
}
void APIENTRY glMaterialf(GLenum, GLenum, GLfloat) {
    vCount();
}

void FGAPIENTRY glutInit(int*, char**) {
    vCount();
}
void FGAPIENTRY glutInitWindowPosition(int, int) {
    vCount();
}
void FGAPIENTRY glutInitWindowSize(int, int) {
    vCount();
}
void FGAPIENTRY glutInitDisplayMode(unsigned int) {
    vCount();
}
int FGAPIENTRY glutCreateWindow(const char*) {
    vCount();
    return 1;
}
void FGAPIENTRY glutDisplayFunc(void (*)()) {
    vCount();
}
void FGAPIENTRY glutIdleFunc(void (*)()) {
    vCount();
}
void FGAPIENTRY glutReshapeFunc(void (*)(int, int)) {
    vCount();
}
void FGAPIENTRY glutKeyboardFunc(void (*)(unsigned char, int, int)) {
    vCount();
}
void FGAPIENTRY glutSpecialFunc(void (*)(int, int, int)) {
    vCount();
}
void FGAPIENTRY glutMainLoop() {
    vCount();
}
void FGAPIENTRY glutSwapBuffers() {
    vCount();
}
void FGAPIENTRY glutPostRedisplay() {
    vCount();
}
void FGAPIENTRY glutWireCube(double) {
    vCount();
}

}  // extern "C"
