// The frame's drawing sent to WebGL 2: one upload of all its vertices, then
// its clears and draws in order, one WebGL draw call each.
#pragma once

#include "frame.h"

// Needs the context current; false if the shaders did not build.
bool bStartRenderer();
void vRenderFrame(const Frame& sDrawing);
