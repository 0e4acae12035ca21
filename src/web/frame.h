// One frame's drawing, kept until the buffer swap sends it to WebGL: every
// vertex of the frame in one array (one upload), and the clears and draws
// in the order the program asked for them.
#pragma once

#include <GL/gl.h>

#include <vector>

#include "draw_state.h"

// Which side's colour a fragment takes: the side the rasterizer finds
// (filled triangles), or one decided beforehand (lines: a triangle's edges
// take their triangle's side, other lines the front).
const float fFacingByRasterizer = 0.0f;
const float fFacingFront = 1.0f;
const float fFacingBack = 2.0f;

// As the vertex shader reads it: the attributes at the glVertex3f call.
struct FrameVertex {
    float afPosition[3];
    float afNormal[3];
    float afColor[3];
    float fFacing;
};

enum class CommandKind { Clear, Draw };

struct FrameCommand {
    CommandKind eKind;
    // Draw: GL_TRIANGLES or GL_LINES over asVertex[iFirst, iFirst + iCount),
    // with the state asState[iState].
    GLenum ePrimitive;
    int iFirst;
    int iCount;
    int iState;
    // Clear: the buffers and the clear values at the glClear call.
    GLbitfield iClearMask;
    float afClearColor[4];
    float fClearDepth;
};

struct Frame {
    std::vector<FrameVertex> asVertex;
    std::vector<FrameCommand> asCommand;
    std::vector<DrawState> asState;
};

extern Frame sFrame;

// Empties the frame, keeping the memory for the next.
void vStartFrame();
void vAddClear(GLbitfield iMask);
// The index of a state equal to the current one: the last one kept if it is
// equal, so that consecutive glBegin blocks under one state share it.
int iKeepCurrentState();
// The vertex array's end, ready to take ePrimitive's vertices with state
// iState: the last draw is extended when it matches and ends there, else a
// new draw is opened.
void vOpenDraw(GLenum ePrimitive, int iState);
// Adds a vertex to the draw vOpenDraw opened.
void vAddVertexToDraw(const FrameVertex& sVertex);
// Takes back the last iCount vertices of the open draw (an incomplete
// primitive at glEnd).
void vDropVertices(int iCount);
