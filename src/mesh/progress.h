// A progress line on standard error for long extractions: shown only when
// standard error is a terminal and the sweep has run for about a second.
#pragma once

#include <cstdint>

void vProgressStart(std::int64_t iTotalCells);
// Called now and then during the sweep (orvane-mesh calls it as it takes
// each chunk of the sweep) with the number of cells finished so far.
void vProgressCells(std::int64_t iCellsDone);
// Clears the line if one was shown.
void vProgressEnd();
