// What the keys have changed, for the page's status line.
#include <emscripten.h>

#include "app.h"
#include "field.h"
#include "glut_window.h"
#include "polygonize.h"

// Item iItem of the status: 0 grid cells per axis, 1 iso value, 2 field
// (1, 2 or 3), 3 wire frame, 4 lit, 5 spin, 6 source motion (1 or 0), 7
// frames drawn; NaN for any other.
extern "C" EMSCRIPTEN_KEEPALIVE double orvane_status(int iItem) {
    switch (iItem) {
        case 0:
            return iDataSetSize;
        case 1:
            return fTargetValue;
        case 2:
            return iFieldInSlot();
        case 3:
            return ePolygonMode == GL_LINE ? 1.0 : 0.0;
        case 4:
            return bLight ? 1.0 : 0.0;
        case 5:
            return bSpin ? 1.0 : 0.0;
        case 6:
            return bMove ? 1.0 : 0.0;
        case 7:
            return fFramesDrawn();
        default:
            return __builtin_nan("");
    }
}
