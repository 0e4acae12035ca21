#include "shared_vertices.h"

#include <array>
#include <cstring>
#include <numeric>

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

// FNV-1a over the vertex's words.
std::uint32_t iHash(const VertexWords& aiWord) {
    const std::uint32_t iHashed = std::accumulate(
        aiWord.begin(), aiWord.end(), 2166136261u,
        [](std::uint32_t iSoFar, std::uint32_t iWord) { return (iSoFar ^ iWord) * 16777619u; });
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
