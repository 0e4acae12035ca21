// Welding by segment, never by distance: two copies are one vertex exactly
// when they lie on the same segment of the lattice.
#include "weld.h"

#include <cstdint>
#include <stdexcept>

namespace {

std::uint32_t iVertexOf(WeldedMesh& sMesh, const MeshCorner& rsCorner, SegmentKey iKey) {
    const auto sFound =
        sMesh.mapVertexOfSegment.emplace(iKey, std::uint32_t(sMesh.asVertex.size()));
    if (sFound.second) {
        if (sMesh.asVertex.size() >= std::uint64_t(INT32_MAX)) {
            throw std::runtime_error("the surface has more vertices than a mesh file can index");
        }
        sMesh.asVertex.push_back(rsCorner);
    }
    return sFound.first->second;
}

}  // namespace

void vWeldTriangle(WeldedMesh& sMesh, const MeshCorner* asCorner, const SegmentKey* aiKey) {
    for (int iCorner = 0; iCorner < 3; iCorner++) {
        sMesh.aiTriangle.push_back(iVertexOf(sMesh, asCorner[iCorner], aiKey[iCorner]));
    }
}
