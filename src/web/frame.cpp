// The frame's vertices and commands.
#include "frame.h"

#include <algorithm>

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

void vOpenDraw(GLenum ePrimitive, int iState) {
    const int iEnd = int(sFrame.asVertex.size());
    if (!sFrame.asCommand.empty()) {
        const FrameCommand& sLast = sFrame.asCommand.back();
        if (sLast.eKind == CommandKind::Draw && sLast.ePrimitive == ePrimitive &&
            sLast.iState == iState && sLast.iFirst + sLast.iCount == iEnd) {
            return;
        }
    }
    FrameCommand sCommand = {};
    sCommand.eKind = CommandKind::Draw;
    sCommand.ePrimitive = ePrimitive;
    sCommand.iFirst = iEnd;
    sCommand.iState = iState;
    sFrame.asCommand.push_back(sCommand);
}

void vAddVertexToDraw(const FrameVertex& sVertex) {
    sFrame.asVertex.push_back(sVertex);
    sFrame.asCommand.back().iCount++;
}

void vDropVertices(int iCount) {
    sFrame.asVertex.resize(sFrame.asVertex.size() - iCount);
    sFrame.asCommand.back().iCount -= iCount;
}
