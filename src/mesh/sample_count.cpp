// The normals a cell costs, from the same case tables the polygonizers read:
// a normal for every bit of the edge mask.
#include "sample_count.h"

#include "cell_cases.h"
#include "polygonize.h"
#include "tetrahedron_tables.h"

int iCubeCellNormals(const float* afValue, float fIso) {
    return __builtin_popcount(unsigned(aiCubeEdgeFlags[iCaseIndex(afValue, 8, fIso)]));
}

int iTetraCellNormals(const float* afValue, float fIso) {
    int iNormals = 0;
    vForEachTetrahedron(
        afValue, [&](const std::int32_t* /*aiCorner*/, const float* afTetrahedronValue) {
            iNormals += __builtin_popcount(
                unsigned(aiTetrahedronEdgeFlags[iCaseIndex(afTetrahedronValue, 4, fIso)]));
        });
    return iNormals;
}
