// The page's keyboard, and its buttons, for GLUT's keyboard callbacks.
#include <emscripten.h>
#include <emscripten/html5.h>

#include "glut_callbacks.h"
#include "glut_window.h"
#include "key_map.h"

namespace {
// The pointer over the canvas, in window pixels, for the callbacks' x and y.
int iPointerX = 0;
int iPointerY = 0;

EM_BOOL bOnKeyDown(int /*iType*/, const EmscriptenKeyboardEvent* pEvent, void* /*pData*/) {
    const GlutKey sKey = sGlutKeyOf(
        pEvent->key, pEvent->ctrlKey != 0 || pEvent->altKey != 0 || pEvent->metaKey != 0);
    vDeliverKey(sKey, iPointerX, iPointerY);
    return sKey.bPreventDefault ? EM_TRUE : EM_FALSE;
}

EM_BOOL bOnPointerMove(int /*iType*/, const EmscriptenMouseEvent* pEvent, void* /*pData*/) {
    iPointerX = iToWindowPixels(double(pEvent->targetX));
    iPointerY = iToWindowPixels(double(pEvent->targetY));
    return EM_FALSE;
}
}  // namespace

void vListenToKeys() {
    emscripten_set_keydown_callback(szCanvasSelector, nullptr, EM_TRUE, bOnKeyDown);
    emscripten_set_mousemove_callback(szCanvasSelector, nullptr, EM_TRUE, bOnPointerMove);
}

// A button of the page: the key value it stands for, as a keydown gives it.
extern "C" EMSCRIPTEN_KEEPALIVE void orvane_press(const char* szKey) {
    vDeliverKey(sGlutKeyOf(szKey, false), iPointerX, iPointerY);
}
