// Wavefront OBJ: positions (v) and normals (vn), each float with nine
// significant digits, which read back as exactly the same float; faces give
// each corner's position and normal by the same number (f a//a b//b c//c).
#include <cstdio>

#include "mesh_writer.h"

namespace {

void vWriteVertex(std::FILE* pFile, const MeshCorner& rsCorner) {
    const GLvector& p = rsCorner.sPosition;
    const GLvector& n = rsCorner.sNormal;
    std::fprintf(pFile, "v %.9g %.9g %.9g\nvn %.9g %.9g %.9g\n", double(p.fX), double(p.fY),
                 double(p.fZ), double(n.fX), double(n.fY), double(n.fZ));
}

// Vertex numbers count from 1.
void vWriteFace(std::FILE* pFile, std::uint64_t i0, std::uint64_t i1, std::uint64_t i2) {
    std::fprintf(pFile, "f %llu//%llu %llu//%llu %llu//%llu\n", (unsigned long long)i0 + 1,
                 (unsigned long long)i0 + 1, (unsigned long long)i1 + 1, (unsigned long long)i1 + 1,
                 (unsigned long long)i2 + 1, (unsigned long long)i2 + 1);
}

void vStartStream(std::FILE* pFile) {
    std::fputs("# written by orvane-mesh\n", pFile);
}

void vStreamTriangle(std::FILE* pFile, const MeshCorner* asCorner, std::uint64_t iTriangle) {
    for (int iCorner = 0; iCorner < 3; iCorner++) {
        vWriteVertex(pFile, asCorner[iCorner]);
    }
    vWriteFace(pFile, 3 * iTriangle, 3 * iTriangle + 1, 3 * iTriangle + 2);
}

void vFinishStream(std::FILE* /*pFile*/, std::uint64_t /*iTriangles*/) {}

void vWriteWelded(std::FILE* pFile, const WeldedMesh& sMesh) {
    vStartStream(pFile);
    vWriteVerticesAndFaces(pFile, sMesh, vWriteVertex, vWriteFace);
}

}  // namespace

const MeshWriter sObjWriter = {vStartStream, vStreamTriangle, vFinishStream, vWriteWelded};
