// One sweep of the viewer's polygonizers over the grid, with every triangle
// handed on together with the grid segments its corners lie on.
#pragma once

#include <cstdint>

#include "capture.h"
#include "glvector.h"
#include "segment.h"

struct SweepSettings {
    SampleFunction* pfField;
    bool bTetra;
    std::int32_t iGrid;
    float fIso;
    float fTime;
    // The threads that sweep; the calling thread takes their triangles.
    int iThreads;
};

// Three corners in the order emitted, and the segment of each.
typedef void TriangleSink(const MeshCorner* asCorner, const SegmentKey* aiKey);

struct SweepCounts {
    std::uint64_t iSampleCalls = 0;
    double fSeconds = 0.0;
};

// Sets the viewer's settings from sSettings, runs its sweep, a slab of x
// layers at a time on sSettings.iThreads threads, and hands every triangle
// to pfSink, on the calling thread, in the order the viewer sends them.
// Throws std::runtime_error if a cell's output disagrees with its case
// tables, after handing on the triangles of the cells before it.
void vRunSweep(const SweepSettings& sSettings, TriangleSink* pfSink, SweepCounts& sCounts);
