// GLUT's window and event loop over the page: the canvas with a WebGL 2
// context, and one pass of GLUT's loop per animation frame of the browser.
// Its size is the canvas's size in device pixels (CSS pixels times the
// device pixel ratio), so the picture is sharp on dense screens, and that
// is the size the reshape callback gets, as GLUT reports a window's size
// in the screen's pixels.
//
// The browser may take the context away (a reset of the graphics processor,
// a switch of graphics, too many contexts open) and give it back later.
// While it is lost nothing is drawn and no frame counts, so the viewer's
// angles and clock stand still; once it is back the renderer makes its
// programs and buffers again and the viewer goes on where it stood, since
// its OpenGL state is the layer's, not WebGL's.
#include "glut_window.h"

#include <GL/glut.h>
#include <emscripten.h>
#include <emscripten/html5.h>

#include <cmath>
#include <cstdio>

#include "frame.h"
#include "glut_callbacks.h"
#include "renderer.h"
#include "state.h"

const char* const szCanvasSelector = "#viewer";

namespace {
struct Window {
    // GLUT's default size and display mode until the program asks for others.
    int iCssWidth = 300;
    int iCssHeight = 300;
    unsigned iDisplayMode = GLUT_RGB | GLUT_SINGLE;
    int iWidth = 0;
    int iHeight = 0;
    bool bReshapeDue = false;
    double fFrames = 0.0;
    EMSCRIPTEN_WEBGL_CONTEXT_HANDLE iContext = 0;
    // From the context's loss until the renderer stands again on its
    // restored context.
    bool bLost = false;
};

Window sWindow;

EM_JS(void, vReportNoWebGL, (), {
    if (Module["onNoWebGL"]) {
        Module["onNoWebGL"]();
    }
});

EM_JS(void, vReportContextLost, (int bLost), {
    if (Module["onContextLost"]) {
        Module["onContextLost"](bLost != 0);
    }
});

// Whether the display mode asks for iBuffer, as the context's attributes
// take it.
EM_BOOL bWanted(unsigned iBuffer) {
    return (sWindow.iDisplayMode & iBuffer) != 0 ? EM_TRUE : EM_FALSE;
}

void vSetBackingStore(double fCssWidth, double fCssHeight) {
    const double fRatio = emscripten_get_device_pixel_ratio();
    const int iWidth = int(std::lround(fCssWidth * fRatio));
    const int iHeight = int(std::lround(fCssHeight * fRatio));
    if (iWidth != sWindow.iWidth || iHeight != sWindow.iHeight) {
        emscripten_set_canvas_element_size(szCanvasSelector, iWidth, iHeight);
        sWindow.iWidth = iWidth;
        sWindow.iHeight = iHeight;
        sWindow.bReshapeDue = true;
    }
}

// Checked once per frame: a change of the canvas's CSS size or of the
// device pixel ratio (the browser's zoom, a move to another screen).
void vFollowCanvasSize() {
    double fCssWidth = 0.0;
    double fCssHeight = 0.0;
    emscripten_get_element_css_size(szCanvasSelector, &fCssWidth, &fCssHeight);
    vSetBackingStore(fCssWidth, fCssHeight);
    if (sWindow.bReshapeDue) {
        sWindow.bReshapeDue = false;
        vDeliverReshape(sWindow.iWidth, sWindow.iHeight);
    }
}

// Keeping the default (a lost context for good) would leave the canvas
// blank and the browser would never give the context back.
EM_BOOL bOnContextLost(int /*iType*/, const void* /*pEvent*/, void* /*pData*/) {
    sWindow.bLost = true;
    vReportContextLost(1);
    return EM_TRUE;
}

// If the shaders do not build on the new context, the window stays lost.
EM_BOOL bOnContextRestored(int /*iType*/, const void* /*pEvent*/, void* /*pData*/) {
    if (!bStartRenderer()) {
        return EM_FALSE;
    }
    sWindow.bLost = false;
    // Exposed again: drawn once without being asked.
    sGlut.bRedisplay = true;
    vReportContextLost(0);
    return EM_TRUE;
}

// The context can be lost before the event says so; nothing drawn then
// would reach the canvas.
bool bCanDraw() {
    return !sWindow.bLost && emscripten_is_webgl_context_lost(sWindow.iContext) == EM_FALSE;
}

// GLUT's order within one pass of its loop: the window's events (keys
// arrive between passes, as the browser delivers them), the display if one
// is due, then the idle callback.
void vLoopPass() {
    vFollowCanvasSize();
    if (!bCanDraw()) {
        return;
    }
    if (sGlut.bRedisplay && sGlut.pfDisplay != nullptr) {
        sGlut.bRedisplay = false;
        sGlut.pfDisplay();
    }
    if (sGlut.pfIdle != nullptr) {
        sGlut.pfIdle();
    }
}
}  // namespace

double fFramesDrawn() {
    return sWindow.fFrames;
}

int iToWindowPixels(double fCssPixels) {
    return int(std::lround(fCssPixels * emscripten_get_device_pixel_ratio()));
}

extern "C" {

// The page has no command line for GLUT to read.
void glutInit(int* /*pargc*/, char** /*argv*/) {}

// The page places its canvas itself.
void glutInitWindowPosition(int /*x*/, int /*y*/) {}

void glutInitWindowSize(int width, int height) {
    sWindow.iCssWidth = width;
    sWindow.iCssHeight = height;
}

void glutInitDisplayMode(unsigned int mode) {
    sWindow.iDisplayMode = mode;
}

// The canvas keeps its picture between frames (preserveDrawingBuffer), as
// a window's front buffer does, so that the page can be read at any time.
// Without WebGL 2 the page is told and there is no window (0); the program
// goes on to print its help, which the page shows still, and glutMainLoop
// ends it, as GLUT ends a program that cannot open a window.
int glutCreateWindow(const char* title) {
    emscripten_set_window_title(title);
    emscripten_set_element_css_size(szCanvasSelector, sWindow.iCssWidth, sWindow.iCssHeight);
    vSetBackingStore(sWindow.iCssWidth, sWindow.iCssHeight);

    EmscriptenWebGLContextAttributes sAttributes = {};
    emscripten_webgl_init_context_attributes(&sAttributes);
    sAttributes.majorVersion = 2;
    sAttributes.minorVersion = 0;
    sAttributes.alpha = bWanted(GLUT_ALPHA);
    sAttributes.depth = bWanted(GLUT_DEPTH);
    sAttributes.stencil = bWanted(GLUT_STENCIL);
    sAttributes.antialias = EM_FALSE;
    sAttributes.preserveDrawingBuffer = EM_TRUE;
    const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE iContext =
        emscripten_webgl_create_context(szCanvasSelector, &sAttributes);
    vResetGlState(sWindow.iWidth, sWindow.iHeight);
    if (iContext <= 0 ||
        emscripten_webgl_make_context_current(iContext) != EMSCRIPTEN_RESULT_SUCCESS ||
        !bStartRenderer()) {
        vReportNoWebGL();
        return 0;
    }
    sWindow.iContext = iContext;
    emscripten_set_webglcontextlost_callback(szCanvasSelector, nullptr, EM_FALSE, bOnContextLost);
    emscripten_set_webglcontextrestored_callback(szCanvasSelector, nullptr, EM_FALSE,
                                                 bOnContextRestored);
    vListenToKeys();
    // A new window is exposed: it is drawn once without being asked.
    sGlut.bRedisplay = true;
    return 1;
}

// Never returns: emscripten's main loop unwinds the program's stack and
// then runs a pass per animation frame.
void glutMainLoop() {
    if (sWindow.iContext <= 0) {
        emscripten_force_exit(1);
    }
    emscripten_set_main_loop(vLoopPass, 0, 1);
}

void glutSwapBuffers() {
    vRenderFrame(sFrame);
    vStartFrame();
    sWindow.fFrames += 1.0;
}

}  // extern "C"
