// One frame's drawing, kept until the buffer swap sends it to WebGL: every
// vertex of the frame in one array (one upload), and the clears and draws
// in the order the program asked for them.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <vector>

#include "draw_state.h"

// Which side's colour a fragment takes: the side the rasterizer finds
// (filled triangles), or one decided beforehand (lines: a triangle's edges
// take their triangle's side, other lines the front).
const std::uint8_t iFacingByRasterizer = 0;
const std::uint8_t iFacingFront = 1;
const std::uint8_t iFacingBack = 2;

// As the vertex shader reads it: the attributes at the glVertex3f call. The
// colour, which lighting leaves out and which is clamped to [0, 1] before it
// is drawn unlit, is kept in the 8 bits a channel of the window has.
struct FrameVertex {
    float afPosition[3];
    float afNormal[3];
    std::uint8_t aiColor[3];
    std::uint8_t iFacing;
};

// The colour channel fChannel as FrameVertex keeps it: clamped to [0, 1]
// (a NaN to 0) and rounded to the nearest of 256 steps.
std::uint8_t iColorChannel(float fChannel);

enum class CommandKind { Clear, Draw };

// Filled triangles, lines, or triangles drawn as their edges: each triangle's
// three vertices once in the array, its edges first to second, second to
// third, third to first drawn by the index pattern of vEdgeIndices.
enum class DrawKind { Triangles, Lines, TriangleEdges };

// The index pattern of iTriangles triangles' edges from the start of the
// vertex array: 6 indices per triangle.
void vEdgeIndices(std::vector<std::uint32_t>& raiIndex, int iTriangles);

struct FrameCommand {
    CommandKind eKind;
    // Draw: eDraw over asVertex[iFirst, iFirst + iCount), with the state
    // asState[iState]. Triangle edges start at a multiple of 3.
    DrawKind eDraw;
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
// The vertex array's end, ready to take eDraw's vertices with state iState:
// the last draw is extended when it matches and ends there, else a new draw
// is opened.
void vOpenDraw(DrawKind eDraw, int iState);
// Adds a vertex to the draw vOpenDraw opened.
void vAddVertexToDraw(const FrameVertex& sVertex);
// Takes back the last iCount vertices of the open draw (an incomplete
// primitive at glEnd).
void vDropVertices(int iCount);
