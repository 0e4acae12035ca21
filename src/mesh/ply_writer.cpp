// Binary little-endian PLY: per vertex its position and normal as floats and
// its colour as three bytes, the float colour clamped to [0, 1] as OpenGL
// clamps it and scaled to 0..255; per face a byte count (3) and three int
// vertex numbers.
#include <cmath>
#include <cstdio>

#include "little_endian.h"
#include "mesh_writer.h"

namespace {

// The counts are written ten digits wide, so the header has one length
// whether the counts are known yet or filled in at the end.
void vWriteHeader(std::FILE* pFile, std::uint64_t iVertices, std::uint64_t iFaces) {
    std::fprintf(pFile,
                 "ply\nformat binary_little_endian 1.0\ncomment written by orvane-mesh\n"
                 "element vertex %010llu\n"
                 "property float x\nproperty float y\nproperty float z\n"
                 "property float nx\nproperty float ny\nproperty float nz\n"
                 "property uchar red\nproperty uchar green\nproperty uchar blue\n"
                 "element face %010llu\nproperty list uchar int vertex_indices\nend_header\n",
                 (unsigned long long)iVertices, (unsigned long long)iFaces);
}

std::uint8_t iColorByte(float fValue) {
    return std::uint8_t(std::lround(std::fmin(std::fmax(double(fValue), 0.0), 1.0) * 255.0));
}

void vPutVertex(ByteRecord& sRecord, const MeshCorner& rsCorner) {
    for (const GLvector* pVector : {&rsCorner.sPosition, &rsCorner.sNormal}) {
        vPutF32(sRecord, pVector->fX);
        vPutF32(sRecord, pVector->fY);
        vPutF32(sRecord, pVector->fZ);
    }
    vPutByte(sRecord, iColorByte(rsCorner.sColor.fX));
    vPutByte(sRecord, iColorByte(rsCorner.sColor.fY));
    vPutByte(sRecord, iColorByte(rsCorner.sColor.fZ));
}

void vWriteVertex(std::FILE* pFile, const MeshCorner& rsCorner) {
    ByteRecord sRecord;
    vPutVertex(sRecord, rsCorner);
    std::fwrite(sRecord.aiByte, 1, sRecord.iSize, pFile);
}

// The numbers are below 2^31: the corner count is held to that.
void vWriteFace(std::FILE* pFile, std::uint64_t i0, std::uint64_t i1, std::uint64_t i2) {
    ByteRecord sRecord;
    vPutByte(sRecord, 3);
    vPutU32(sRecord, std::uint32_t(i0));
    vPutU32(sRecord, std::uint32_t(i1));
    vPutU32(sRecord, std::uint32_t(i2));
    std::fwrite(sRecord.aiByte, 1, sRecord.iSize, pFile);
}

void vStartStream(std::FILE* pFile) {
    vWriteHeader(pFile, 0, 0);
}

// The three vertices in one write.
void vStreamTriangle(std::FILE* pFile, const MeshCorner* asCorner, std::uint64_t /*iTriangle*/) {
    ByteRecord sRecord;
    for (int iCorner = 0; iCorner < 3; iCorner++) {
        vPutVertex(sRecord, asCorner[iCorner]);
    }
    std::fwrite(sRecord.aiByte, 1, sRecord.iSize, pFile);
}

// Corner i of the stream is vertex i, so the faces follow from the count.
void vFinishStream(std::FILE* pFile, std::uint64_t iTriangles) {
    for (std::uint64_t iTriangle = 0; iTriangle < iTriangles; iTriangle++) {
        vWriteFace(pFile, 3 * iTriangle, 3 * iTriangle + 1, 3 * iTriangle + 2);
    }
    std::rewind(pFile);
    vWriteHeader(pFile, 3 * iTriangles, iTriangles);
}

void vWriteWelded(std::FILE* pFile, const WeldedMesh& sMesh) {
    vWriteHeader(pFile, sMesh.asVertex.size(), sMesh.aiTriangle.size() / 3);
    vWriteVerticesAndFaces(pFile, sMesh, vWriteVertex, vWriteFace);
}

}  // namespace

const MeshWriter sPlyWriter = {vStartStream, vStreamTriangle, vFinishStream, vWriteWelded};
