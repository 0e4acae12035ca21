// The output step shared by both polygonizers.
#pragma once

#include <cstdint>

#include "glvector.h"

// Emits the triangles of one table row (up to iMaxTriangles triples of edge
// numbers, ended early by a negative entry), each corner from the crossing
// and normal of its edge.
void vEmitTriangles(const std::int32_t* aiTriangles, int iMaxTriangles,
                    const GLvector* asEdgeVertex, const GLvector* asEdgeNorm);
