// The welded mesh: one vertex per crossed grid segment, which keeps the
// position, normal and colour of the first copy emitted.
#pragma once

#include <cstdint>
#include <vector>

#include "capture.h"
#include "segment.h"

// The vertex of each segment met so far, by open addressing: a slot holds a
// segment's key and its vertex number, or the key 0, which no segment has
// (its two lattice points differ, so the larger is above 0).
struct SegmentSlot {
    SegmentKey iKey;
    std::uint32_t iVertex;
};

struct WeldedMesh {
    std::vector<MeshCorner> asVertex;
    // Three vertex numbers per triangle, in the order emitted.
    std::vector<std::uint32_t> aiTriangle;
    std::vector<SegmentSlot> asSlot;
};

// Every emitted corner is one entry of aiTriangle, welded or not.
inline std::uint64_t iEmittedCorners(const WeldedMesh& sMesh) {
    return sMesh.aiTriangle.size();
}

// Adds one emitted triangle. Throws std::runtime_error past the vertex count
// that a PLY file's 32-bit signed indices can hold.
void vWeldTriangle(WeldedMesh& sMesh, const MeshCorner* asCorner, const SegmentKey* aiKey);
