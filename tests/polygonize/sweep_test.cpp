#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "polygonize.h"
#include "polygonize_fixture.h"

namespace {

// A polygonizer that only keeps its four arguments, one entry per cell.
std::vector<std::array<float, 4>> aafCell;

void vRecordingPolygonizer(float fX, float fY, float fZ, float fScale) {
    aafCell.push_back({fX, fY, fZ, fScale});
}

// The grid is each test's own and the recording polygonizer sits in the slot;
// the fixture puts both back.
class SweepTest : public PolygonizeTest {
protected:
    SweepTest() {
        aafCell.clear();
        vMarchCube = vRecordingPolygonizer;
    }

    void vSweep(std::int32_t iSize, float fStep) {
        iDataSetSize = iSize;
        fStepSize = fStep;
        aafCell.clear();
        vMarchingCubes();
    }
};

void vExpectCell(std::size_t iCall, float fX, float fY, float fZ, float fScale) {
    ASSERT_LT(iCall, aafCell.size());
    SCOPED_TRACE(::testing::Message() << "call " << iCall);
    EXPECT_EQ(aafCell[iCall][0], fX);
    EXPECT_EQ(aafCell[iCall][1], fY);
    EXPECT_EQ(aafCell[iCall][2], fZ);
    EXPECT_EQ(aafCell[iCall][3], fScale);
}

}  // namespace

TEST_F(SweepTest, SixteenCellsVisitEveryCellWithZFastest) {
    vSweep(16, 0.0625f);
    ASSERT_EQ(aafCell.size(), 4096u);
    vExpectCell(0, 0.0f, 0.0f, 0.0f, 0.0625f);
    vExpectCell(1, 0.0f, 0.0f, 0.0625f, 0.0625f);
    vExpectCell(16, 0.0f, 0.0625f, 0.0f, 0.0625f);
    vExpectCell(256, 0.0625f, 0.0f, 0.0f, 0.0625f);
    vExpectCell(4095, 0.9375f, 0.9375f, 0.9375f, 0.0625f);

    std::size_t iCall = 0;
    for (int i = 0; i < 16; i++) {
        for (int j = 0; j < 16; j++) {
            for (int k = 0; k < 16; k++, iCall++) {
                const auto& afCell = aafCell[iCall];
                if (afCell[0] != i / 16.0f || afCell[1] != j / 16.0f || afCell[2] != k / 16.0f ||
                    afCell[3] != 0.0625f) {
                    ADD_FAILURE() << "call " << iCall << " is not cell " << i << " " << j << " "
                                  << k;
                    return;
                }
            }
        }
    }
}

TEST_F(SweepTest, OriginsAreIndexTimesStepRoundedToFloat) {
    // At 7 cells some products i * s round away from the float nearest i / 7.
    const float fSeventh = float(1.0 / 7);
    int iRoundedAway = 0;
    for (int i = 0; i < 7; i++) {
        iRoundedAway += float(i) * fSeventh != float(i / 7.0);
    }
    ASSERT_GT(iRoundedAway, 0);
    vSweep(7, fSeventh);
    ASSERT_EQ(aafCell.size(), 343u);
    for (int i = 0; i < 7; i++) {
        const float fOrigin = float(double(i) * fSeventh);
        vExpectCell(std::size_t(i) * 49, fOrigin, 0.0f, 0.0f, fSeventh);
        vExpectCell(std::size_t(i) * 7, 0.0f, fOrigin, 0.0f, fSeventh);
        vExpectCell(std::size_t(i), 0.0f, 0.0f, fOrigin, fSeventh);
    }
}

TEST_F(SweepTest, PassesTheStepSettingItselfNotOneOverTheCount) {
    vSweep(2, 0.3f);
    ASSERT_EQ(aafCell.size(), 8u);
    vExpectCell(0, 0.0f, 0.0f, 0.0f, 0.3f);
    vExpectCell(7, 0.3f, 0.3f, 0.3f, 0.3f);
}

TEST_F(SweepTest, OneCellIsTheWholeCubeAndAnEmptyOrNegativeGridMakesNoCall) {
    vSweep(1, 1.0f);
    ASSERT_EQ(aafCell.size(), 1u);
    vExpectCell(0, 0.0f, 0.0f, 0.0f, 1.0f);

    vSweep(0, 0.0625f);
    EXPECT_TRUE(aafCell.empty());
    vSweep(-1, 0.0625f);
    EXPECT_TRUE(aafCell.empty());
    vSweep(-16, 0.0625f);
    EXPECT_TRUE(aafCell.empty());
}
