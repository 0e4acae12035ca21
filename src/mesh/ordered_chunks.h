// Work cut into numbered chunks, made by worker threads in any order and
// taken by the calling thread strictly in number order. Each chunk's output
// waits in one slot of a ring until it is taken, and a worker starts a chunk
// only once its slot is free, so at most a few chunks per worker are in
// memory at once however large the whole.
#pragma once

#include <cstdint>
#include <vector>

#include "capture.h"
#include "segment.h"

// What one chunk of the sweep made: three corners and their segments per
// triangle, in the order emitted, and the counts summed over the sweep.
struct ChunkOutput {
    std::vector<MeshCorner> asCorner;
    std::vector<SegmentKey> aiKey;
    std::uint64_t iCountedCalls = 0;
    std::uint64_t iNormals = 0;
};

// Fills rsOutput (left as the slot's previous chunk had it) with chunk
// iChunk; run on a worker thread. What it throws is thrown again on the
// calling thread when the chunk's turn comes, after its output is taken.
typedef void ChunkMaker(std::int32_t iChunk, ChunkOutput& rsOutput);
// Takes chunk iChunk's output on the calling thread.
typedef void ChunkTaker(std::int32_t iChunk, const ChunkOutput& rsOutput);

// Makes chunks 0 to iChunks - 1 on iWorkers threads and takes each in turn.
// Returns, or throws what a taker or a maker threw first in chunk order,
// only after every worker has ended.
void vMakeChunksInOrder(std::int32_t iChunks, int iWorkers, ChunkMaker* pfMake, ChunkTaker* pfTake);
