// What orvane-mesh reports of a surface, as text or as one JSON object.
#pragma once

#include <cstdint>
#include <cstdio>

struct MeshSummary {
    std::uint64_t iTriangles = 0;
    std::uint64_t iCorners = 0;
    // Of the welded mesh, whether or not the file is welded:
    std::uint64_t iVertices = 0;
    std::uint64_t iEdges = 0;
    std::uint64_t iBoundaryEdges = 0;
    std::uint64_t iNonManifoldEdges = 0;
    std::uint64_t iComponents = 0;
    std::int64_t iEulerCharacteristic = 0;
    double fArea = 0.0;
    double fVolume = 0.0;
    std::uint64_t iDegenerateTriangles = 0;
    // NaN when no triangle has an area.
    double fMinAngleDeg = 0.0;
    double fMedianAngleDeg = 0.0;
    std::uint64_t iSampleCalls = 0;
    double fSeconds = 0.0;
};

void vPrintSummaryText(std::FILE* pFile, const MeshSummary& sSummary);
void vPrintSummaryJson(std::FILE* pFile, const MeshSummary& sSummary);
