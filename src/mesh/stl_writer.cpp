// Binary STL: an 80-byte header, the facet count, and per facet its normal,
// its three corners and a zero attribute word. The facet normal is the unit
// normal of the triangle's own plane, along (second - first) x (third -
// first), so it points to the low side of the field as the winding does;
// (0, 0, 0) for a triangle of zero area. The field's normals at the corners
// have no place in the format.
#include <cmath>
#include <cstdio>

#include "little_endian.h"
#include "mesh_writer.h"
#include "vector3.h"

namespace {

// Not starting with "solid", which would mark an ASCII STL.
void vWriteHeader(std::FILE* pFile, std::uint32_t iFacets) {
    char acHeader[80] = "binary STL written by orvane-mesh";
    std::fwrite(acHeader, 1, sizeof acHeader, pFile);
    ByteRecord sRecord;
    vPutU32(sRecord, iFacets);
    std::fwrite(sRecord.aiByte, 1, sRecord.iSize, pFile);
}

GLvector sFacetNormal(const GLvector& p0, const GLvector& p1, const GLvector& p2) {
    const Vector3 n = sCross(sDifference(p1, p0), sDifference(p2, p0));
    const double fNormLength = fLength(n);
    if (!(fNormLength > 0.0) || !std::isfinite(fNormLength)) {
        return {0.0f, 0.0f, 0.0f};
    }
    return {float(n.fX / fNormLength), float(n.fY / fNormLength), float(n.fZ / fNormLength)};
}

void vWriteFacet(std::FILE* pFile, const GLvector& p0, const GLvector& p1, const GLvector& p2) {
    ByteRecord sRecord;
    for (const GLvector& rsVector : {sFacetNormal(p0, p1, p2), p0, p1, p2}) {
        vPutF32(sRecord, rsVector.fX);
        vPutF32(sRecord, rsVector.fY);
        vPutF32(sRecord, rsVector.fZ);
    }
    vPutU16(sRecord, 0);
    std::fwrite(sRecord.aiByte, 1, sRecord.iSize, pFile);
}

void vStartStream(std::FILE* pFile) {
    vWriteHeader(pFile, 0);
}

void vStreamTriangle(std::FILE* pFile, const MeshCorner* asCorner, std::uint64_t /*iTriangle*/) {
    vWriteFacet(pFile, asCorner[0].sPosition, asCorner[1].sPosition, asCorner[2].sPosition);
}

void vFinishStream(std::FILE* pFile, std::uint64_t iTriangles) {
    std::rewind(pFile);
    vWriteHeader(pFile, std::uint32_t(iTriangles));
}

void vWriteWelded(std::FILE* pFile, const WeldedMesh& sMesh) {
    vWriteHeader(pFile, std::uint32_t(sMesh.aiTriangle.size() / 3));
    for (std::size_t iFirst = 0; iFirst < sMesh.aiTriangle.size(); iFirst += 3) {
        vWriteFacet(pFile, sMesh.asVertex[sMesh.aiTriangle[iFirst]].sPosition,
                    sMesh.asVertex[sMesh.aiTriangle[iFirst + 1]].sPosition,
                    sMesh.asVertex[sMesh.aiTriangle[iFirst + 2]].sPosition);
    }
}

}  // namespace

const MeshWriter sStlWriter = {vStartStream, vStreamTriangle, vFinishStream, vWriteWelded};
