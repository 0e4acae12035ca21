// WebGL 2 calls for a frame: a handful per frame however many vertices it
// has, since the cost is in crossing from WebAssembly to the browser.
#include "renderer.h"

#include <webgl/webgl1.h>
#include <webgl/webgl2.h>

#include <cstddef>
#include <cstring>

#include "shaders.h"

namespace {
struct Renderer {
    GLuint iProgram;
    GLint iStateUniform;
    GLuint iBuffer;
    // Bytes the buffer holds; it grows, never shrinks.
    std::size_t iCapacity;
    // What WebGL was last set to, so that a draw changes only what differs.
    bool bApplied;
    DrawState sApplied;
    float afClearColor[4];
    float fClearDepth;
};

Renderer sRenderer;

void vAttribute(GLuint iLocation, int iSize, std::size_t iOffset) {
    emscripten_glEnableVertexAttribArray(iLocation);
    emscripten_glVertexAttribPointer(iLocation, iSize, GL_FLOAT, GL_FALSE, sizeof(FrameVertex),
                                     reinterpret_cast<const void*>(iOffset));
}

void vUpload(const Frame& sDrawing) {
    const std::size_t iBytes = sDrawing.asVertex.size() * sizeof(FrameVertex);
    if (iBytes == 0) {
        return;
    }
    if (iBytes > sRenderer.iCapacity) {
        sRenderer.iCapacity = iBytes + iBytes / 2;
        emscripten_glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(sRenderer.iCapacity), nullptr,
                                GL_STREAM_DRAW);
    }
    emscripten_glBufferSubData(GL_ARRAY_BUFFER, 0, GLsizeiptr(iBytes), sDrawing.asVertex.data());
}

void vClear(const FrameCommand& sCommand) {
    if (std::memcmp(sRenderer.afClearColor, sCommand.afClearColor, sizeof sCommand.afClearColor)) {
        std::memcpy(sRenderer.afClearColor, sCommand.afClearColor, sizeof sCommand.afClearColor);
        const float* af = sCommand.afClearColor;
        emscripten_glClearColor(af[0], af[1], af[2], af[3]);
    }
    if (sRenderer.fClearDepth != sCommand.fClearDepth) {
        sRenderer.fClearDepth = sCommand.fClearDepth;
        emscripten_glClearDepthf(sCommand.fClearDepth);
    }
    emscripten_glClear(sCommand.iClearMask);
}

void vApply(const DrawState& sState) {
    const DrawState* pOld = sRenderer.bApplied ? &sRenderer.sApplied : nullptr;
    if (!pOld || std::memcmp(pOld->afUniform, sState.afUniform, sizeof sState.afUniform)) {
        emscripten_glUniform4fv(sRenderer.iStateUniform, iUniformVectors, sState.afUniform);
    }
    if (!pOld || pOld->bDepthTest != sState.bDepthTest) {
        if (sState.bDepthTest) {
            emscripten_glEnable(GL_DEPTH_TEST);
        } else {
            emscripten_glDisable(GL_DEPTH_TEST);
        }
    }
    if (!pOld || std::memcmp(pOld->aiViewport, sState.aiViewport, sizeof sState.aiViewport)) {
        const int* ai = sState.aiViewport;
        emscripten_glViewport(ai[0], ai[1], ai[2], ai[3]);
    }
    sRenderer.sApplied = sState;
    sRenderer.bApplied = true;
}
}  // namespace

bool bStartRenderer() {
    sRenderer = Renderer{};
    sRenderer.fClearDepth = 1.0f;
    sRenderer.iProgram = iBuildProgram();
    if (sRenderer.iProgram == 0) {
        return false;
    }
    emscripten_glUseProgram(sRenderer.iProgram);
    sRenderer.iStateUniform = emscripten_glGetUniformLocation(sRenderer.iProgram, "uState");
    GLuint iArray = 0;
    emscripten_glGenVertexArrays(1, &iArray);
    emscripten_glBindVertexArray(iArray);
    emscripten_glGenBuffers(1, &sRenderer.iBuffer);
    emscripten_glBindBuffer(GL_ARRAY_BUFFER, sRenderer.iBuffer);
    vAttribute(iPositionAttribute, 3, offsetof(FrameVertex, afPosition));
    vAttribute(iNormalAttribute, 3, offsetof(FrameVertex, afNormal));
    vAttribute(iColorAttribute, 3, offsetof(FrameVertex, afColor));
    vAttribute(iFacingAttribute, 1, offsetof(FrameVertex, fFacing));
    return true;
}

void vRenderFrame(const Frame& sDrawing) {
    vUpload(sDrawing);
    for (const FrameCommand& sCommand : sDrawing.asCommand) {
        if (sCommand.eKind == CommandKind::Clear) {
            vClear(sCommand);
        } else if (sCommand.iCount > 0) {
            vApply(sDrawing.asState[sCommand.iState]);
            emscripten_glDrawArrays(sCommand.ePrimitive, sCommand.iFirst, sCommand.iCount);
        }
    }
}
