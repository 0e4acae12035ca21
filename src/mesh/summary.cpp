// The summary's two forms. The JSON keys are part of the program's interface;
// a figure that has no value (the angles of a surface without a triangle of
// non-zero area) is null there and "none" in the text.
#include "summary.h"

#include <cmath>

namespace {

void vTextCount(std::FILE* pFile, const char* sLabel, long long iValue) {
    std::fprintf(pFile, "%-28s %lld\n", sLabel, iValue);
}

void vTextReal(std::FILE* pFile, const char* sLabel, double fValue) {
    if (std::isfinite(fValue)) {
        std::fprintf(pFile, "%-28s %.6g\n", sLabel, fValue);
    } else {
        std::fprintf(pFile, "%-28s none\n", sLabel);
    }
}

void vJsonCount(std::FILE* pFile, const char* sKey, long long iValue, bool bLast = false) {
    std::fprintf(pFile, "\"%s\":%lld%s", sKey, iValue, bLast ? "" : ",");
}

// Seventeen digits read back as the same double; a time needs fewer.
void vJsonReal(std::FILE* pFile, const char* sKey, double fValue, int iDigits = 17,
               bool bLast = false) {
    if (std::isfinite(fValue)) {
        std::fprintf(pFile, "\"%s\":%.*g%s", sKey, iDigits, fValue, bLast ? "" : ",");
    } else {
        std::fprintf(pFile, "\"%s\":null%s", sKey, bLast ? "" : ",");
    }
}

}  // namespace

void vPrintSummaryText(std::FILE* pFile, const MeshSummary& s) {
    vTextCount(pFile, "triangles", (long long)s.iTriangles);
    vTextCount(pFile, "emitted corners", (long long)s.iCorners);
    vTextCount(pFile, "vertices after welding", (long long)s.iVertices);
    vTextCount(pFile, "edges", (long long)s.iEdges);
    vTextCount(pFile, "boundary edges", (long long)s.iBoundaryEdges);
    vTextCount(pFile, "edges of 3 or more triangles", (long long)s.iNonManifoldEdges);
    vTextCount(pFile, "connected components", (long long)s.iComponents);
    vTextCount(pFile, "Euler characteristic", (long long)s.iEulerCharacteristic);
    vTextReal(pFile, "surface area", s.fArea);
    vTextReal(pFile, "enclosed volume", s.fVolume);
    vTextCount(pFile, "degenerate triangles", (long long)s.iDegenerateTriangles);
    vTextReal(pFile, "smallest angle (degrees)", s.fMinAngleDeg);
    vTextReal(pFile, "median angle (degrees)", s.fMedianAngleDeg);
    vTextCount(pFile, "sample calls", (long long)s.iSampleCalls);
    vTextReal(pFile, "extraction time (s)", s.fSeconds);
}

void vPrintSummaryJson(std::FILE* pFile, const MeshSummary& s) {
    std::fputc('{', pFile);
    vJsonCount(pFile, "triangles", (long long)s.iTriangles);
    vJsonCount(pFile, "corners", (long long)s.iCorners);
    vJsonCount(pFile, "vertices", (long long)s.iVertices);
    vJsonCount(pFile, "edges", (long long)s.iEdges);
    vJsonCount(pFile, "boundary_edges", (long long)s.iBoundaryEdges);
    vJsonCount(pFile, "nonmanifold_edges", (long long)s.iNonManifoldEdges);
    vJsonCount(pFile, "components", (long long)s.iComponents);
    vJsonCount(pFile, "euler_characteristic", (long long)s.iEulerCharacteristic);
    vJsonReal(pFile, "area", s.fArea);
    vJsonReal(pFile, "volume", s.fVolume);
    vJsonCount(pFile, "degenerate_triangles", (long long)s.iDegenerateTriangles);
    vJsonReal(pFile, "min_angle_deg", s.fMinAngleDeg);
    vJsonReal(pFile, "median_angle_deg", s.fMedianAngleDeg);
    vJsonCount(pFile, "sample_calls", (long long)s.iSampleCalls);
    vJsonReal(pFile, "seconds", s.fSeconds, 6, true);
    std::fputs("}\n", pFile);
}
