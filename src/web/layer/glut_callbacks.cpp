// GLUT's callback registrations and redisplay request.
#include "glut_callbacks.h"

#include <GL/glut.h>

GlutCallbacks sGlut;

void vDeliverKey(const GlutKey& sKey, int iX, int iY) {
    if (sKey.eKind == KeyKind::Character && sGlut.pfKeyboard != nullptr) {
        sGlut.pfKeyboard(static_cast<unsigned char>(sKey.iCode), iX, iY);
    } else if (sKey.eKind == KeyKind::Special && sGlut.pfSpecial != nullptr) {
        sGlut.pfSpecial(sKey.iCode, iX, iY);
    }
}

void vDeliverReshape(int iWidth, int iHeight) {
    if (sGlut.pfReshape != nullptr) {
        sGlut.pfReshape(iWidth, iHeight);
    } else {
        glViewport(0, 0, iWidth, iHeight);
    }
}

extern "C" {

void glutDisplayFunc(void (*callback)()) {
    sGlut.pfDisplay = callback;
}
void glutIdleFunc(void (*callback)()) {
    sGlut.pfIdle = callback;
}
void glutReshapeFunc(void (*callback)(int, int)) {
    sGlut.pfReshape = callback;
}
void glutKeyboardFunc(void (*callback)(unsigned char, int, int)) {
    sGlut.pfKeyboard = callback;
}
void glutSpecialFunc(void (*callback)(int, int, int)) {
    sGlut.pfSpecial = callback;
}
void glutPostRedisplay() {
    sGlut.bRedisplay = true;
}

}  // extern "C"
