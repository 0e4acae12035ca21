// Edges are found by sorting the three edges of every triangle, each as its
// two vertex numbers, lower first; components by union-find over triangles.
#include "topology.h"

#include <algorithm>
#include <numeric>

namespace {

typedef std::uint64_t EdgeKey;

EdgeKey iEdgeKey(std::uint32_t iVertex1, std::uint32_t iVertex2) {
    return EdgeKey(std::min(iVertex1, iVertex2)) << 32 | std::max(iVertex1, iVertex2);
}

// Every triangle's three edges, sorted, so the uses of one edge stand together.
std::vector<EdgeKey> aiSortedEdgeUses(const std::vector<std::uint32_t>& aiTriangle) {
    std::vector<EdgeKey> aiUse;
    aiUse.reserve(aiTriangle.size());
    for (std::size_t iFirst = 0; iFirst < aiTriangle.size(); iFirst += 3) {
        for (int iSide = 0; iSide < 3; iSide++) {
            aiUse.push_back(
                iEdgeKey(aiTriangle[iFirst + iSide], aiTriangle[iFirst + (iSide + 1) % 3]));
        }
    }
    std::sort(aiUse.begin(), aiUse.end());
    return aiUse;
}

std::uint32_t iRoot(std::vector<std::uint32_t>& aiParent, std::uint32_t iVertex) {
    while (aiParent[iVertex] != iVertex) {
        aiParent[iVertex] = aiParent[aiParent[iVertex]];
        iVertex = aiParent[iVertex];
    }
    return iVertex;
}

// The component of each vertex, as the number of its root.
std::vector<std::uint32_t> aiComponentRoots(const WeldedMesh& sMesh) {
    std::vector<std::uint32_t> aiParent(sMesh.asVertex.size());
    std::iota(aiParent.begin(), aiParent.end(), 0u);
    const std::vector<std::uint32_t>& aiTriangle = sMesh.aiTriangle;
    for (std::size_t iFirst = 0; iFirst < aiTriangle.size(); iFirst += 3) {
        const std::uint32_t iRoot0 = iRoot(aiParent, aiTriangle[iFirst]);
        aiParent[iRoot(aiParent, aiTriangle[iFirst + 1])] = iRoot0;
        aiParent[iRoot(aiParent, aiTriangle[iFirst + 2])] = iRoot0;
    }
    for (std::uint32_t iVertex = 0; iVertex < aiParent.size(); iVertex++) {
        aiParent[iVertex] = iRoot(aiParent, iVertex);
    }
    return aiParent;
}

// Counts the edges by their uses and marks, by root, the components that
// have an edge used once or more than twice.
void vCountEdges(const std::vector<EdgeKey>& aiUse, const std::vector<std::uint32_t>& aiRootOf,
                 MeshSummary& sSummary, std::vector<bool>& abOpenRoot) {
    for (std::size_t iStart = 0, iEnd = 0; iStart < aiUse.size(); iStart = iEnd) {
        while (iEnd < aiUse.size() && aiUse[iEnd] == aiUse[iStart]) {
            iEnd++;
        }
        sSummary.iEdges++;
        if (iEnd - iStart == 2) {
            continue;
        }
        if (iEnd - iStart == 1) {
            sSummary.iBoundaryEdges++;
        } else {
            sSummary.iNonManifoldEdges++;
        }
        abOpenRoot[aiRootOf[std::uint32_t(aiUse[iStart] >> 32)]] = true;
    }
}

}  // namespace

void vMeasureTopology(const WeldedMesh& sMesh, MeshSummary& sSummary,
                      std::vector<bool>& abClosedTriangle) {
    const std::vector<std::uint32_t> aiRootOf = aiComponentRoots(sMesh);
    std::vector<bool> abOpenRoot(aiRootOf.size(), false);
    vCountEdges(aiSortedEdgeUses(sMesh.aiTriangle), aiRootOf, sSummary, abOpenRoot);

    sSummary.iVertices = sMesh.asVertex.size();
    sSummary.iTriangles = sMesh.aiTriangle.size() / 3;
    sSummary.iComponents = 0;
    for (std::uint32_t iVertex = 0; iVertex < aiRootOf.size(); iVertex++) {
        if (aiRootOf[iVertex] == iVertex) {
            sSummary.iComponents++;
        }
    }
    sSummary.iEulerCharacteristic = std::int64_t(sSummary.iVertices) -
                                    std::int64_t(sSummary.iEdges) +
                                    std::int64_t(sSummary.iTriangles);

    abClosedTriangle.assign(sSummary.iTriangles, false);
    for (std::size_t iTriangle = 0; iTriangle < sSummary.iTriangles; iTriangle++) {
        abClosedTriangle[iTriangle] = !abOpenRoot[aiRootOf[sMesh.aiTriangle[3 * iTriangle]]];
    }
}
