// The help text, printed once at start.
#include <cstdio>

#include "app.h"

// Flushed at once: standard output may be a pipe, and the event loop that
// follows never returns to let the buffer drain.
void vPrintHelp() {
    std::fputs("Orvane\n\n", stdout);
    std::fputs("Controls:\n", stdout);
    std::fputs("+/-  increase/decrease sample density\n", stdout);
    std::fputs("PageUp/PageDown  increase/decrease surface value\n", stdout);
    std::fputs("s  toggle sample function\n", stdout);
    std::fputs("w  toggle wireframe\n", stdout);
    std::fputs("l  toggle lighting / color interpolation\n", stdout);
    std::fputs("Home  toggle spin scene\n", stdout);
    std::fputs("End  toggle source point animation\n", stdout);
    std::fflush(stdout);
}
