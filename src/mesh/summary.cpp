// The summary's two forms, from one list of its figures. The JSON keys are
// part of the program's interface; a figure that has no value (the angles of
// a surface without a triangle of non-zero area) is null there and "none" in
// the text.
#include "summary.h"

#include <array>
#include <cmath>

namespace {

enum class Figure { Count, Real, Time };

struct SummaryLine {
    const char* szLabel;
    const char* szKey;
    Figure eFigure;
    double fValue;
};

typedef std::array<SummaryLine, 15> SummaryLines;

// Counts are far below 2^53, so a double holds them exactly.
SummaryLines asSummaryLines(const MeshSummary& s) {
    return {{
        {"triangles", "triangles", Figure::Count, double(s.iTriangles)},
        {"emitted corners", "corners", Figure::Count, double(s.iCorners)},
        {"vertices after welding", "vertices", Figure::Count, double(s.iVertices)},
        {"edges", "edges", Figure::Count, double(s.iEdges)},
        {"boundary edges", "boundary_edges", Figure::Count, double(s.iBoundaryEdges)},
        {"edges of 3 or more triangles", "nonmanifold_edges", Figure::Count,
         double(s.iNonManifoldEdges)},
        {"connected components", "components", Figure::Count, double(s.iComponents)},
        {"Euler characteristic", "euler_characteristic", Figure::Count,
         double(s.iEulerCharacteristic)},
        {"surface area", "area", Figure::Real, s.fArea},
        {"enclosed volume", "volume", Figure::Real, s.fVolume},
        {"degenerate triangles", "degenerate_triangles", Figure::Count,
         double(s.iDegenerateTriangles)},
        {"smallest angle (degrees)", "min_angle_deg", Figure::Real, s.fMinAngleDeg},
        {"median angle (degrees)", "median_angle_deg", Figure::Real, s.fMedianAngleDeg},
        {"sample calls", "sample_calls", Figure::Count, double(s.iSampleCalls)},
        {"extraction time (s)", "seconds", Figure::Time, s.fSeconds},
    }};
}

// Seventeen digits read back as the same double; the text and a time need
// fewer.
void vPrintFigure(std::FILE* pFile, const SummaryLine& sLine, bool bJson) {
    if (sLine.eFigure == Figure::Count) {
        std::fprintf(pFile, "%lld", (long long)sLine.fValue);
    } else if (!std::isfinite(sLine.fValue)) {
        std::fputs(bJson ? "null" : "none", pFile);
    } else {
        std::fprintf(pFile, "%.*g", bJson && sLine.eFigure == Figure::Real ? 17 : 6, sLine.fValue);
    }
}

}  // namespace

void vPrintSummaryText(std::FILE* pFile, const MeshSummary& sSummary) {
    for (const SummaryLine& sLine : asSummaryLines(sSummary)) {
        std::fprintf(pFile, "%-28s ", sLine.szLabel);
        vPrintFigure(pFile, sLine, false);
        std::fputc('\n', pFile);
    }
}

void vPrintSummaryJson(std::FILE* pFile, const MeshSummary& sSummary) {
    const char* szSeparator = "{";
    for (const SummaryLine& sLine : asSummaryLines(sSummary)) {
        std::fprintf(pFile, "%s\"%s\":", szSeparator, sLine.szKey);
        vPrintFigure(pFile, sLine, true);
        szSeparator = ",";
    }
    std::fputs("}\n", pFile);
}
