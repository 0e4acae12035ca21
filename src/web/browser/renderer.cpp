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
#include "shared_vertices.h"

namespace {
// Uniforms belong to their program: each keeps the block last sent to it.
struct Program {
    GLuint iName;
    GLint iStateUniform;
    bool bSent;
    float afSent[4 * iUniformVectors];
};

// Bytes a buffer holds; it grows, never shrinks.
struct Buffer {
    GLuint iName;
    std::size_t iCapacity;
};

struct Renderer {
    Program asProgram[iProgramKinds];
    int iInUse;
    Buffer sVertices;
    // A frame with triangle edges sends its vertex array as it is, and the
    // edge pattern for this many triangles is in sEdgeIndices; any other
    // sends its shared vertices, and their indices in sSharedIndices.
    Buffer sEdgeIndices;
    int iEdgeTriangles;
    std::vector<std::uint32_t> aiEdgeIndex;
    Buffer sSharedIndices;
    SharedVertices sShared;
    GLuint iBoundIndices;
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

// The element array is the vertex array object's: bound only when it changes.
void vBindIndices(const Buffer& sIndices) {
    if (sRenderer.iBoundIndices != sIndices.iName) {
        sRenderer.iBoundIndices = sIndices.iName;
        emscripten_glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, sIndices.iName);
    }
}

// eTarget must have rsBuffer bound.
void vUpload(GLenum eTarget, Buffer& rsBuffer, const void* pData, std::size_t iBytes) {
    if (iBytes == 0) {
        return;
    }
    if (iBytes > rsBuffer.iCapacity) {
        rsBuffer.iCapacity = iBytes + iBytes / 2;
        emscripten_glBufferData(eTarget, GLsizeiptr(rsBuffer.iCapacity), nullptr, GL_STREAM_DRAW);
    }
    emscripten_glBufferSubData(eTarget, 0, GLsizeiptr(iBytes), pData);
}

// Grown to the largest number of triangle edges a frame has drawn, once.
void vProvideEdgeIndices(int iTriangles) {
    vBindIndices(sRenderer.sEdgeIndices);
    if (iTriangles <= sRenderer.iEdgeTriangles) {
        return;
    }
    sRenderer.iEdgeTriangles = iTriangles + iTriangles / 2;
    vEdgeIndices(sRenderer.aiEdgeIndex, sRenderer.iEdgeTriangles);
    vUpload(GL_ELEMENT_ARRAY_BUFFER, sRenderer.sEdgeIndices, sRenderer.aiEdgeIndex.data(),
            sRenderer.aiEdgeIndex.size() * sizeof(std::uint32_t));
}

GLenum eMode(DrawKind eDraw) {
    return eDraw == DrawKind::Triangles ? GL_TRIANGLES : GL_LINES;
}

void vDraw(const FrameCommand& sCommand, bool bShared) {
    if (sCommand.eDraw == DrawKind::TriangleEdges) {
        const int iFirstTriangle = sCommand.iFirst / 3;
        vProvideEdgeIndices(iFirstTriangle + sCommand.iCount / 3);
        emscripten_glDrawElements(GL_LINES, 2 * sCommand.iCount, GL_UNSIGNED_INT,
                                  pOffset(6 * sizeof(std::uint32_t) * iFirstTriangle));
    } else if (bShared) {
        vBindIndices(sRenderer.sSharedIndices);
        emscripten_glDrawElements(eMode(sCommand.eDraw), sCommand.iCount, GL_UNSIGNED_INT,
                                  pOffset(sizeof(std::uint32_t) * std::size_t(sCommand.iFirst)));
    } else {
        emscripten_glDrawArrays(eMode(sCommand.eDraw), sCommand.iFirst, sCommand.iCount);
    }
}

// Triangle edges are drawn by a fixed pattern over the frame's own array.
bool bCanShare(const Frame& sDrawing) {
    return std::none_of(
        sDrawing.asCommand.begin(), sDrawing.asCommand.end(), [](const FrameCommand& sCommand) {
            return sCommand.eKind == CommandKind::Draw && sCommand.eDraw == DrawKind::TriangleEdges;
        });
}

void vUploadFrame(const Frame& sDrawing, bool bShared) {
    if (!bShared) {
        vUpload(GL_ARRAY_BUFFER, sRenderer.sVertices, sDrawing.asVertex.data(),
                sDrawing.asVertex.size() * sizeof(FrameVertex));
        return;
    }
    SharedVertices& rsShared = sRenderer.sShared;
    vShareVertices(sDrawing.asVertex, rsShared);
    vUpload(GL_ARRAY_BUFFER, sRenderer.sVertices, rsShared.asVertex.data(),
            rsShared.asVertex.size() * sizeof(FrameVertex));
    vBindIndices(sRenderer.sSharedIndices);
    vUpload(GL_ELEMENT_ARRAY_BUFFER, sRenderer.sSharedIndices, rsShared.aiIndex.data(),
            rsShared.aiIndex.size() * sizeof(std::uint32_t));
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
    emscripten_glGenBuffers(1, &sRenderer.sVertices.iName);
    emscripten_glBindBuffer(GL_ARRAY_BUFFER, sRenderer.sVertices.iName);
    vAttribute(iPositionAttribute, 3, AttributeKind::Floats, offsetof(FrameVertex, afPosition));
    vAttribute(iNormalAttribute, 3, AttributeKind::Floats, offsetof(FrameVertex, afNormal));
    // The colour is read with the side's byte as a fourth channel, unused:
    // three bytes are not a vertex format every renderer takes as it is.
    vAttribute(iColorAttribute, 4, AttributeKind::Fractions, offsetof(FrameVertex, aiColor));
    vAttribute(iFacingAttribute, 1, AttributeKind::Integer, offsetof(FrameVertex, iFacing));
    emscripten_glGenBuffers(1, &sRenderer.sEdgeIndices.iName);
    emscripten_glGenBuffers(1, &sRenderer.sSharedIndices.iName);
    return true;
}

void vRenderFrame(const Frame& sDrawing) {
    const bool bShared = bCanShare(sDrawing);
    vUploadFrame(sDrawing, bShared);
    for (const FrameCommand& sCommand : sDrawing.asCommand) {
        if (sCommand.eKind == CommandKind::Clear) {
            vClear(sCommand);
        } else if (sCommand.iCount > 0) {
            vApply(sDrawing.asState[sCommand.iState]);
            vDraw(sCommand, bShared);
        }
    }
}
