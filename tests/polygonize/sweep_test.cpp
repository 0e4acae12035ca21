#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
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

// The step is the float nearest 1/7, 0x3E124925. The origins were worked
// out apart from the program, each product i times that float rounded to
// float: for 3 and 6 it lies one float above the float nearest i / 7
// (0x3EDB6DB7, 0x3F5B6DB7).
TEST_F(SweepTest, OriginsAreIndexTimesStepRoundedToFloat) {
    const std::uint32_t aiOriginBits[7] = {
        0x00000000u,  // 0
        0x3E124925u,  // 1
        0x3E924925u,  // 2
        0x3EDB6DB8u,  // 3
        0x3F124925u,  // 4
        0x3F36DB6Eu,  // 5
        0x3F5B6DB8u,  // 6
    };
    const float fSeventh = float(1.0 / 7);
    vSweep(7, fSeventh);
    ASSERT_EQ(aafCell.size(), 343u);
    for (int i = 0; i < 7; i++) {
        float fOrigin;
        std::memcpy(&fOrigin, &aiOriginBits[i], sizeof fOrigin);
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
