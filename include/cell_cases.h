// The case of a cube cell or a tetrahedron, as the polygonizers form it and
// as orvane-mesh forms it again to name the corners' segments.
#pragma once

// Bit v is set where the value at vertex v is at or below the iso value. A
// NaN compares false and so counts as above.
inline int iCaseIndex(const float* afValue, int iCount, float fIso) {
    int iFlagIndex = 0;
    for (int iVertex = 0; iVertex < iCount; iVertex++) {
        if (afValue[iVertex] <= fIso) {
            iFlagIndex |= 1 << iVertex;
        }
    }
    return iFlagIndex;
}
