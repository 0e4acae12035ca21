// A stand-in for the OpenGL and GLUT entry points the program calls, for the
// benchmarks: every call only bumps a counter, so a timed sweep measures the
// program's own work and none of a driver's.
#pragma once

#include <cstdint>

struct GlSinkCounts {
    std::uint64_t iCalls;
    std::uint64_t iVertices;
};

extern GlSinkCounts sGlSink;
