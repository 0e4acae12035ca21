// What the benchmarks share: the scene of frame 1 and a census of the sample
// calls that one sweep makes. SettingsGuard, which puts every setting back so
// benchmarks can run in any order or alone, is the tests' own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "glvector.h"
#include "settings_snapshot.h"

// The field time of the first frame: one step of the frame clock from 0.
extern const float fFrameOneTime;

// 1, 2 or 3 for fSample1, fSample2, fSample3.
SampleFunction* pfFieldNumbered(int iField);

// The sweep's scene of frame 1: the grid, iso value 48, the field in the slot
// and its time at frame 1.
void vSetFrameOne(int iField, std::int32_t iCells);

// What one sweep of the current settings asks of the field.
struct SweepCensus {
    std::uint64_t iSampleCalls = 0;
    std::uint64_t iVertices = 0;
    // The sweep's sample points in order, or, where they are too many, runs
    // of whole consecutive cells spread evenly over the sweep: a sample of its
    // points small enough to stay in cache.
    std::vector<GLvector> asPoints;
    // The same points by coordinate, and how the sweep groups them into
    // batches: a cell's eight corners, then six points per normal.
    std::vector<float> afX, afY, afZ;
    std::vector<int> aiBatchSize;
};

// Runs two untimed sweeps with the slot wrapped: one to count the sample
// calls, one to keep at most about iMaxPoints of their points (none for 0,
// and then no second sweep).
SweepCensus sTakeCensus(std::size_t iMaxPoints);

// Makes exactly iCalls calls of the slot fSample, going round asPoints, with
// nothing else but the loop: the least a sweep's sampling can cost.
void vSampleAlone(const std::vector<GLvector>& asPoints, std::uint64_t iCalls);

// How the sweep evaluates the slot's function a batch at a time: the
// function's batch routine, or for the ripple a routine that works out each
// height once per batch as the cube polygonizer and the normal do; nullptr
// for a function the sweep calls once per point.
SampleBatch* pfSweepBatch();

// Evaluates exactly iCalls points with pfSweepBatch(), going round the
// census's batches: the least a sweep's sampling can cost where the sweep
// evaluates the slot's function a batch at a time (it must).
void vSampleBatched(const SweepCensus& sCensus, std::uint64_t iCalls);

// CPU time of the calling thread, in seconds: other processes on a shared
// machine do not count in it.
double fThreadSeconds();
