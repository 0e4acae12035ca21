// The ring that carries the sweep's chunks from the worker threads to the
// thread that takes them: order, bounded memory, and errors on either side
// ending the run with every worker ended.
#include "ordered_chunks.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const std::int32_t iChunks = 40;

std::atomic<int> iStarted{0};
std::atomic<int> iMaking{0};
std::atomic<int> iMade{0};
std::atomic<int> iTaken{0};
std::atomic<int> iMostAhead{0};
std::int32_t iFailingChunk = -1;
std::int32_t iRefusedChunk = -1;
std::mutex sTakenMutex;
std::vector<std::int32_t> aiTakenChunk;
std::vector<std::uint64_t> aiTakenMark;

// A chunk's output names it: its calls count, and a little work that differs
// from chunk to chunk keeps the workers from finishing in turn.
void vMake(std::int32_t iChunk, ChunkOutput& rsOutput) {
    iMaking++;
    const int iAhead = ++iStarted - iTaken.load();
    int iMost = iMostAhead.load();
    while (iAhead > iMost && !iMostAhead.compare_exchange_weak(iMost, iAhead)) {
    }
    rsOutput.aiKey.clear();
    volatile std::uint64_t iSpin = 0;
    for (std::int32_t i = 0; i < (iChunk * 7919) % 13 * 20000; i++) {
        iSpin = iSpin + 1;
    }
    rsOutput.iCountedCalls = std::uint64_t(iChunk) * 1000;
    iMade++;
    iMaking--;
    if (iChunk == iFailingChunk) {
        rsOutput.aiKey.push_back(1);
        throw std::runtime_error("chunk " + std::to_string(iChunk) + " failed");
    }
}

void vTake(std::int32_t iChunk, const ChunkOutput& rsOutput) {
    {
        const std::lock_guard<std::mutex> sLock(sTakenMutex);
        aiTakenChunk.push_back(iChunk);
        aiTakenMark.push_back(rsOutput.iCountedCalls + rsOutput.aiKey.size());
    }
    iTaken++;
    if (iChunk == iRefusedChunk) {
        throw std::runtime_error("taker refused chunk " + std::to_string(iChunk));
    }
}

class OrderedChunks : public ::testing::TestWithParam<int> {
protected:
    OrderedChunks() {
        iStarted = 0;
        iMaking = 0;
        iMade = 0;
        iTaken = 0;
        iMostAhead = 0;
        iFailingChunk = -1;
        iRefusedChunk = -1;
        aiTakenChunk.clear();
        aiTakenMark.clear();
    }

    // The run's message, or "" if it returned.
    std::string strRun() {
        try {
            vMakeChunksInOrder(iChunks, GetParam(), vMake, vTake);
        } catch (const std::runtime_error& e) {
            return e.what();
        }
        return "";
    }

    void vExpectTakenInOrderUpTo(std::int32_t iLast) {
        ASSERT_EQ(aiTakenChunk.size(), std::size_t(iLast + 1));
        for (std::int32_t iChunk = 0; iChunk <= iLast; iChunk++) {
            EXPECT_EQ(aiTakenChunk[iChunk], iChunk);
            EXPECT_EQ(aiTakenMark[iChunk] / 1000, std::uint64_t(iChunk));
        }
    }
};

}  // namespace

TEST_P(OrderedChunks, EveryChunkIsTakenOnceInOrderWithAFewAheadPerWorker) {
    EXPECT_EQ(strRun(), "");
    vExpectTakenInOrderUpTo(iChunks - 1);
    EXPECT_EQ(iMade.load(), iChunks);
    // Two slots a worker: one chunk waiting, one being made; never more
    // chunks started and not yet taken.
    EXPECT_LE(iMostAhead.load(), 2 * GetParam());
}

TEST_P(OrderedChunks, AMakersErrorComesAfterItsOutputAndTheChunksBefore) {
    iFailingChunk = 17;
    EXPECT_EQ(strRun(), "chunk 17 failed");
    vExpectTakenInOrderUpTo(17);
    EXPECT_EQ(aiTakenMark[17], 17001u);
    EXPECT_EQ(iMaking.load(), 0) << "a worker still running after the run";
}

TEST_P(OrderedChunks, ATakersErrorEndsTheRunWithNoWorkerLeft) {
    iRefusedChunk = 5;
    EXPECT_EQ(strRun(), "taker refused chunk 5");
    vExpectTakenInOrderUpTo(5);
    const int iMadeAtEnd = iMade.load();
    EXPECT_EQ(iMaking.load(), 0) << "a worker still running after the run";
    EXPECT_LE(iMadeAtEnd, 6 + 2 * GetParam()) << "workers went on past a full ring";
}

INSTANTIATE_TEST_SUITE_P(Workers, OrderedChunks, ::testing::Values(1, 2, 3, 64));
