// The three file formats behind one set of entry points. Without --weld a
// file is streamed: its header first with its counts still to come, then
// each triangle as it is made, then whatever the format keeps at its end and
// the counts. With --weld the whole welded mesh is written at once.
#pragma once

#include <cstdint>
#include <cstdio>

#include "capture.h"
#include "options.h"
#include "weld.h"

struct MeshWriter {
    void (*pfStartStream)(std::FILE* pFile);
    // The iTriangle-th triangle (from 0), its corners numbered 3 iTriangle on.
    void (*pfStreamTriangle)(std::FILE* pFile, const MeshCorner* asCorner, std::uint64_t iTriangle);
    void (*pfFinishStream)(std::FILE* pFile, std::uint64_t iTriangles);
    void (*pfWriteWelded)(std::FILE* pFile, const WeldedMesh& sMesh);
};

extern const MeshWriter sPlyWriter;
extern const MeshWriter sObjWriter;
extern const MeshWriter sStlWriter;

const MeshWriter& sWriterFor(MeshFormat eFormat);

// Every vertex of the welded mesh in order, then every face: the layout of
// both indexed formats.
typedef void VertexWriter(std::FILE* pFile, const MeshCorner& rsVertex);
typedef void FaceWriter(std::FILE* pFile, std::uint64_t i0, std::uint64_t i1, std::uint64_t i2);
void vWriteVerticesAndFaces(std::FILE* pFile, const WeldedMesh& sMesh, VertexWriter* pfVertex,
                            FaceWriter* pfFace);
