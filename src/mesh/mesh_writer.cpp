// The choice of format, and what the indexed formats share.
#include "mesh_writer.h"

const MeshWriter& sWriterFor(MeshFormat eFormat) {
    switch (eFormat) {
        case MeshFormat::Obj:
            return sObjWriter;
        case MeshFormat::Stl:
            return sStlWriter;
        default:
            return sPlyWriter;
    }
}

void vWriteVerticesAndFaces(std::FILE* pFile, const WeldedMesh& sMesh, VertexWriter* pfVertex,
                            FaceWriter* pfFace) {
    for (const MeshCorner& rsVertex : sMesh.asVertex) {
        pfVertex(pFile, rsVertex);
    }
    const std::vector<std::uint32_t>& aiTriangle = sMesh.aiTriangle;
    for (std::size_t iFirst = 0; iFirst < aiTriangle.size(); iFirst += 3) {
        pfFace(pFile, aiTriangle[iFirst], aiTriangle[iFirst + 1], aiTriangle[iFirst + 2]);
    }
}
