// WebGL 2 calls for a frame: a handful per frame however many vertices it
// has, since the cost is in crossing from WebAssembly to the browser.
#include "renderer.h"

#include <webgl/webgl1.h>
#include <webgl/webgl2.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <vector>

#include "shaders.h"

namespace {
// Uniforms belong to their program: each keeps the block last sent to it.
struct Program {
    GLuint iName;
    GLint iStateUniform;
    bool bSent;
    float afSent[4 * iUniformVectors];
};

struct Renderer {
    Program asProgram[iProgramKinds];
    int iInUse;
    GLuint iBuffer;
    // Bytes the buffer holds; it grows, never shrinks.
    std::size_t iCapacity;
    // The edge pattern for this many triangles is in the index buffer.
    GLuint iIndexBuffer;
    int iEdgeTriangles;
    std::vector<std::uint32_t> aiEdgeIndex;
    // What WebGL was last set to, so that a draw changes only what differs.
    bool bApplied;
    DrawState sApplied;
    float afClearColor[4];
    float fClearDepth;
};

Renderer sRenderer;

// WebGL takes the offset into a buffer in the place of a pointer.
const void* pOffset(std::size_t iOffset) {
    return reinterpret_cast<const void*>(iOffset);  // NOLINT(performance-no-int-to-ptr)
}

// Floats, bytes read as fractions of 255, or a byte read as an integer.
enum class AttributeKind { Floats, Fractions, Integer };

void vAttribute(GLuint iLocation, int iSize, AttributeKind eKind, std::size_t iOffset) {
    emscripten_glEnableVertexAttribArray(iLocation);
    const GLsizei iStride = sizeof(FrameVertex);
    if (eKind == AttributeKind::Integer) {
        emscripten_glVertexAttribIPointer(iLocation, iSize, GL_UNSIGNED_BYTE, iStride,
                                          pOffset(iOffset));
    } else if (eKind == AttributeKind::Fractions) {
        emscripten_glVertexAttribPointer(iLocation, iSize, GL_UNSIGNED_BYTE, GL_TRUE, iStride,
                                         pOffset(iOffset));
    } else {
        emscripten_glVertexAttribPointer(iLocation, iSize, GL_FLOAT, GL_FALSE, iStride,
                                         pOffset(iOffset));
    }
}

// Grown to the largest number of triangle edges a frame has drawn, once.
void vProvideEdgeIndices(int iTriangles) {
    if (iTriangles <= sRenderer.iEdgeTriangles) {
        return;
    }
    sRenderer.iEdgeTriangles = iTriangles + iTriangles / 2;
    vEdgeIndices(sRenderer.aiEdgeIndex, sRenderer.iEdgeTriangles);
    emscripten_glBufferData(GL_ELEMENT_ARRAY_BUFFER,
                            GLsizeiptr(sRenderer.aiEdgeIndex.size() * sizeof(std::uint32_t)),
                            sRenderer.aiEdgeIndex.data(), GL_STATIC_DRAW);
}

void vDraw(const FrameCommand& sCommand) {
    if (sCommand.eDraw == DrawKind::TriangleEdges) {
        const int iFirstTriangle = sCommand.iFirst / 3;
        vProvideEdgeIndices(iFirstTriangle + sCommand.iCount / 3);
        emscripten_glDrawElements(GL_LINES, 2 * sCommand.iCount, GL_UNSIGNED_INT,
                                  pOffset(6 * sizeof(std::uint32_t) * iFirstTriangle));
    } else {
        emscripten_glDrawArrays(sCommand.eDraw == DrawKind::Lines ? GL_LINES : GL_TRIANGLES,
                                sCommand.iFirst, sCommand.iCount);
    }
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
    const float* af = sCommand.afClearColor;
    if (!std::equal(af, af + 4, sRenderer.afClearColor)) {
        std::copy(af, af + 4, sRenderer.afClearColor);
        emscripten_glClearColor(af[0], af[1], af[2], af[3]);
    }
    if (sRenderer.fClearDepth != sCommand.fClearDepth) {
        sRenderer.fClearDepth = sCommand.fClearDepth;
        emscripten_glClearDepthf(sCommand.fClearDepth);
    }
    emscripten_glClear(sCommand.iClearMask);
}

void vUseProgram(const DrawState& sState) {
    Program& rsProgram = sRenderer.asProgram[sState.iProgram];
    if (sRenderer.iInUse != sState.iProgram) {
        sRenderer.iInUse = sState.iProgram;
        emscripten_glUseProgram(rsProgram.iName);
    }
    const float* afUniform = sState.afUniform;
    if (!rsProgram.bSent ||
        !std::equal(afUniform, afUniform + 4 * iUniformVectors, rsProgram.afSent)) {
        std::copy(afUniform, afUniform + 4 * iUniformVectors, rsProgram.afSent);
        rsProgram.bSent = true;
        emscripten_glUniform4fv(rsProgram.iStateUniform, iUniformVectors, afUniform);
    }
}

void vApply(const DrawState& sState) {
    const bool bFirst = !sRenderer.bApplied;
    const DrawState& sOld = sRenderer.sApplied;
    vUseProgram(sState);
    if (bFirst || sOld.bDepthTest != sState.bDepthTest) {
        if (sState.bDepthTest) {
            emscripten_glEnable(GL_DEPTH_TEST);
        } else {
            emscripten_glDisable(GL_DEPTH_TEST);
        }
    }
    if (bFirst || !std::equal(std::begin(sState.aiViewport), std::end(sState.aiViewport),
                              std::begin(sOld.aiViewport))) {
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
    sRenderer.iInUse = -1;
    for (int iKind = 0; iKind < iProgramKinds; iKind++) {
        Program& rsProgram = sRenderer.asProgram[iKind];
        rsProgram.iName = iBuildProgram(iKind);
        if (rsProgram.iName == 0) {
            return false;
        }
        rsProgram.iStateUniform = emscripten_glGetUniformLocation(rsProgram.iName, "uState");
    }
    GLuint iArray = 0;
    emscripten_glGenVertexArrays(1, &iArray);
    emscripten_glBindVertexArray(iArray);
    emscripten_glGenBuffers(1, &sRenderer.iBuffer);
    emscripten_glBindBuffer(GL_ARRAY_BUFFER, sRenderer.iBuffer);
    vAttribute(iPositionAttribute, 3, AttributeKind::Floats, offsetof(FrameVertex, afPosition));
    vAttribute(iNormalAttribute, 3, AttributeKind::Floats, offsetof(FrameVertex, afNormal));
    // The colour is read with the side's byte as a fourth channel, unused:
    // three bytes are not a vertex format every renderer takes as it is.
    vAttribute(iColorAttribute, 4, AttributeKind::Fractions, offsetof(FrameVertex, aiColor));
    vAttribute(iFacingAttribute, 1, AttributeKind::Integer, offsetof(FrameVertex, iFacing));
    emscripten_glGenBuffers(1, &sRenderer.iIndexBuffer);
    emscripten_glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, sRenderer.iIndexBuffer);
    return true;
}

void vRenderFrame(const Frame& sDrawing) {
    vUpload(sDrawing);
    for (const FrameCommand& sCommand : sDrawing.asCommand) {
        if (sCommand.eKind == CommandKind::Clear) {
            vClear(sCommand);
        } else if (sCommand.iCount > 0) {
            vApply(sDrawing.asState[sCommand.iState]);
            vDraw(sCommand);
        }
    }
}
