// The sweep is the viewer's own: vMarchingCubes with the chosen polygonizer in
// the slot vMarchCube. Two pass-throughs sit in the slots: one counts the
// sample calls and keeps each cell's corner values, the other knows which
// cell is being polygonized (the sweep's order is fixed: x outermost, z
// fastest) and names each corner's segment.
#include "extract.h"

#include <chrono>
#include <stdexcept>
#include <string>

#include "field.h"
#include "polygonize.h"
#include "progress.h"

namespace {

SweepSettings sSweep;
TriangleSink* pfTriangleSink = nullptr;
std::uint64_t iSampleCalls = 0;
std::int64_t iCellsDone = 0;
MeshCorner asCellCorner[iMaxCellCorners];
int iCellCorners = 0;
// Both polygonizers sample a cell's eight corners first, in corner order:
// kept, they are the values the cell's case was formed from.
float afCellValue[8];
int iCellSamples = 0;

// Going through this slot makes the polygonizers take their samples one call
// at a time; the values are those of the field itself.
float fCountedSample(float fX, float fY, float fZ) {
    iSampleCalls++;
    const float fValue = sSweep.pfField(fX, fY, fZ);
    if (iCellSamples < 8) {
        afCellValue[iCellSamples] = fValue;
    }
    iCellSamples++;
    return fValue;
}

void vKeepCorner(const MeshCorner& rsCorner) {
    if (iCellCorners < iMaxCellCorners) {
        asCellCorner[iCellCorners] = rsCorner;
    }
    iCellCorners++;
}

CellIndex sCurrentCell() {
    const std::int64_t iGrid = sSweep.iGrid;
    return {std::int32_t(iCellsDone / (iGrid * iGrid)), std::int32_t(iCellsDone / iGrid % iGrid),
            std::int32_t(iCellsDone % iGrid), sSweep.iGrid};
}

// A cell's corners, as the polygonizer emitted them, with their segments.
void vHandOnCell() {
    const CellIndex sCell = sCurrentCell();
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

void vKeyedCell(float fX, float fY, float fZ, float fScale) {
    iCellCorners = 0;
    iCellSamples = 0;
    if (sSweep.bTetra) {
        vMarchCube2(fX, fY, fZ, fScale);
    } else {
        vMarchCube1(fX, fY, fZ, fScale);
    }
    if (iCellCorners > 0) {
        vHandOnCell();
    }
    iCellsDone++;
    vProgressCell(iCellsDone);
}

void vApplySettings(const SweepSettings& sSettings) {
    sSweep = sSettings;
    vSetTime(sSettings.fTime);
    fSample = fCountedSample;
    fTargetValue = sSettings.fIso;
    iDataSetSize = sSettings.iGrid;
    // As the viewer's keys compute it.
    fStepSize = float(1.0 / iDataSetSize);
    vMarchCube = vKeyedCell;
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
    iSampleCalls = 0;
    iCellsDone = 0;
    pCornerSink = vKeepCorner;
    const std::int64_t iGrid = sSettings.iGrid;
    vProgressStart(iGrid * iGrid * iGrid);

    const auto sStart = std::chrono::steady_clock::now();
    vMarchingCubes();
    const std::chrono::duration<double> sElapsed = std::chrono::steady_clock::now() - sStart;

    vProgressEnd();
    pCornerSink = nullptr;
    sCounts.iSampleCalls = iSampleCalls;
    sCounts.fSeconds = sElapsed.count();
}
