// orvane-mesh: the surface the viewer draws, for the settings given on the
// command line, written to a mesh file, with a summary of its topology.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include "atomic_file.h"
#include "extract.h"
#include "field.h"
#include "frame_clock.h"
#include "geometry.h"
#include "mesh_writer.h"
#include "options.h"
#include "summary.h"
#include "topology.h"
#include "weld.h"

namespace {

// Where the sweep's triangles go: always into the welded mesh, and, for an
// unwelded file, straight on to the file as well.
WeldedMesh sMesh;
AtomicFile sOutput;
const MeshWriter* pStreamWriter = nullptr;

void vTakeTriangle(const MeshCorner* asCorner, const SegmentKey* aiKey) {
    if (pStreamWriter != nullptr) {
        // Streamed, corner i is vertex i, and a PLY file numbers them in 32-bit ints.
        if (iEmittedCorners(sMesh) + 3 > std::uint64_t(INT32_MAX)) {
            throw std::runtime_error("the surface has more corners than a mesh file can index");
        }
        pStreamWriter->pfStreamTriangle(sOutput.pFile, asCorner, iEmittedCorners(sMesh) / 3);
    }
    vWeldTriangle(sMesh, asCorner, aiKey);
}

SweepSettings sSweepSettings(const MeshOptions& sOptions) {
    SampleFunction* const apfField[3] = {fSample1, fSample2, fSample3};
    SweepSettings sSettings;
    sSettings.pfField = apfField[sOptions.iField - 1];
    sSettings.bTetra = sOptions.bTetra;
    sSettings.iGrid = sOptions.iGrid;
    sSettings.fIso = sOptions.fIso;
    sSettings.fTime = fFrameClockAfter(sOptions.iFrame);
    sSettings.iThreads = sOptions.iThreads;
    return sSettings;
}

MeshSummary sExtract(const MeshOptions& sOptions) {
    const MeshWriter& sWriter = sWriterFor(sOptions.eFormat);
    const bool bStream = sOutput.pFile != nullptr && !sOptions.bWeld;
    if (bStream) {
        pStreamWriter = &sWriter;
        sWriter.pfStartStream(sOutput.pFile);
    }
    SweepCounts sCounts;
    vRunSweep(sSweepSettings(sOptions), vTakeTriangle, sCounts);
    if (bStream) {
        sWriter.pfFinishStream(sOutput.pFile, iEmittedCorners(sMesh) / 3);
    } else if (sOutput.pFile != nullptr) {
        sWriter.pfWriteWelded(sOutput.pFile, sMesh);
    }

    MeshSummary sSummary;
    std::vector<bool> abClosedTriangle;
    vMeasureTopology(sMesh, sSummary, abClosedTriangle);
    vMeasureGeometry(sMesh, abClosedTriangle, sSummary);
    sSummary.iCorners = iEmittedCorners(sMesh);
    sSummary.iSampleCalls = sCounts.iSampleCalls;
    sSummary.fSeconds = sCounts.fSeconds;
    return sSummary;
}

}  // namespace

int main(int iArgCount, char** aszArg) {
    MeshOptions sOptions;
    const int iStatus = iParseOptions(iArgCount, aszArg, sOptions);
    if (iStatus >= 0) {
        return iStatus;
    }
    std::string strError;
    if (!sOptions.strOutput.empty() && !bOpenAtomic(sOptions.strOutput, sOutput, strError)) {
        std::fprintf(stderr, "orvane-mesh: --output: cannot write '%s': %s\n",
                     sOptions.strOutput.c_str(), strError.c_str());
        return 2;
    }
    try {
        const MeshSummary sSummary = sExtract(sOptions);
        if (sOutput.pFile != nullptr && !bCommitAtomic(sOutput, strError)) {
            std::fprintf(stderr, "orvane-mesh: writing '%s' failed: %s\n",
                         sOptions.strOutput.c_str(), strError.c_str());
            return 1;
        }
        (sOptions.bJson ? vPrintSummaryJson : vPrintSummaryText)(stdout, sSummary);
        // The summary is a result too: a run whose summary is lost has failed.
        if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
            std::fprintf(stderr, "orvane-mesh: writing the summary failed: %s\n",
                         std::strerror(errno));
            return 1;
        }
    } catch (const std::exception& e) {
        if (sOutput.pFile != nullptr) {
            vDiscardAtomic(sOutput);
        }
        std::fprintf(stderr, "orvane-mesh: %s\n", e.what());
        return 1;
    }
    return 0;
}
