// glBegin and glEnd: the vertices between them assembled into the frame's
// triangles and lines. WebGL has no polygon mode, so a triangle drawn in
// GL_LINE mode goes to a draw of triangle edges, with the side of it that
// faces the viewer, which colours its three edges.
#pragma once

#include <GL/gl.h>

#include "matrix.h"

// GL_TRIANGLES, GL_LINES, GL_LINE_STRIP and GL_LINE_LOOP; any other mode,
// or a glBegin inside a block, starts nothing.
void vBeginPrimitives(GLenum eMode);
// A vertex at (fX, fY, fZ) with the current normal and colour.
void vAddVertex(float fX, float fY, float fZ);
// Ends the block; the vertices of an incomplete last primitive are dropped.
void vEndPrimitives();

// OpenGL's facing of a triangle: front when its signed area in window
// coordinates is positive (counter-clockwise, the default front face).
// sClip takes object to clip coordinates.
bool bFrontFacing(const Matrix4& sClip, const float afA[3], const float afB[3], const float afC[3]);
