// The sweep is the viewer's own, vMarchingCubes with the chosen polygonizer in
// the slot vMarchCube, and so is the sample slot's function where it is the
// point or the line sources: the polygonizers evaluate them as the viewer
// does. Any other function goes through a pass-through that counts its calls.
// The polygonizers' hook for crossed cells says which cell is being
// polygonized and the values its case was formed from, so each corner's
// segment can be named; every other cell emits nothing. The grid is swept in
// chunks of x layers on worker threads, each with a capture state of its
// own, and the chunks' triangles are handed on strictly in x order, so the
// sink sees the one sweep's triangles in the one sweep's order.
#include "extract.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <stdexcept>
#include <string>

#include "field.h"
#include "ordered_chunks.h"
#include "polygonize.h"
#include "progress.h"
#include "sample_count.h"

namespace {

SweepSettings sSweep;
TriangleSink* pfTriangleSink = nullptr;

// A thread's state while it sweeps one chunk: where the triangles go, and
// the crossed cell being emitted with the values its case was formed from.
struct CellCapture {
    ChunkOutput* pOutput;
    MeshCorner asCellCorner[iMaxCellCorners];
    int iCellCorners;
    bool bCellOpen;
    CellIndex sOpenCell;
    float afCellValue[8];
};

thread_local CellCapture* pCapture = nullptr;

// Going through this slot makes the polygonizers take their samples one call
// at a time; the values are those of the field itself.
float fCountedSample(float fX, float fY, float fZ) {
    pCapture->pOutput->iCountedCalls++;
    return sSweep.pfField(fX, fY, fZ);
}

void vKeepCorner(const MeshCorner& rsCorner) {
    CellCapture& rsCapture = *pCapture;
    if (rsCapture.iCellCorners < iMaxCellCorners) {
        rsCapture.asCellCorner[rsCapture.iCellCorners] = rsCorner;
    }
    rsCapture.iCellCorners++;
}

// The sweep's cell origins are the index times fStepSize rounded to float,
// within a part in 2^24 of the product, so for grids of up to 1024 cells per
// axis the nearest integer to origin / step is the index, far from a tie.
std::int32_t iCellIndexAt(float fOrigin) {
    return std::int32_t(std::lround(double(fOrigin) / double(fStepSize)));
}

// A cell's corners, as the polygonizer emitted them, with their segments.
void vHandOnCell(CellCapture& rsCapture) {
    const CellIndex& sCell = rsCapture.sOpenCell;
    const float* afValue = rsCapture.afCellValue;
    SegmentKey aiKey[iMaxCellCorners];
    const int iKeys = sSweep.bTetra ? iTetraCellSegments(sCell, afValue, sSweep.fIso, aiKey)
                                    : iCubeCellSegments(sCell, afValue, sSweep.fIso, aiKey);
    if (iKeys != rsCapture.iCellCorners) {
        throw std::runtime_error("cell " + std::to_string(sCell.iX) + ", " +
                                 std::to_string(sCell.iY) + ", " + std::to_string(sCell.iZ) +
                                 " emitted " + std::to_string(rsCapture.iCellCorners) +
                                 " corners where its case names " + std::to_string(iKeys));
    }
    ChunkOutput& rsOutput = *rsCapture.pOutput;
    rsOutput.asCorner.insert(rsOutput.asCorner.end(), rsCapture.asCellCorner,
                             rsCapture.asCellCorner + iKeys);
    rsOutput.aiKey.insert(rsOutput.aiKey.end(), aiKey, aiKey + iKeys);
}

// A cell's corners are all emitted before the next crossed cell starts, or
// before the chunk's sweep returns: that is when they are handed on.
void vCloseCell(CellCapture& rsCapture) {
    if (rsCapture.bCellOpen) {
        vHandOnCell(rsCapture);
    } else if (rsCapture.iCellCorners > 0) {
        throw std::runtime_error("corners emitted outside a crossed cell");
    }
    rsCapture.bCellOpen = false;
    rsCapture.iCellCorners = 0;
}

void vCrossedCell(const float* afCubeValue, float fX, float fY, float fZ) {
    CellCapture& rsCapture = *pCapture;
    vCloseCell(rsCapture);
    rsCapture.bCellOpen = true;
    rsCapture.sOpenCell = {iCellIndexAt(fX), iCellIndexAt(fY), iCellIndexAt(fZ), sSweep.iGrid};
    for (int iCorner = 0; iCorner < 8; iCorner++) {
        rsCapture.afCellValue[iCorner] = afCubeValue[iCorner];
    }
    rsCapture.pOutput->iNormals +=
        unsigned(sSweep.bTetra ? iTetraCellNormals(afCubeValue, sSweep.fIso)
                               : iCubeCellNormals(afCubeValue, sSweep.fIso));
}

// A chunk is a few x layers: enough chunks for the threads to share the
// work evenly, each small enough that the ring of them stays a small part of
// the memory the welded mesh needs.
const std::int32_t iLayersPerChunk = 2;

std::int32_t iChunkCount() {
    return (sSweep.iGrid + iLayersPerChunk - 1) / iLayersPerChunk;
}

std::int32_t iChunkEnd(std::int32_t iChunk) {
    return std::min(sSweep.iGrid, (iChunk + 1) * iLayersPerChunk);
}

void vSweepChunk(std::int32_t iChunk, ChunkOutput& rsOutput) {
    rsOutput.asCorner.clear();
    rsOutput.aiKey.clear();
    rsOutput.iCountedCalls = 0;
    rsOutput.iNormals = 0;
    CellCapture sCapture = {};
    sCapture.pOutput = &rsOutput;
    pCapture = &sCapture;
    vMarchingCubesSlab(iChunk * iLayersPerChunk, iChunkEnd(iChunk));
    vCloseCell(sCapture);
    pCapture = nullptr;
}

std::uint64_t iTakenCountedCalls = 0;
std::uint64_t iTakenNormals = 0;

void vTakeChunk(std::int32_t iChunk, const ChunkOutput& rsOutput) {
    for (std::size_t iCorner = 0; iCorner < rsOutput.asCorner.size(); iCorner += 3) {
        pfTriangleSink(&rsOutput.asCorner[iCorner], &rsOutput.aiKey[iCorner]);
    }
    iTakenCountedCalls += rsOutput.iCountedCalls;
    iTakenNormals += rsOutput.iNormals;
    const std::int64_t iGrid = sSweep.iGrid;
    vProgressCells(iChunkEnd(iChunk) * iGrid * iGrid);
}

void vApplySettings(const SweepSettings& sSettings) {
    sSweep = sSettings;
    vSetTime(sSettings.fTime);
    const int iField = iFieldNumber(sSettings.pfField);
    const bool bFieldInSlot = iField == 1 || iField == 2;
    fSample = bFieldInSlot ? sSettings.pfField : fCountedSample;
    fTargetValue = sSettings.fIso;
    vSetDataSetSize(sSettings.iGrid);
    vMarchCube = sSettings.bTetra ? vMarchCube2 : vMarchCube1;
}

// Counted where a pass-through stands in the slot, else worked out.
std::uint64_t iSampleCalls() {
    if (fSample == fCountedSample) {
        return iTakenCountedCalls;
    }
    const std::uint64_t iGrid = std::uint64_t(sSweep.iGrid);
    return iSamplesPerCell * iGrid * iGrid * iGrid + iSamplesPerNormal * iTakenNormals;
}

}  // namespace

// The slots the polygonizers call through are set before the workers start
// and stay as they are until every worker has ended.
void vRunSweep(const SweepSettings& sSettings, TriangleSink* pfSink, SweepCounts& sCounts) {
    vApplySettings(sSettings);
    pfTriangleSink = pfSink;
    iTakenCountedCalls = 0;
    iTakenNormals = 0;
    pfCornerSink = vKeepCorner;
    pfCrossedCellHook = vCrossedCell;
    const std::int64_t iGrid = sSettings.iGrid;
    vProgressStart(iGrid * iGrid * iGrid);

    const auto sStart = std::chrono::steady_clock::now();
    // More threads than chunks would only wait.
    const int iWorkers = std::min(sSettings.iThreads, int(iChunkCount()));
    vMakeChunksInOrder(iChunkCount(), iWorkers, vSweepChunk, vTakeChunk);
    const std::chrono::duration<double> sElapsed = std::chrono::steady_clock::now() - sStart;

    vProgressEnd();
    pfCrossedCellHook = nullptr;
    pfCornerSink = nullptr;
    sCounts.iSampleCalls = iSampleCalls();
    sCounts.fSeconds = sElapsed.count();
}
