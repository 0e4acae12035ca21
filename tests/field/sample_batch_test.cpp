#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <sstream>
#include <vector>

#include "field.h"
#include "float_ulp.h"
#include "orvane_test.h"

namespace {

const float fNaN = std::numeric_limits<float>::quiet_NaN();

struct Points {
    std::vector<float> afX, afY, afZ;
    void vAdd(float fX, float fY, float fZ) {
        afX.push_back(fX);
        afY.push_back(fY);
        afZ.push_back(fZ);
    }
};

// Where the program samples and where the fields misbehave: the corners of
// several grids, the points a normal samples around them, every source point
// and points on every source line (both +infinity), points far away, and
// points with a NaN coordinate.
Points sAwkwardPoints() {
    Points s;
    for (int iGrid : {1, 3, 16, 17}) {
        const float fStep = float(1.0 / iGrid);
        for (int i = 0; i <= iGrid; i++) {
            for (int j = 0; j <= iGrid; j++) {
                for (int k = 0; k <= iGrid; k++) {
                    const float fX = float(i) * fStep, fY = float(j) * fStep;
                    const float fZ = float(k) * fStep;
                    s.vAdd(fX, fY, fZ);
                    s.vAdd(float(fX - 0.01), fY, fZ);
                    s.vAdd(fX, float(fY + 0.01), fZ);
                    s.vAdd(fX, fY, float(fZ - 0.01));
                }
            }
        }
    }
    for (const GLvector& sSource : sSourcePoint) {
        s.vAdd(sSource.fX, sSource.fY, sSource.fZ);
    }
    for (float fAlong : {-3.0f, 0.0f, 0.3f, 1.0f}) {
        s.vAdd(sSourcePoint[0].fX, sSourcePoint[0].fY, fAlong);
        s.vAdd(sSourcePoint[1].fX, fAlong, sSourcePoint[1].fZ);
        s.vAdd(fAlong, sSourcePoint[2].fY, sSourcePoint[2].fZ);
    }
    for (float fFar : {-1.0e3f, 7.5e5f, 1.0e19f, -3.0e38f}) {
        s.vAdd(fFar, 0.5f, 0.5f);
        s.vAdd(0.25f, fFar, fFar);
    }
    s.vAdd(fNaN, 0.5f, 0.5f);
    s.vAdd(0.5f, fNaN, 0.5f);
    s.vAdd(0.5f, 0.5f, -fNaN);
    s.vAdd(fNaN, fNaN, fNaN);
    return s;
}

// Runs the batch routine over the points in batches of iBatch (the last one
// shorter) and holds every value to one call of the single function, bit for
// bit; a NaN must come out the very NaN the single call gives.
void vExpectSameAsSingleCalls(SampleBatch* pfBatch, SampleFunction* pfSingle, const Points& s,
                              int iBatch) {
    const int iCount = int(s.afX.size());
    std::vector<float> afValue(s.afX.size());
    for (int iFirst = 0; iFirst < iCount; iFirst += iBatch) {
        const int iThis = std::min(iBatch, iCount - iFirst);
        pfBatch(&s.afX[iFirst], &s.afY[iFirst], &s.afZ[iFirst], &afValue[iFirst], iThis);
    }
    int iFailures = 0, iInfinite = 0, iNaN = 0;
    std::ostringstream sFirst;
    for (int i = 0; i < iCount; i++) {
        const float fSingle = pfSingle(s.afX[i], s.afY[i], s.afZ[i]);
        iInfinite += std::isinf(fSingle);
        iNaN += std::isnan(fSingle);
        if (iFloatBits(afValue[i]) != iFloatBits(fSingle) && iFailures++ == 0) {
            sFirst.precision(9);
            sFirst << "(" << s.afX[i] << ", " << s.afY[i] << ", " << s.afZ[i] << "): batch "
                   << afValue[i] << ", single " << fSingle;
        }
    }
    EXPECT_EQ(iFailures, 0) << "batches of " << iBatch << ", first: " << sFirst.str();
    // The awkward points really were awkward.
    EXPECT_GE(iInfinite, 3);
    EXPECT_EQ(iNaN, 4);
}

class SampleBatchTest : public OrvaneTest {};

}  // namespace

// Batches of every length up to two vector widths and beyond, so both the
// packed loop and whatever finishes an odd batch are held to the single call.
TEST_F(SampleBatchTest, BatchesEqualSingleCallsBitForBit) {
    for (float fT : {0.0f, 0.025f, 1.0f, float(M_PI / 2), 4.0f, 4.7123890f}) {
        vSetTime(fT);
        const Points s = sAwkwardPoints();
        for (int iBatch : {1, 2, 3, 4, 5, 6, 7, 8, 9, 15, 16, 17, 1000}) {
            SCOPED_TRACE(testing::Message() << "time " << fT);
            vExpectSameAsSingleCalls(vSampleBatch1, fSample1, s, iBatch);
            vExpectSameAsSingleCalls(vSampleBatch2, fSample2, s, iBatch);
        }
    }
}
