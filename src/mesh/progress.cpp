// The clock is read every few hundred calls only, and the line is redrawn at
// most a few times a second, so the sweep does not pay for its own progress.
#include "progress.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>

namespace {

bool bTerminal = false;
bool bShown = false;
std::int64_t iTotal = 0;
std::int64_t iCalls = 0;
double fNextDraw = 0.0;

const std::int64_t iCallsBetweenLooks = 256;

double fNowSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

void vProgressStart(std::int64_t iTotalCells) {
    bTerminal = isatty(STDERR_FILENO) == 1;
    bShown = false;
    iTotal = iTotalCells;
    iCalls = 0;
    fNextDraw = fNowSeconds() + 1.0;
}

void vProgressCell(std::int64_t iCellsDone) {
    if (!bTerminal || ++iCalls % iCallsBetweenLooks != 0) {
        return;
    }
    const double fNow = fNowSeconds();
    if (fNow < fNextDraw) {
        return;
    }
    fNextDraw = fNow + 0.25;
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
