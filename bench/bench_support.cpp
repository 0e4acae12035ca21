#include "bench_support.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>

#include "field.h"
#include "frame_clock.h"
#include "gl_sink.h"
#include "polygonize.h"

const float fFrameOneTime = fNextFrameClock(0.0f);

SampleFunction* pfFieldNumbered(int iField) {
    switch (iField) {
        case 2:
            return fSample2;
        case 3:
            return fSample3;
        default:
            return fSample1;
    }
}

void vSetFrameOne(int iField, std::int32_t iCells) {
    vSetDataSetSize(iCells);
    fTargetValue = 48.0f;
    fSample = pfFieldNumbered(iField);
    vSetTime(fFrameOneTime);
}

namespace {

// Points are kept in runs of whole cells, a run starting every so many
// blocks of this many calls: a run keeps the sweep's own succession of
// nearby points and its batches, which the field's branches and caches see,
// where single scattered points would not.
const std::uint64_t iCensusBlock = 1024;

SampleFunction* pfWrapped = nullptr;
Polygonizer* pfWrappedPolygonizer = nullptr;
std::uint64_t iCensusCalls = 0;
std::uint64_t iCensusBlockStride = 1;
std::uint64_t iCellFirstCall = 0;
bool bKeepingCell = false;
SweepCensus* pCensus = nullptr;

void vCensusCell(float fX, float fY, float fZ, float fScale) {
    iCellFirstCall = iCensusCalls;
    bKeepingCell = (iCensusCalls / iCensusBlock) % iCensusBlockStride == 0;
    pfWrappedPolygonizer(fX, fY, fZ, fScale);
}

float fCountingSample(float fX, float fY, float fZ) {
    iCensusCalls++;
    return pfWrapped(fX, fY, fZ);
}

// A cell samples its eight corners together, then six points together for
// each normal.
float fKeepingSample(float fX, float fY, float fZ) {
    const std::uint64_t iInCell = iCensusCalls++ - iCellFirstCall;
    if (bKeepingCell) {
        if (iInCell == 0 || (iInCell >= 8 && (iInCell - 8) % 6 == 0)) {
            pCensus->aiBatchSize.push_back(0);
        }
        pCensus->aiBatchSize.back()++;
        pCensus->asPoints.push_back(GLvector{fX, fY, fZ});
        pCensus->afX.push_back(fX);
        pCensus->afY.push_back(fY);
        pCensus->afZ.push_back(fZ);
    }
    return pfWrapped(fX, fY, fZ);
}

std::uint64_t iSweepWrapped(SampleFunction* pfWrapper) {
    pfWrapped = fSample;
    pfWrappedPolygonizer = vMarchCube;
    iCensusCalls = 0;
    fSample = pfWrapper;
    vMarchCube = vCensusCell;
    vMarchingCubes();
    fSample = pfWrapped;
    vMarchCube = pfWrappedPolygonizer;
    return iCensusCalls;
}

}  // namespace

SweepCensus sTakeCensus(std::size_t iMaxPoints) {
    SweepCensus sCensus;
    const std::uint64_t iVerticesBefore = sGlSink.iVertices;
    sCensus.iSampleCalls = iSweepWrapped(fCountingSample);
    sCensus.iVertices = sGlSink.iVertices - iVerticesBefore;
    if (iMaxPoints == 0) {
        return sCensus;
    }

    const std::uint64_t iBlocks = (sCensus.iSampleCalls + iCensusBlock - 1) / iCensusBlock;
    const std::uint64_t iMaxBlocks = std::max<std::uint64_t>(iMaxPoints / iCensusBlock, 1);
    iCensusBlockStride = std::max<std::uint64_t>((iBlocks + iMaxBlocks - 1) / iMaxBlocks, 1);
    pCensus = &sCensus;
    iSweepWrapped(fKeepingSample);
    pCensus = nullptr;
    return sCensus;
}

void vSampleAlone(const std::vector<GLvector>& asPoints, std::uint64_t iCalls) {
    std::uint64_t iMade = 0;
    while (iMade < iCalls && !asPoints.empty()) {
        for (const GLvector& sPoint : asPoints) {
            if (iMade == iCalls) {
                break;
            }
            // Through the slot, as the sweep calls it; the value is kept so
            // the call cannot be dropped.
            float fValue = fSample(sPoint.fX, sPoint.fY, sPoint.fZ);
            benchmark::DoNotOptimize(fValue);
            iMade++;
        }
    }
}

namespace {

// The ripple's batches worked out as the sweep works them out: a cell's
// eight corners from four heights, a normal's six points from five, the
// cell's and the normal's coordinates read back from the points.
void vRippleBatch(const float* afX, const float* afY, const float* afZ, float* afValue,
                  int iCount) {
    if (iCount == 8) {
        vSampleCellCorners(sSpanOfCorners(afX, afY, afZ), afValue);
    } else if (iCount == 6) {
        // Lower and upper x, then y, then z, each with the point's own other two.
        const NormalStencil sStencil = {afX[2], afX[0], afX[1], afY[0], afY[2],
                                        afY[3], afZ[0], afZ[4], afZ[5]};
        vSampleNormalStencil(sStencil, afValue);
    } else {
        for (int i = 0; i < iCount; i++) {
            afValue[i] = fSample3(afX[i], afY[i], afZ[i]);
        }
    }
}

}  // namespace

SampleBatch* pfSweepBatch() {
    return iFieldInSlot() == 3 ? vRippleBatch : pfBatchOfSlot();
}

void vSampleBatched(const SweepCensus& sCensus, std::uint64_t iCalls) {
    SampleBatch* const pfBatch = pfSweepBatch();
    std::uint64_t iMade = 0;
    while (iMade < iCalls && !sCensus.aiBatchSize.empty()) {
        std::size_t iFirst = 0;
        for (int iSize : sCensus.aiBatchSize) {
            if (iMade == iCalls) {
                break;
            }
            const int iThis = int(std::min<std::uint64_t>(std::uint64_t(iSize), iCalls - iMade));
            float afValue[8];
            pfBatch(&sCensus.afX[iFirst], &sCensus.afY[iFirst], &sCensus.afZ[iFirst], afValue,
                    iThis);
            benchmark::DoNotOptimize(afValue);
            iFirst += std::size_t(iSize);
            iMade += std::uint64_t(iThis);
        }
    }
}

double fThreadSeconds() {
    timespec sNow;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &sNow);
    return double(sNow.tv_sec) + 1e-9 * double(sNow.tv_nsec);
}
