// A frame's vertices with each distinct one sent once. The surface gives
// every triangle its own three vertices, and a vertex where triangles meet
// comes again, byte for byte, in each of them: at grid 64 a frame has six
// copies of each, and the bytes sent to WebGL each frame, which cost the
// browser far more than drawing them, fall to about a third with indices.
#pragma once

#include <cstdint>
#include <vector>

#include "frame.h"

struct SharedVertices {
    // The distinct vertices, in the order they first come.
    std::vector<FrameVertex> asVertex;
    // For each vertex of the frame, the number of its copy in asVertex.
    std::vector<std::uint32_t> aiIndex;
    // The lookup table, kept between frames for its memory.
    std::vector<std::uint32_t> aiSlot;
};

// Only vertices equal in every byte are shared, so drawing by the indices
// draws exactly what drawing the frame's own array does.
void vShareVertices(const std::vector<FrameVertex>& asFrameVertex, SharedVertices& sShared);
