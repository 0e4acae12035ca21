#include "shared_vertices.h"

#include <array>
#include <cstring>

namespace {

const std::uint32_t iEmptySlot = UINT32_MAX;

// A vertex's 28 bytes, no padding, as seven words: two vertices are the
// same when these are, so 0 and -0 differ, and a NaN equals itself.
typedef std::array<std::uint32_t, 7> VertexWords;
static_assert(sizeof(FrameVertex) == sizeof(VertexWords), "a vertex is its 28 bytes");

VertexWords aiWordsOf(const FrameVertex& sVertex) {
    VertexWords aiWord;
    std::memcpy(aiWord.data(), &sVertex, sizeof aiWord);
    return aiWord;
}

// Each word times its own odd constant, summed, then mixed. The products do
// not wait on one another, as a hash that takes the words one after the
// other would, once for every vertex of the frame.
std::uint32_t iHash(const VertexWords& aiWord) {
    const std::uint32_t aiFactor[7] = {
        0x9E3779B1u,  // 0
        0x85EBCA77u,  // 1
        0xC2B2AE3Du,  // 2
        0x27D4EB2Fu,  // 3
        0x165667B1u,  // 4
        0xD3A2646Du,  // 5
        0xFD7046C5u,  // 6
    };
    std::uint32_t iSum = 0;
    for (std::size_t i = 0; i < aiWord.size(); i++) {
        iSum += aiWord[i] * aiFactor[i];
    }
    iSum ^= iSum >> 15;
    iSum *= 0x2C1B3C6Du;
    return iSum ^ (iSum >> 13);
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
        const VertexWords aiWord = aiWordsOf(sVertex);
        std::size_t iSlot = iHash(aiWord) & iMask;
        for (;;) {
            const std::uint32_t iKept = sShared.aiSlot[iSlot];
            if (iKept == iEmptySlot) {
                sShared.aiSlot[iSlot] = std::uint32_t(sShared.asVertex.size());
                sShared.aiIndex[iVertex] = std::uint32_t(sShared.asVertex.size());
                sShared.asVertex.push_back(sVertex);
                break;
            }
            if (aiWordsOf(sShared.asVertex[iKept]) == aiWord) {
                sShared.aiIndex[iVertex] = iKept;
                break;
            }
            iSlot = (iSlot + 1) & iMask;
        }
    }
}
