// The capturing layer: orvane-mesh defines glColor3f, glNormal3f and
// glVertex3f itself, so the polygonizers' output comes here instead of to
// OpenGL, one triangle corner at a time.
#pragma once

#include "glvector.h"

// One triangle corner as OpenGL would receive it: the colour and normal
// current when its vertex is issued.
struct MeshCorner {
    GLvector sPosition;
    GLvector sNormal;
    GLvector sColor;
};

typedef void CornerSink(const MeshCorner& rsCorner);

// Called for every glVertex3f; none while it is null.
extern CornerSink* pfCornerSink;
