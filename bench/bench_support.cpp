#include "bench_support.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>

#include "field.h"
#include "gl_sink.h"
#include "polygonize.h"

const float fFrameOneTime = float(0.0f + 0.025);

SampleFunction* fFieldNumbered(int iField) {
    switch (iField) {
        case 2:
            return fSample2;
        case 3:
            return fSample3;
        default:
            return fSample1;
    }
}

void vSetGrid(std::int32_t iCells) {
    iDataSetSize = iCells;
    fStepSize = float(1.0 / iDataSetSize);
}

void vSetFrameOne(int iField, std::int32_t iCells) {
    vSetGrid(iCells);
    fTargetValue = 48.0f;
    fSample = fFieldNumbered(iField);
    vSetTime(fFrameOneTime);
}

namespace {

// Points are kept in runs of this many consecutive calls: a run keeps the
// sweep's own succession of nearby points, which the field's branches and
// caches see, where single scattered points would not.
const std::uint64_t iCensusBlock = 1024;

SampleFunction* fWrapped = nullptr;
std::uint64_t iCensusCalls = 0;
std::uint64_t iCensusBlockStride = 1;
std::vector<GLvector>* pasCensusPoints = nullptr;

float fCountingSample(float fX, float fY, float fZ) {
    iCensusCalls++;
    return fWrapped(fX, fY, fZ);
}

float fKeepingSample(float fX, float fY, float fZ) {
    if ((iCensusCalls++ / iCensusBlock) % iCensusBlockStride == 0) {
        pasCensusPoints->push_back(GLvector{fX, fY, fZ});
    }
    return fWrapped(fX, fY, fZ);
}

std::uint64_t iSweepWrapped(SampleFunction* fWrapper) {
    fWrapped = fSample;
    iCensusCalls = 0;
    fSample = fWrapper;
    vMarchingCubes();
    fSample = fWrapped;
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
    sCensus.asPoints.reserve(iMaxBlocks * iCensusBlock);
    pasCensusPoints = &sCensus.asPoints;
    iSweepWrapped(fKeepingSample);
    pasCensusPoints = nullptr;
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

double fThreadSeconds() {
    timespec sNow;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &sNow);
    return double(sNow.tv_sec) + 1e-9 * double(sNow.tv_nsec);
}
