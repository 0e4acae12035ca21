// The output steps shared by both polygonizers.
#pragma once

#include <cstdint>

#include "glvector.h"

void vEmitVertex(const GLvector& rfPosition, const GLvector& rfNormal);

// Emits the triangles of one table row: up to iMaxTriangles triples of edge
// numbers, ended early by a negative entry.
void vEmitTriangles(const std::int32_t* aiTriangles, int iMaxTriangles,
                    const GLvector* asEdgeVertex, const GLvector* asEdgeNorm);
