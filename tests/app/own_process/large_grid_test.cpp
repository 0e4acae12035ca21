// A grid of 200 cells per axis, eight million cells, still draws one frame
// correctly: every triangle that the case tables give for the sampled corners
// arrives whole, finite and inside the unit cube. A second or more of frames:
// run by `make check`, not by `make test`.
#include <gtest/gtest.h>

#include <cstdint>

#include "app.h"
#include "cell_corners.h"
#include "field.h"
#include "gl_record.h"
#include "orvane_test.h"
#include "polygonize.h"
#include "triangle_count.h"

namespace {

struct SurfaceCount {
    std::int64_t iCrossedCells = 0;
    std::int64_t iTriangles = 0;
};

// Samples every cell's corners where the sweep puts them (the cell origin,
// the index times the step rounded to float, plus the step for a far corner)
// and adds up the triangles of each cell's case.
SurfaceCount sCountSurface(std::int32_t iCells, float fStep) {
    SurfaceCount sCount;
    for (std::int32_t iX = 0; iX < iCells; iX++) {
        for (std::int32_t iY = 0; iY < iCells; iY++) {
            for (std::int32_t iZ = 0; iZ < iCells; iZ++) {
                const float afOrigin[3] = {float(iX) * fStep, float(iY) * fStep, float(iZ) * fStep};
                int iCase = 0;
                for (int iCorner = 0; iCorner < 8; iCorner++) {
                    float afPoint[3];
                    for (int iAxis = 0; iAxis < 3; iAxis++) {
                        afPoint[iAxis] = a2fCellCorner[iCorner][iAxis] == 0.0f
                                             ? afOrigin[iAxis]
                                             : afOrigin[iAxis] + fStep;
                    }
                    if (fSample(afPoint[0], afPoint[1], afPoint[2]) <= fTargetValue) {
                        iCase |= 1 << iCorner;
                    }
                }
                if (iCase != 0 && iCase != 255) {
                    sCount.iCrossedCells++;
                    sCount.iTriangles += iRowTriangles(a2iTriangleConnectionTable[iCase], 5);
                }
            }
        }
    }
    return sCount;
}

using LargeGrid = OrvaneTest;

TEST_F(LargeGrid, TwoHundredCellsPerAxisDrawEveryTriangleOfOneFrame) {
    vSetDataSetSize(200);
    sRecorder.eMode = RecorderMode::Count;
    vResetRecorder();

    vDrawScene();
    // The frame has placed the sources for its own clock; they stay there
    // for the count.
    const SurfaceCount sExpected = sCountSurface(iDataSetSize, fStepSize);

    EXPECT_GT(sExpected.iCrossedCells, 0);
    EXPECT_EQ(std::int64_t(sRecorder.iVertexCount), 3 * sExpected.iTriangles);
    EXPECT_EQ(sRecorder.iNonFiniteVertexCount, 0u);
    for (int iAxis = 0; iAxis < 3; iAxis++) {
        EXPECT_GE(sRecorder.afVertexMin[iAxis], 0.0) << "axis " << iAxis;
        EXPECT_LE(sRecorder.afVertexMax[iAxis], 1.0) << "axis " << iAxis;
    }
}

}  // namespace
