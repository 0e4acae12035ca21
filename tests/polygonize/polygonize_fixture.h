// Shared by the polygonizer's tests: the common fixture with an empty sample
// log and script, and a scripted field that logs where it is sampled.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <map>
#include <vector>

#include "cell_corners.h"
#include "field.h"
#include "gl_record.h"
#include "orvane_test.h"
#include "polygonize.h"
#include "recorded_calls.h"

// One call of the scripted field, with the number of OpenGL calls made before
// it: a polygonizer must take all its samples before its first output.
struct SampleCall {
    float fX, fY, fZ;
    std::size_t iCallsBefore;
};
inline std::vector<SampleCall> asSampleLog;
inline std::map<std::array<float, 3>, float> mapScriptedValue;

// Listed points give listed values; every other point (the normal's samples)
// a smooth field whose gradient varies from place to place, so each crossing
// gets a normal of its own. A NaN coordinate would break the map's ordering,
// so it never looks one up.
inline float fScriptedSample(float fX, float fY, float fZ) {
    asSampleLog.push_back({fX, fY, fZ, sRecorder.iCallCount});
    if (!std::isnan(fX) && !std::isnan(fY) && !std::isnan(fZ)) {
        const auto it = mapScriptedValue.find({fX, fY, fZ});
        if (it != mapScriptedValue.end()) {
            return it->second;
        }
    }
    return 30.0f + 40.0f * fX * fX + 25.0f * fY * fZ + 10.0f * fZ;
}

// Where a polygonizer is to sample corner c of the cell: the offset times the
// edge length, then plus the cell coordinate, each rounded to float. The
// product is exact (offsets are 0 or 1), so one rounding of the double sum
// gives it.
inline GLvector sCornerPosition(int iCorner, float fX, float fY, float fZ, float fScale) {
    return {float(double(a2fCellCorner[iCorner][0]) * fScale + fX),
            float(double(a2fCellCorner[iCorner][1]) * fScale + fY),
            float(double(a2fCellCorner[iCorner][2]) * fScale + fZ)};
}

// Scripts the eight corner values of a cell at the points where the
// polygonizers should sample them.
inline void vScriptCell(float fX, float fY, float fZ, float fScale, const float afValue[8]) {
    for (int iCorner = 0; iCorner < 8; iCorner++) {
        const GLvector s = sCornerPosition(iCorner, fX, fY, fZ, fScale);
        mapScriptedValue[{s.fX, s.fY, s.fZ}] = afValue[iCorner];
    }
}

inline void vExpectSamePoint(const GLvector& sActual, const GLvector& sExpected) {
    EXPECT_EQ(sActual.fX, sExpected.fX);
    EXPECT_EQ(sActual.fY, sExpected.fY);
    EXPECT_EQ(sActual.fZ, sExpected.fZ);
}

class PolygonizeTest : public OrvaneTest {
protected:
    PolygonizeTest() {
        vStartOver();
    }
    ~PolygonizeTest() override {
        vStartOver();
    }

    // An empty recorder, sample log and script: a test that runs several
    // cells in turn starts each one from here.
    static void vStartOver() {
        vResetRecorder();
        asSampleLog.clear();
        mapScriptedValue.clear();
    }
};

// The scripted field in the slot, with the iso value 48 that the scripts'
// values are chosen around.
class ScriptedFieldTest : public PolygonizeTest {
protected:
    ScriptedFieldTest() {
        fSample = fScriptedSample;
        fTargetValue = 48.0f;
    }
};
