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

// Which fields have a batch routine: the point and line sources, each its
// own; the ripple, whose cells and normals work out each height once, and
// any other function have none.
TEST_F(BatchedSweep, OnlyThePointAndLineSourcesHaveBatchRoutines) {
    fSample = fSample1;
    EXPECT_EQ(pfBatchOfSlot(), &vSampleBatch1);
    fSample = fSample2;
    EXPECT_EQ(pfBatchOfSlot(), &vSampleBatch2);
    fSample = fSample3;
    EXPECT_EQ(pfBatchOfSlot(), nullptr);
    pfWrapped = fSample1;
    fSample = fPassThrough;
    EXPECT_EQ(pfBatchOfSlot(), nullptr);
}

// Whole sweeps of both polygonizers (the cube's corners and the normals
// evaluated with shared differences or shared ripple heights, the
// tetrahedra's corners by the batch routines or shared heights) against the
// path that samples one point at a time: for the sources, a grid whose
// corners fall on them and their lines at time 0 and grids whose corners
// miss them, with the sources at the centre and swung apart; for the ripple,
// an early and a late time, where the float angle has coarsened. Each time
// has its own iso value, so that the cells the surface crosses differ.
TEST_F(BatchedSweep, SendsTheSameStreamAsOnePointAtATime) {
    struct Scene {
        SampleFunction* pfField;
        float fTime, fIso;
    };
    const Scene asScene[] = {
        {fSample1, 0.0f, 48.0f}, {fSample1, 4.0f, 4.0f},     {fSample2, 0.0f, 48.0f},
        {fSample2, 4.0f, 4.0f},  {fSample3, 0.025f, 48.0f},  {fSample3, 4.0f, 61.0f},
        {fSample3, 0.0f, 30.0f}, {fSample3, 1234.5f, 52.0f},
    };
    for (Polygonizer* pfPolygonizer : {vMarchCube1, vMarchCube2}) {
        vMarchCube = pfPolygonizer;
        for (const Scene& sScene : asScene) {
            for (std::int32_t iGrid : {2, 7, 16}) {
                vSetDataSetSize(iGrid);
                vSetTime(sScene.fTime);
                fTargetValue = sScene.fIso;
                fSample = sScene.pfField;
                const std::vector<RecordedCall> asBatched = asSweep();
                ASSERT_FALSE(asBatched.empty());

                pfWrapped = sScene.pfField;
                fSample = fPassThrough;
                const std::vector<RecordedCall> asOneByOne = asSweep();
                EXPECT_TRUE(bSameCallsAs(asBatched, asOneByOne))
                    << "polygonizer " << (pfPolygonizer == vMarchCube1 ? 1 : 2) << ", field "
                    << (sScene.pfField == fSample1   ? 1
                        : sScene.pfField == fSample2 ? 2
                                                     : 3)
                    << ", grid " << iGrid << ", time " << sScene.fTime << ", iso " << fTargetValue;
            }
        }
    }
}
