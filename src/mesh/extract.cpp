// The sweep is the viewer's own, vMarchingCubes with the chosen polygonizer in
// the slot vMarchCube, and so is the sample slot's function where it is the
// point or the line sources: the polygonizers evaluate them as the viewer
// does. Any other function goes through a pass-through that counts its calls.
// The polygonizers' hook for crossed cells says which cell is being
// polygonized and the values its case was formed from, so each corner's
// segment can be named; every other cell emits nothing.
#include "extract.h"

#include <chrono>
#include <cmath>
#include <stdexcept>
#include <string>

#include "field.h"
#include "polygonize.h"
#include "progress.h"
#include "sample_count.h"

namespace {

SweepSettings sSweep;
TriangleSink* pfTriangleSink = nullptr;
std::uint64_t iCountedCalls = 0;
std::uint64_t iNormals = 0;
MeshCorner asCellCorner[iMaxCellCorners];
int iCellCorners = 0;
// The crossed cell being emitted, and the values its case was formed from.
bool bCellOpen = false;
CellIndex sOpenCell;
float afCellValue[8];

// Going through this slot makes the polygonizers take their samples one call
// at a time; the values are those of the field itself.
float fCountedSample(float fX, float fY, float fZ) {
    iCountedCalls++;
    return sSweep.pfField(fX, fY, fZ);
}

void vKeepCorner(const MeshCorner& rsCorner) {
    if (iCellCorners < iMaxCellCorners) {
        asCellCorner[iCellCorners] = rsCorner;
    }
    iCellCorners++;
}

// The sweep's cell origins are the index times fStepSize rounded to float,
// within a part in 2^24 of the product, so for grids of up to 1024 cells per
// axis the nearest integer to origin / step is the index, far from a tie.
std::int32_t iCellIndexAt(float fOrigin) {
    return std::int32_t(std::lround(double(fOrigin) / double(fStepSize)));
}

// A cell's corners, as the polygonizer emitted them, with their segments.
void vHandOnCell() {
    const CellIndex& sCell = sOpenCell;
    SegmentKey aiKey[iMaxCellCorners];
    const int iKeys = sSweep.bTetra ? iTetraCellSegments(sCell, afCellValue, sSweep.fIso, aiKey)
                                    : iCubeCellSegments(sCell, afCellValue, sSweep.fIso, aiKey);
    if (iKeys != iCellCorners) {
        throw std::runtime_error("cell " + std::to_string(sCell.iX) + ", " +
                                 std::to_string(sCell.iY) + ", " + std::to_string(sCell.iZ) +
                                 " emitted " + std::to_string(iCellCorners) +
                                 " corners where its case names " + std::to_string(iKeys));
    }
    for (int iCorner = 0; iCorner < iKeys; iCorner += 3) {
        pfTriangleSink(asCellCorner + iCorner, aiKey + iCorner);
    }
}

// A cell's corners are all emitted before the next crossed cell starts, or
// before the sweep returns: that is when they are handed on.
void vCloseCell() {
    if (bCellOpen) {
        vHandOnCell();
    } else if (iCellCorners > 0) {
        throw std::runtime_error("corners emitted outside a crossed cell");
    }
    bCellOpen = false;
    iCellCorners = 0;
}

void vCrossedCell(const float* afCubeValue, float fX, float fY, float fZ) {
    vCloseCell();
    bCellOpen = true;
    sOpenCell = {iCellIndexAt(fX), iCellIndexAt(fY), iCellIndexAt(fZ), sSweep.iGrid};
    for (int iCorner = 0; iCorner < 8; iCorner++) {
        afCellValue[iCorner] = afCubeValue[iCorner];
    }
    iNormals += unsigned(sSweep.bTetra ? iTetraCellNormals(afCubeValue, sSweep.fIso)
                                       : iCubeCellNormals(afCubeValue, sSweep.fIso));
    const std::int64_t iGrid = sSweep.iGrid;
    vProgressCell((sOpenCell.iX * iGrid + sOpenCell.iY) * iGrid + sOpenCell.iZ);
}

void vApplySettings(const SweepSettings& sSettings) {
    sSweep = sSettings;
    vSetTime(sSettings.fTime);
    const bool bFieldInSlot = sSettings.pfField == fSample1 || sSettings.pfField == fSample2;
    fSample = bFieldInSlot ? sSettings.pfField : fCountedSample;
    fTargetValue = sSettings.fIso;
    iDataSetSize = sSettings.iGrid;
    // As the viewer's keys compute it.
    fStepSize = float(1.0 / iDataSetSize);
    vMarchCube = sSettings.bTetra ? vMarchCube2 : vMarchCube1;
}

// Counted where a pass-through stands in the slot, else worked out.
std::uint64_t iSampleCalls() {
    if (fSample == fCountedSample) {
        return iCountedCalls;
    }
    const std::uint64_t iGrid = std::uint64_t(sSweep.iGrid);
    return iSamplesPerCell * iGrid * iGrid * iGrid + iSamplesPerNormal * iNormals;
}

}  // namespace

// A step that no longer changes the clock never will again (from 2^19 on),
// so the sum can stop there.
float fFrameClock(std::int64_t iFrames) {
    float fClock = 0.0f;
    for (std::int64_t iFrame = 0; iFrame < iFrames; iFrame++) {
        const float fNext = float(fClock + 0.025);
        if (fNext == fClock) {
            break;
        }
        fClock = fNext;
    }
    return fClock;
}

void vRunSweep(const SweepSettings& sSettings, TriangleSink* pfSink, SweepCounts& sCounts) {
    vApplySettings(sSettings);
    pfTriangleSink = pfSink;
    iCountedCalls = 0;
    iNormals = 0;
    bCellOpen = false;
    iCellCorners = 0;
    pCornerSink = vKeepCorner;
    pfCrossedCellHook = vCrossedCell;
    const std::int64_t iGrid = sSettings.iGrid;
    vProgressStart(iGrid * iGrid * iGrid);

    const auto sStart = std::chrono::steady_clock::now();
    vMarchingCubes();
    vCloseCell();
    const std::chrono::duration<double> sElapsed = std::chrono::steady_clock::now() - sStart;

    vProgressEnd();
    pfCrossedCellHook = nullptr;
    pCornerSink = nullptr;
    sCounts.iSampleCalls = iSampleCalls();
    sCounts.fSeconds = sElapsed.count();
}
