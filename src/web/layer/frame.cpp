// The frame's vertices and commands.
#include "frame.h"

#include <algorithm>
#include <cstddef>

#include "state.h"

Frame sFrame;

void vStartFrame() {
    sFrame.asVertex.clear();
    sFrame.asCommand.clear();
    sFrame.asState.clear();
}

void vAddClear(GLbitfield iMask) {
    FrameCommand sCommand = {};
    sCommand.eKind = CommandKind::Clear;
    sCommand.iClearMask = iMask;
    const GlAttributes& sNow = sGl.sNow;
    std::copy(sNow.afClearColor, sNow.afClearColor + 4, sCommand.afClearColor);
    sCommand.fClearDepth = sNow.fClearDepth;
    sFrame.asCommand.push_back(sCommand);
}

int iKeepCurrentState() {
    const DrawState sState = sCurrentDrawState();
    if (sFrame.asState.empty() || !bSameDrawState(sFrame.asState.back(), sState)) {
        sFrame.asState.push_back(sState);
    }
    return int(sFrame.asState.size()) - 1;
}

// Triangle edges are drawn by a fixed index pattern, so they start at a
// multiple of 3; the vertices that pad the array to it are never drawn.
void vOpenDraw(DrawKind eDraw, int iState) {
    if (!sFrame.asCommand.empty()) {
        const FrameCommand& sLast = sFrame.asCommand.back();
        if (sLast.eKind == CommandKind::Draw && sLast.eDraw == eDraw && sLast.iState == iState &&
            sLast.iFirst + sLast.iCount == int(sFrame.asVertex.size())) {
            return;
        }
    }
    if (eDraw == DrawKind::TriangleEdges) {
        sFrame.asVertex.resize((sFrame.asVertex.size() + 2) / 3 * 3);
    }
    FrameCommand sCommand = {};
    sCommand.eKind = CommandKind::Draw;
    sCommand.eDraw = eDraw;
    sCommand.iFirst = int(sFrame.asVertex.size());
    sCommand.iState = iState;
    sFrame.asCommand.push_back(sCommand);
}

// Rounded half away from zero, as lround does, but in line: lround is a call
// into the C library, three for every vertex of the frame. The fraction is
// exact, being the difference of two floats within a factor of two of each
// other (or of the float itself below 1).
std::uint8_t iColorChannel(float fChannel) {
    if (!(fChannel > 0.0f)) {
        return 0;
    }
    if (fChannel >= 1.0f) {
        return 255;
    }
    const float fSteps = fChannel * 255.0f;
    const int iWhole = int(fSteps);
    const float fFraction = fSteps - float(iWhole);
    return std::uint8_t(fFraction >= 0.5f ? iWhole + 1 : iWhole);
}

void vEdgeIndices(std::vector<std::uint32_t>& raiIndex, int iTriangles) {
    const std::uint32_t aiPattern[6] = {0, 1, 1, 2, 2, 0};
    raiIndex.resize(6 * std::size_t(iTriangles));
    for (std::size_t i = 0; i < raiIndex.size(); i++) {
        raiIndex[i] = std::uint32_t(3 * (i / 6)) + aiPattern[i % 6];
    }
}

void vAddVertexToDraw(const FrameVertex& sVertex) {
    sFrame.asVertex.push_back(sVertex);
    sFrame.asCommand.back().iCount++;
}

void vDropVertices(int iCount) {
    sFrame.asVertex.resize(sFrame.asVertex.size() - iCount);
    sFrame.asCommand.back().iCount -= iCount;
}
