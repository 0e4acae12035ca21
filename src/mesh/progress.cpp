// Called once per chunk of the sweep taken, so the clock is read rarely; the
// line is redrawn at most a few times a second.
#include "progress.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>

namespace {

bool bTerminal = false;
bool bShown = false;
std::int64_t iTotal = 0;
double fNextDraw = 0.0;

double fNowSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

void vProgressStart(std::int64_t iTotalCells) {
    bTerminal = isatty(STDERR_FILENO) == 1;
    bShown = false;
    iTotal = iTotalCells;
    fNextDraw = fNowSeconds() + 1.0;
}

void vProgressCells(std::int64_t iCellsDone) {
    if (!bTerminal) {
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
