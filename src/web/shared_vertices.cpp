#include "shared_vertices.h"

#include <cstring>

namespace {

const std::uint32_t iEmptySlot = UINT32_MAX;

static_assert(sizeof(FrameVertex) == 28, "a vertex is compared as its 28 bytes, no padding");

// FNV-1a over the vertex's seven 32-bit words.
std::uint32_t iHash(const FrameVertex& sVertex) {
    std::uint32_t aiWord[7];
    std::memcpy(aiWord, &sVertex, sizeof aiWord);
    std::uint32_t iHashed = 2166136261u;
    for (std::uint32_t iWord : aiWord) {
        iHashed = (iHashed ^ iWord) * 16777619u;
    }
    return iHashed ^ (iHashed >> 15);
}

// A power of two at least twice iCount, so a probe seldom runs long.
std::size_t iSlotsFor(std::size_t iCount) {
    std::size_t iSlots = 64;
    while (iSlots < 2 * iCount) {
        iSlots *= 2;
    }
    return iSlots;
}

}  // namespace

void vShareVertices(const std::vector<FrameVertex>& asFrameVertex, SharedVertices& sShared) {
    sShared.asVertex.clear();
    sShared.aiIndex.resize(asFrameVertex.size());
    sShared.aiSlot.assign(iSlotsFor(asFrameVertex.size()), iEmptySlot);
    const std::size_t iMask = sShared.aiSlot.size() - 1;
    for (std::size_t iVertex = 0; iVertex < asFrameVertex.size(); iVertex++) {
        const FrameVertex& sVertex = asFrameVertex[iVertex];
        std::size_t iSlot = iHash(sVertex) & iMask;
        for (;;) {
            const std::uint32_t iKept = sShared.aiSlot[iSlot];
            if (iKept == iEmptySlot) {
                sShared.aiSlot[iSlot] = std::uint32_t(sShared.asVertex.size());
                sShared.aiIndex[iVertex] = std::uint32_t(sShared.asVertex.size());
                sShared.asVertex.push_back(sVertex);
                break;
            }
            if (std::memcmp(&sShared.asVertex[iKept], &sVertex, sizeof sVertex) == 0) {
                sShared.aiIndex[iVertex] = iKept;
                break;
            }
            iSlot = (iSlot + 1) & iMask;
        }
    }
}
