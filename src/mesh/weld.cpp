// Welding by segment, never by distance: two copies are one vertex exactly
// when they lie on the same segment of the lattice.
#include "weld.h"

#include <cstdint>
#include <stdexcept>

namespace {

// The table starts at this many slots and doubles when three quarters are
// taken, so a probe seldom runs past a few neighbouring slots.
const std::size_t iFirstSlots = std::size_t(1) << 12;

// Fibonacci hashing: the top bits of the key times 2^64 / golden ratio, so
// that the keys of neighbouring segments, which differ in a few bits, spread
// over the whole table.
std::size_t iHomeSlot(SegmentKey iKey, std::size_t iSlots) {
    return std::size_t((iKey * 0x9E3779B97F4A7C15ull) >> (64 - __builtin_ctzll(iSlots)));
}

SegmentSlot& rsSlotOf(std::vector<SegmentSlot>& asSlot, SegmentKey iKey) {
    const std::size_t iMask = asSlot.size() - 1;
    std::size_t iSlot = iHomeSlot(iKey, asSlot.size());
    while (asSlot[iSlot].iKey != iKey && asSlot[iSlot].iKey != 0) {
        iSlot = (iSlot + 1) & iMask;
    }
    return asSlot[iSlot];
}

void vGrowTable(WeldedMesh& sMesh) {
    std::vector<SegmentSlot> asOld;
    asOld.swap(sMesh.asSlot);
    sMesh.asSlot.assign(asOld.empty() ? iFirstSlots : 2 * asOld.size(), SegmentSlot{0, 0});
    for (const SegmentSlot& sSlot : asOld) {
        if (sSlot.iKey != 0) {
            rsSlotOf(sMesh.asSlot, sSlot.iKey) = sSlot;
        }
    }
}

std::uint32_t iVertexOf(WeldedMesh& sMesh, const MeshCorner& rsCorner, SegmentKey iKey) {
    if (4 * sMesh.asVertex.size() >= 3 * sMesh.asSlot.size()) {
        vGrowTable(sMesh);
    }
    SegmentSlot& rsSlot = rsSlotOf(sMesh.asSlot, iKey);
    if (rsSlot.iKey == 0) {
        if (sMesh.asVertex.size() >= std::uint64_t(INT32_MAX)) {
            throw std::runtime_error("the surface has more vertices than a mesh file can index");
        }
        rsSlot = {iKey, std::uint32_t(sMesh.asVertex.size())};
        sMesh.asVertex.push_back(rsCorner);
    }
    return rsSlot.iVertex;
}

}  // namespace

void vWeldTriangle(WeldedMesh& sMesh, const MeshCorner* asCorner, const SegmentKey* aiKey) {
    for (int iCorner = 0; iCorner < 3; iCorner++) {
        sMesh.aiTriangle.push_back(iVertexOf(sMesh, asCorner[iCorner], aiKey[iCorner]));
    }
}
