// Marching cubes: the surface inside one cube cell.
#include <cstdint>

#include "cell_cases.h"
#include "cube_tables.h"
#include "emit.h"
#include "field.h"
#include "formulas.h"
#include "multiversion.h"
#include "polygonize.h"

namespace {

// The points, normals and triangles of a cell the surface crosses. Every
// crossed edge gets its point and normal, in edge order, before the cell's
// first OpenGL call. Crossings on faces shared with a neighbour are computed
// again here; nothing is shared between cells. Kept out of vMarchCube1 so
// that the cells that cross nothing, most of every grid, pay for none of its
// set-up.
[[gnu::noinline]] void vPolygonizeCrossedCell(const float* afCubeValue, float fX, float fY,
                                              float fZ, float fScale) {
    if (pfCrossedCellHook != nullptr) {
        pfCrossedCellHook(afCubeValue, fX, fY, fZ);
    }
    const int iFlagIndex = iCaseIndex(afCubeValue, 8, fTargetValue);
    const std::int32_t iEdgeFlags = aiCubeEdgeFlags[iFlagIndex];
    GLvector asEdgeVertex[12];
    GLvector asEdgeNorm[12];
    for (int iEdge = 0; iEdge < 12; iEdge++) {
        if ((iEdgeFlags & (1 << iEdge)) == 0) {
            continue;
        }
        const std::int32_t iFirst = a2iEdgeConnection[iEdge][0];
        const std::int32_t iSecond = a2iEdgeConnection[iEdge][1];
        const float fOffset = fGetOffset(afCubeValue[iFirst], afCubeValue[iSecond], fTargetValue);

        GLvector& sPoint = asEdgeVertex[iEdge];
        sPoint.fX =
            fX + (a2fVertexOffset[iFirst][0] + fOffset * a2fEdgeDirection[iEdge][0]) * fScale;
        sPoint.fY =
            fY + (a2fVertexOffset[iFirst][1] + fOffset * a2fEdgeDirection[iEdge][1]) * fScale;
        sPoint.fZ =
            fZ + (a2fVertexOffset[iFirst][2] + fOffset * a2fEdgeDirection[iEdge][2]) * fScale;

        vGetNormal(asEdgeNorm[iEdge], sPoint.fX, sPoint.fY, sPoint.fZ);
    }

    vEmitTriangles(a2iTriangleConnectionTable[iFlagIndex], 5, asEdgeVertex, asEdgeNorm);
}

// Whether the surface crosses the cell: some corner at or below the iso
// value and some not, a NaN counting as above; that is, whether the case is
// other than 0 and 255, the two whose entry in aiCubeEdgeFlags is 0. This
// test, not the case, decides the path of nearly every cell, and waits on
// all eight samples: the comparisons are read as four 64-bit words of two
// each, which the processor combines in a few steps, rather than folded
// into the case's bits one by one. They are made four at a time, the width
// of every version's vectors: compared as one vector of eight, the default
// version would compare lane by lane through memory.
[[gnu::always_inline]] inline bool bSurfaceCrosses(const float* afCubeValue) {
    typedef int Mask4 __attribute__((vector_size(16)));
    Float4 vLower;
    Float4 vUpper;
    __builtin_memcpy(&vLower, afCubeValue, sizeof vLower);
    __builtin_memcpy(&vUpper, afCubeValue + 4, sizeof vUpper);
    const Mask4 vLowerAtOrBelow = vLower <= fTargetValue;
    const Mask4 vUpperAtOrBelow = vUpper <= fTargetValue;
    std::uint64_t aiWord[4];
    __builtin_memcpy(aiWord, &vLowerAtOrBelow, sizeof vLowerAtOrBelow);
    __builtin_memcpy(aiWord + 2, &vUpperAtOrBelow, sizeof vUpperAtOrBelow);
    const std::uint64_t iAny = aiWord[0] | aiWord[1] | aiWord[2] | aiWord[3];
    const std::uint64_t iAll = aiWord[0] & aiWord[1] & aiWord[2] & aiWord[3];
    return iAny != 0 && iAll != ~std::uint64_t(0);
}

// Samples the cell's eight corners as field iField allows (see vFieldAt)
// and, if the surface crosses the cell, hands it on to be polygonized.
template <int iField>
[[gnu::always_inline]] inline void vMarchCellSampledBy(float fX, float fY, float fZ, float fScale) {
    // Every cell of every frame comes through here, and most cross nothing:
    // the corners' coordinates are worked out once, not per corner from the
    // table. The offsets of a2fVertexOffset are 0 and 1, and each coordinate
    // is still that offset times the scale plus the cell's, in float.
    const CellSpan sCell = {fX + 0.0f * fScale, fX + 1.0f * fScale, fY + 0.0f * fScale,
                            fY + 1.0f * fScale, fZ + 0.0f * fScale, fZ + 1.0f * fScale};
    float afCubeValue[8];
    vFieldAt<iField>(sCell, afCubeValue);

    if (!bSurfaceCrosses(afCubeValue)) {
        return;
    }

    vPolygonizeCrossedCell(afCubeValue, fX, fY, fZ, fScale);
}

// One cell, its corners sampled the way the slot's function allows. Built
// for AVX2 as well as for any x86-64 processor: each version lays out the
// corners' evaluation for its own processor, and the cell's path from the
// corners' coordinates to the test of whether the surface crosses it is
// laid out once per way of sampling.
ORVANE_MULTIVERSIONED void vMarchCell(float fX, float fY, float fZ, float fScale) {
    vWithFieldNumber(
        fSample, [=](auto iField) __attribute__((always_inline)) {
            vMarchCellSampledBy<decltype(iField)::value>(fX, fY, fZ, fScale);
        });
}

}  // namespace

// The cube polygonizer: a plain function in front of the multi-versioned
// vMarchCell (see vSampleBatch1).
void vMarchCube1(float fX, float fY, float fZ, float fScale) {
    vMarchCell(fX, fY, fZ, fScale);
}
