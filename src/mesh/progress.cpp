// The clock is read every few thousand cells only, and the line is redrawn at
// most a few times a second, so the sweep does not pay for its own progress.
#include "progress.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>

namespace {

typedef std::chrono::steady_clock Clock;

bool bTerminal = false;
bool bShown = false;
std::int64_t iTotal = 0;
Clock::time_point sStart;
Clock::time_point sNextDraw;

const std::int64_t iCellsBetweenLooks = 4096;

}  // namespace

void vProgressStart(std::int64_t iTotalCells) {
    bTerminal = isatty(STDERR_FILENO) == 1;
    bShown = false;
    iTotal = iTotalCells;
    sStart = Clock::now();
    sNextDraw = sStart + std::chrono::seconds(1);
}

void vProgressCell(std::int64_t iCellsDone) {
    if (!bTerminal || iCellsDone % iCellsBetweenLooks != 0) {
        return;
    }
    const Clock::time_point sNow = Clock::now();
    if (sNow < sNextDraw) {
        return;
    }
    sNextDraw = sNow + std::chrono::milliseconds(250);
    bShown = true;
    std::fprintf(stderr, "\rorvane-mesh: %lld of %lld cells (%d%%)", (long long)iCellsDone,
                 (long long)iTotal, int(iCellsDone * 100 / iTotal));
    std::fflush(stderr);
}

void vProgressEnd() {
    if (bShown) {
        std::fputs("\r\033[K", stderr);
        std::fflush(stderr);
    }
}
