// The polygonizer slot holds the cube polygonizer for the whole run: the
// start-up does not change it and no key selects the tetrahedra.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "app.h"
#include "polygonize_fixture.h"

int iOrvaneMain(int iArgc, char** asArgv);

namespace {

// Start-up and the keys change settings and the field time; the fixture puts
// them back.
class PolygonizerSlot : public PolygonizeTest {};

}  // namespace

TEST_F(PolygonizerSlot, StartUpLeavesTheCubePolygonizerInPlace) {
    EXPECT_EQ(vMarchCube, &vMarchCube1);
    char sName[] = "orvane";
    char* asArgv[] = {sName, nullptr};
    iOrvaneMain(1, asArgv);
    EXPECT_EQ(vMarchCube, &vMarchCube1);
}

TEST_F(PolygonizerSlot, NoKeySelectsTheTetrahedra) {
    for (int iKey = 0; iKey < 256; iKey++) {
        vKeyboard(static_cast<unsigned char>(iKey), 0, 0);
        ASSERT_EQ(vMarchCube, &vMarchCube1) << "key " << iKey;
    }
    std::vector<int> aiSpecial = {INT_MIN, -1, INT_MAX};
    for (int iKey = 0; iKey < 1024; iKey++) {
        aiSpecial.push_back(iKey);
    }
    for (int iKey : aiSpecial) {
        vSpecial(iKey, 0, 0);
        ASSERT_EQ(vMarchCube, &vMarchCube1) << "special key " << iKey;
    }

    // The next frame's surface is the cube polygonizer's, vertex for vertex,
    // for the field time and settings the keys left.
    vResetRecorder();
    vDrawScene();
    const std::vector<Point> asFrame = asRecordedVertices();
    ASSERT_FALSE(asFrame.empty());

    vResetRecorder();
    vMarchingCubes();
    EXPECT_EQ(asRecordedVertices(), asFrame);

    vMarchCube = vMarchCube2;
    vResetRecorder();
    vMarchingCubes();
    EXPECT_NE(asRecordedVertices().size(), asFrame.size());
}
