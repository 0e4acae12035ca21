// The fields that are sampled several points at a time draw exactly what they
// drew one point at a time.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "polygonize_fixture.h"
#include "recorded_calls.h"

namespace {

// Hands every call on to the field it wraps. The slot then holds a function
// with no batch routine, so the polygonizers sample one point at a time.
SampleFunction* pfWrapped = nullptr;

float fPassThrough(float fX, float fY, float fZ) {
    return pfWrapped(fX, fY, fZ);
}

std::vector<RecordedCall> asSweep() {
    vResetRecorder();
    vMarchingCubes();
    return sRecorder.asCalls;
}

using BatchedSweep = PolygonizeTest;

}  // namespace

// Grids whose corners fall on the sources and their lines and grids whose
// corners miss them; times with the sources at the centre, on the faces and
// in between; iso values below, at and above the start value.
TEST_F(BatchedSweep, SendsTheSameStreamAsOnePointAtATime) {
    SampleFunction* const apfField[] = {fSample1, fSample2, fSample3};
    Polygonizer* const apfPolygonizer[] = {vMarchCube1, vMarchCube2};
    for (Polygonizer* pfPolygonizer : apfPolygonizer) {
        vMarchCube = pfPolygonizer;
        for (SampleFunction* pfField : apfField) {
            for (std::int32_t iGrid : {2, 7, 16}) {
                iDataSetSize = iGrid;
                fStepSize = float(1.0 / iGrid);
                for (float fT : {0.0f, 0.025f, float(M_PI / 2), 4.0f}) {
                    vSetTime(fT);
                    for (float fIso : {30.0f, 48.0f, 75.0f}) {
                        fTargetValue = fIso;
                        fSample = pfField;
                        const bool bBatched = pfBatchOfSlot() != nullptr;
                        ASSERT_EQ(bBatched, pfField != fSample3);
                        const std::vector<RecordedCall> asBatched = asSweep();
                        ASSERT_FALSE(asBatched.empty());

                        pfWrapped = pfField;
                        fSample = fPassThrough;
                        ASSERT_EQ(pfBatchOfSlot(), nullptr);
                        const std::vector<RecordedCall> asOneByOne = asSweep();
                        EXPECT_TRUE(bSameCallsAs(asBatched, asOneByOne))
                            << "polygonizer " << (pfPolygonizer == vMarchCube1 ? 1 : 2) << ", grid "
                            << iGrid << ", time " << fT << ", iso " << fIso;
                    }
                }
            }
        }
    }
}
