// One mutex guards the ring's counters and the slots' ready flags; a slot's
// output is written by its worker before the flag is raised and read by the
// taker after it saw it raised, both under the mutex, and the worker does not
// touch the slot again until the taker has counted it taken.
#include "ordered_chunks.h"

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace {

// One chunk being made while the worker's previous one waits to be taken.
const int iSlotsPerWorker = 2;

struct Slot {
    ChunkOutput sOutput;
    std::exception_ptr pError;
    bool bReady = false;
};

struct Ring {
    std::int32_t iChunks = 0;
    ChunkMaker* pfMake = nullptr;
    std::vector<Slot> asSlot;
    std::mutex sMutex;
    std::condition_variable sChunkReady;
    std::condition_variable sSlotFree;
    std::int32_t iNextToMake = 0;
    std::int32_t iNextToTake = 0;
    bool bStop = false;
};

Slot& rsSlotOf(Ring& rsRing, std::int32_t iChunk) {
    return rsRing.asSlot[std::size_t(iChunk) % rsRing.asSlot.size()];
}

// A chunk shares its slot with the chunks a ring's length before and after
// it, so it may start only once the one before has been taken.
bool bNextMayStart(const Ring& rsRing) {
    return rsRing.iNextToMake - rsRing.iNextToTake < std::int32_t(rsRing.asSlot.size());
}

void vWork(Ring& rsRing) {
    std::unique_lock<std::mutex> sLock(rsRing.sMutex);
    for (;;) {
        rsRing.sSlotFree.wait(sLock, [&] {
            return rsRing.bStop || rsRing.iNextToMake >= rsRing.iChunks || bNextMayStart(rsRing);
        });
        if (rsRing.bStop || rsRing.iNextToMake >= rsRing.iChunks) {
            return;
        }
        const std::int32_t iChunk = rsRing.iNextToMake++;
        Slot& rsSlot = rsSlotOf(rsRing, iChunk);
        sLock.unlock();
        std::exception_ptr pError;
        try {
            rsRing.pfMake(iChunk, rsSlot.sOutput);
        } catch (...) {
            pError = std::current_exception();
        }
        sLock.lock();
        rsSlot.pError = pError;
        rsSlot.bReady = true;
        rsRing.sChunkReady.notify_one();
    }
}

// Ends the workers however the taking ends: each finishes the chunk it is
// making, if any, and starts no other.
struct Workers {
    Ring& rsRing;
    std::vector<std::thread> asThread;

    ~Workers() {
        {
            const std::lock_guard<std::mutex> sLock(rsRing.sMutex);
            rsRing.bStop = true;
        }
        rsRing.sSlotFree.notify_all();
        for (std::thread& sThread : asThread) {
            sThread.join();
        }
    }
};

// The output of chunk iChunk, once it is made; rethrows what its maker threw
// after the taker has had what it made before.
void vTakeNext(Ring& rsRing, std::int32_t iChunk, ChunkTaker* pfTake) {
    Slot& rsSlot = rsSlotOf(rsRing, iChunk);
    {
        std::unique_lock<std::mutex> sLock(rsRing.sMutex);
        rsRing.sChunkReady.wait(sLock, [&] { return rsSlot.bReady; });
    }
    pfTake(iChunk, rsSlot.sOutput);
    if (rsSlot.pError) {
        std::rethrow_exception(rsSlot.pError);
    }
    {
        const std::lock_guard<std::mutex> sLock(rsRing.sMutex);
        rsSlot.bReady = false;
        rsRing.iNextToTake++;
    }
    rsRing.sSlotFree.notify_one();
}

}  // namespace

void vMakeChunksInOrder(std::int32_t iChunks, int iWorkers, ChunkMaker* pfMake,
                        ChunkTaker* pfTake) {
    Ring sRing;
    sRing.iChunks = iChunks;
    sRing.pfMake = pfMake;
    sRing.asSlot.resize(std::size_t(iSlotsPerWorker) * std::size_t(iWorkers));
    Workers sWorkers{sRing, {}};
    for (int iWorker = 0; iWorker < iWorkers; iWorker++) {
        sWorkers.asThread.emplace_back(vWork, std::ref(sRing));
    }
    for (std::int32_t iChunk = 0; iChunk < iChunks; iChunk++) {
        vTakeNext(sRing, iChunk, pfTake);
    }
}
