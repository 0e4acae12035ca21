#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "field.h"
#include "gl_record.h"
#include "polygonize.h"
#include "polygonize_fixture.h"

namespace {

// Whole frames of surface through the real cube polygonizer, with only the
// counters of the GL stand-in running. Everything a frame reads is put back
// by the fixture.
class FiniteVerticesTest : public PolygonizeTest {
protected:
    FiniteVerticesTest() {
        sRecorder.eMode = RecorderMode::Count;
        vMarchCube = vMarchCube1;
        fTargetValue = 48.0f;
    }

    // Sweeps every grid from 1 to 32 cells at each time and counts vertices
    // with a coordinate that is infinite or NaN.
    void vExpectOnlyFiniteVertices(SampleFunction* pfSample) {
        fSample = pfSample;
        std::size_t iVertices = 0;
        for (float fT : {0.0f, 0.025f, 1.0f, float(M_PI / 2), float(3 * M_PI / 2)}) {
            vSetTime(fT);
            for (std::int32_t iSize = 1; iSize <= 32; iSize++) {
                vSetDataSetSize(iSize);
                vResetRecorder();
                vMarchingCubes();
                EXPECT_EQ(sRecorder.iNonFiniteVertexCount, 0u)
                    << "time " << fT << ", " << iSize << " cells per axis";
                iVertices += sRecorder.iVertexCount;
            }
        }
        EXPECT_GT(iVertices, 0u);
    }
};

}  // namespace

TEST_F(FiniteVerticesTest, PointSourceFramesSendOnlyFiniteVertices) {
    vExpectOnlyFiniteVertices(fSample1);
}

TEST_F(FiniteVerticesTest, LineSourceFramesSendOnlyFiniteVertices) {
    vExpectOnlyFiniteVertices(fSample2);
}
