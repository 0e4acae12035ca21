#include "gl_record.h"

#include <GL/glut.h>

// freeglut's mark for its calling convention; the page layer's GLUT header,
// which another processor's build uses (cmake/cross), has none.
#ifndef FGAPIENTRY
#define FGAPIENTRY
#endif

#include <algorithm>
#include <cmath>
#include <initializer_list>

RecorderState sRecorder;

void vResetRecorder() {
    sRecorder.asCalls.clear();
    sRecorder.iCallCount = 0;
    sRecorder.iVertexCount = 0;
    sRecorder.iNonFiniteVertexCount = 0;
    for (int iAxis = 0; iAxis < 3; iAxis++) {
        sRecorder.afVertexMin[iAxis] = HUGE_VAL;
        sRecorder.afVertexMax[iAxis] = -HUGE_VAL;
    }
}

void vResetRecorderFully() {
    sRecorder.eMode = RecorderMode::Record;
    sRecorder.pfOnCall = nullptr;
    vResetRecorder();
}

std::vector<Point> asRecordedVertices() {
    std::vector<Point> asVertices;
    for (const RecordedCall& sCall : sRecorder.asCalls) {
        if (sCall.strName == "glVertex3f") {
            asVertices.push_back({sCall.afArg.at(0), sCall.afArg.at(1), sCall.afArg.at(2)});
        }
    }
    return asVertices;
}

std::vector<RecordedCall> asCallsNamed(const std::string& strName) {
    std::vector<RecordedCall> asResult;
    for (const RecordedCall& sCall : sRecorder.asCalls) {
        if (sCall.strName == strName) {
            asResult.push_back(sCall);
        }
    }
    return asResult;
}

std::vector<std::string> astrCallNames() {
    std::vector<std::string> astrResult;
    for (const RecordedCall& sCall : sRecorder.asCalls) {
        astrResult.push_back(sCall.strName);
    }
    return astrResult;
}

namespace {

RecordedCall* pRecord(const char* szName, std::initializer_list<double> afArg) {
    if (sRecorder.pfOnCall) {
        sRecorder.pfOnCall(szName);
    }
    sRecorder.iCallCount++;
    if (sRecorder.eMode != RecorderMode::Record) {
        return nullptr;
    }
    sRecorder.asCalls.push_back(RecordedCall{szName, afArg, {}, nullptr});
    return &sRecorder.asCalls.back();
}

void vRecordArray(const char* szName, std::initializer_list<double> afArg, const GLfloat* afValue) {
    if (RecordedCall* pCall = pRecord(szName, afArg)) {
        for (int i = 0; i < 4; i++) {
            pCall->afArg.push_back(afValue[i]);
        }
    }
}

void vRecordCallback(const char* szName, const void* pCallback) {
    if (RecordedCall* pCall = pRecord(szName, {})) {
        pCall->pCallback = pCallback;
    }
}

}  // namespace

extern "C" {

void APIENTRY glBegin(GLenum mode) {
    pRecord("glBegin", {double(mode)});
}
void APIENTRY glEnd() {
    pRecord("glEnd", {});
}
void APIENTRY glColor3f(GLfloat r, GLfloat g, GLfloat b) {
    pRecord("glColor3f", {r, g, b});
}
void APIENTRY glNormal3f(GLfloat x, GLfloat y, GLfloat z) {
    pRecord("glNormal3f", {x, y, z});
}
void APIENTRY glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    sRecorder.iVertexCount++;
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z)) {
        sRecorder.iNonFiniteVertexCount++;
    } else {
        const double afVertex[3] = {x, y, z};
        for (int iAxis = 0; iAxis < 3; iAxis++) {
            sRecorder.afVertexMin[iAxis] = std::min(sRecorder.afVertexMin[iAxis], afVertex[iAxis]);
            sRecorder.afVertexMax[iAxis] = std::max(sRecorder.afVertexMax[iAxis], afVertex[iAxis]);
        }
    }
    pRecord("glVertex3f", {x, y, z});
}
void APIENTRY glClear(GLbitfield mask) {
    pRecord("glClear", {double(mask)});
}
void APIENTRY glPushMatrix() {
    pRecord("glPushMatrix", {});
}
void APIENTRY glPopMatrix() {
    pRecord("glPopMatrix", {});
}
void APIENTRY glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    pRecord("glTranslatef", {x, y, z});
}
void APIENTRY glRotatef(GLfloat a, GLfloat x, GLfloat y, GLfloat z) {
    pRecord("glRotatef", {a, x, y, z});
}
void APIENTRY glPushAttrib(GLbitfield mask) {
    pRecord("glPushAttrib", {double(mask)});
}
void APIENTRY glPopAttrib() {
    pRecord("glPopAttrib", {});
}
void APIENTRY glEnable(GLenum cap) {
    pRecord("glEnable", {double(cap)});
}
void APIENTRY glDisable(GLenum cap) {
    pRecord("glDisable", {double(cap)});
}
void APIENTRY glViewport(GLint x, GLint y, GLsizei w, GLsizei h) {
    pRecord("glViewport", {double(x), double(y), double(w), double(h)});
}
void APIENTRY glMatrixMode(GLenum mode) {
    pRecord("glMatrixMode", {double(mode)});
}
void APIENTRY glLoadIdentity() {
    pRecord("glLoadIdentity", {});
}
void APIENTRY glOrtho(GLdouble l, GLdouble r, GLdouble b, GLdouble t, GLdouble n, GLdouble f) {
    pRecord("glOrtho", {l, r, b, t, n, f});
}
void APIENTRY glClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf a) {
    pRecord("glClearColor", {r, g, b, a});
}
void APIENTRY glClearDepth(GLclampd depth) {
    pRecord("glClearDepth", {depth});
}
void APIENTRY glPolygonMode(GLenum face, GLenum mode) {
    pRecord("glPolygonMode", {double(face), double(mode)});
}
void APIENTRY glLightfv(GLenum light, GLenum pname, const GLfloat* params) {
    vRecordArray("glLightfv", {double(light), double(pname)}, params);
}
void APIENTRY glLightModelf(GLenum pname, GLfloat param) {
    pRecord("glLightModelf", {double(pname), param});
}
void APIENTRY glMaterialfv(GLenum face, GLenum pname, const GLfloat* params) {
    vRecordArray("glMaterialfv", {double(face), double(pname)}, params);
}
void APIENTRY glMaterialf(GLenum face, GLenum pname, GLfloat param) {
    pRecord("glMaterialf", {double(face), double(pname), param});
}

void FGAPIENTRY glutInit(int* pargc, char** argv) {
    if (RecordedCall* pCall = pRecord("glutInit", {double(*pargc)})) {
        for (int i = 0; i < *pargc; i++) {
            pCall->strText += (i ? " " : "") + std::string(argv[i]);
        }
    }
}
void FGAPIENTRY glutInitWindowPosition(int x, int y) {
    pRecord("glutInitWindowPosition", {double(x), double(y)});
}
void FGAPIENTRY glutInitWindowSize(int w, int h) {
    pRecord("glutInitWindowSize", {double(w), double(h)});
}
void FGAPIENTRY glutInitDisplayMode(unsigned int mode) {
    pRecord("glutInitDisplayMode", {double(mode)});
}
int FGAPIENTRY glutCreateWindow(const char* title) {
    if (RecordedCall* pCall = pRecord("glutCreateWindow", {})) {
        pCall->strText = title;
    }
    return 1;
}
void FGAPIENTRY glutDisplayFunc(void (*callback)()) {
    vRecordCallback("glutDisplayFunc", reinterpret_cast<const void*>(callback));
}
void FGAPIENTRY glutIdleFunc(void (*callback)()) {
    vRecordCallback("glutIdleFunc", reinterpret_cast<const void*>(callback));
}
void FGAPIENTRY glutReshapeFunc(void (*callback)(int, int)) {
    vRecordCallback("glutReshapeFunc", reinterpret_cast<const void*>(callback));
}
void FGAPIENTRY glutKeyboardFunc(void (*callback)(unsigned char, int, int)) {
    vRecordCallback("glutKeyboardFunc", reinterpret_cast<const void*>(callback));
}
void FGAPIENTRY glutSpecialFunc(void (*callback)(int, int, int)) {
    vRecordCallback("glutSpecialFunc", reinterpret_cast<const void*>(callback));
}
// The real loop never returns; this one returns at once so that a test can
// run main's start-up to its end.
void FGAPIENTRY glutMainLoop() {
    pRecord("glutMainLoop", {});
}
void FGAPIENTRY glutSwapBuffers() {
    pRecord("glutSwapBuffers", {});
}
void FGAPIENTRY glutPostRedisplay() {
    pRecord("glutPostRedisplay", {});
}
void FGAPIENTRY glutWireCube(double size) {
    pRecord("glutWireCube", {size});
}

}  // extern "C"
