// The grid settings and the sweep that hands every cell to the polygonizer.
#include "polygonize.h"

namespace {
// The float nearest 1 / iCells.
float fStepFor(std::int32_t iCells) noexcept {
    return float(1.0 / iCells);
}
}  // namespace

std::int32_t iDataSetSize = 16;
// Computed while globals are initialised, before main runs; vSetDataSetSize
// keeps it equal to the float nearest 1 / iDataSetSize from then on.
float fStepSize = fStepFor(iDataSetSize);
float fTargetValue = 48.0f;
Polygonizer* vMarchCube = vMarchCube1;
CrossedCellHook* pfCrossedCellHook = nullptr;

// Visits the cells of the x layers iFirstX up to iEndX with z varying
// fastest. The cell size passed on is fStepSize itself, so every cell of a
// sweep has the same edge length even where the rounded origins do not tile
// the cube exactly.
void vMarchingCubesSlab(std::int32_t iFirstX, std::int32_t iEndX) {
    for (std::int32_t iX = iFirstX; iX < iEndX; iX++) {
        for (std::int32_t iY = 0; iY < iDataSetSize; iY++) {
            for (std::int32_t iZ = 0; iZ < iDataSetSize; iZ++) {
                vMarchCube(float(iX) * fStepSize, float(iY) * fStepSize, float(iZ) * fStepSize,
                           fStepSize);
            }
        }
    }
}

void vSetDataSetSize(std::int32_t iNewSize) {
    iDataSetSize = iNewSize;
    fStepSize = fStepFor(iDataSetSize);
}

void vMarchingCubes() {
    vMarchingCubesSlab(0, iDataSetSize);
}
