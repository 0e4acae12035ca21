// GLUT's callback registrations and redisplay request.
#include "glut_callbacks.h"

#include <GL/glut.h>

GlutCallbacks sGlut;

void vDeliverKey(const GlutKey& sKey, int iX, int iY) {
    if (sKey.eKind == KeyKind::Character && sGlut.pKeyboard != nullptr) {
        sGlut.pKeyboard(static_cast<unsigned char>(sKey.iCode), iX, iY);
    } else if (sKey.eKind == KeyKind::Special && sGlut.pSpecial != nullptr) {
        sGlut.pSpecial(sKey.iCode, iX, iY);
    }
}

void vDeliverReshape(int iWidth, int iHeight) {
    if (sGlut.pReshape != nullptr) {
        sGlut.pReshape(iWidth, iHeight);
    } else {
        glViewport(0, 0, iWidth, iHeight);
    }
}

extern "C" {

void glutDisplayFunc(void (*callback)()) {
    sGlut.pDisplay = callback;
}
void glutIdleFunc(void (*callback)()) {
    sGlut.pIdle = callback;
}
void glutReshapeFunc(void (*callback)(int, int)) {
    sGlut.pReshape = callback;
}
void glutKeyboardFunc(void (*callback)(unsigned char, int, int)) {
    sGlut.pKeyboard = callback;
}
void glutSpecialFunc(void (*callback)(int, int, int)) {
    sGlut.pSpecial = callback;
}
void glutPostRedisplay() {
    sGlut.bRedisplay = true;
}

}  // extern "C"
