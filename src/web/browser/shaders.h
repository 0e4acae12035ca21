// The shaders that do what OpenGL 1.1's fixed function did for the viewer:
// transformation and per-vertex lighting of both sides in the vertex shader
// (Gouraud shading), the side facing the viewer chosen per fragment.
#pragma once

#include "draw_state.h"

// Vertex attribute locations, as FrameVertex lays them out (frame.h).
const unsigned iPositionAttribute = 0;
const unsigned iNormalAttribute = 1;
const unsigned iColorAttribute = 2;
const unsigned iFacingAttribute = 3;

// The linked program, or 0 (with the compiler's log on standard error).
unsigned iBuildProgram(int iKind);
