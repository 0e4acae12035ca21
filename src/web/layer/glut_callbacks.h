// The callbacks the program registered with GLUT, and the window's
// redisplay request.
#pragma once

#include "key_map.h"

struct GlutCallbacks {
    void (*pfDisplay)();
    void (*pfIdle)();
    void (*pfReshape)(int, int);
    void (*pfKeyboard)(unsigned char, int, int);
    void (*pfSpecial)(int, int, int);
    bool bRedisplay;
};

extern GlutCallbacks sGlut;

// Calls the keyboard or special-key callback, if one is registered, as GLUT
// does for a key pressed with the pointer at (iX, iY).
void vDeliverKey(const GlutKey& sKey, int iX, int iY);
// GLUT's reshape: the program's callback, or GLUT's own default, a viewport
// over the whole window.
void vDeliverReshape(int iWidth, int iHeight);
