// The polygonizer slot holds the cube polygonizer for the whole run: the
// start-up does not change it and no key selects the tetrahedra.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

#include "app.h"
#include "field.h"
#include "gl_record.h"
#include "polygonize.h"

int iOrvaneMain(int iArgc, char** asArgv);

namespace {

class PolygonizerSlot : public ::testing::Test {
protected:
    void SetUp() override {
        pSavedPolygonizer = vMarchCube;
        pfSavedSample = fSample;
        fSavedTarget = fTargetValue;
        iSavedSize = iDataSetSize;
        fSavedStep = fStepSize;
        fSavedTime = fTime;
        std::copy(std::begin(sSourcePoint), std::end(sSourcePoint), asSavedSource);
        eSavedPolygonMode = ePolygonMode;
        bSavedSpin = bSpin;
        bSavedMove = bMove;
        bSavedLight = bLight;
        eSavedMode = sRecorder.eMode;
        sRecorder.eMode = RecorderMode::Record;
        vResetRecorder();
    }
    void TearDown() override {
        vMarchCube = pSavedPolygonizer;
        fSample = pfSavedSample;
        fTargetValue = fSavedTarget;
        iDataSetSize = iSavedSize;
        fStepSize = fSavedStep;
        fTime = fSavedTime;
        std::copy(std::begin(asSavedSource), std::end(asSavedSource), sSourcePoint);
        ePolygonMode = eSavedPolygonMode;
        bSpin = bSavedSpin;
        bMove = bSavedMove;
        bLight = bSavedLight;
        sRecorder.eMode = eSavedMode;
        vResetRecorder();
    }

    Polygonizer* pSavedPolygonizer = nullptr;
    SampleFunction* pfSavedSample = nullptr;
    float fSavedTarget = 0, fSavedStep = 0, fSavedTime = 0;
    std::int32_t iSavedSize = 0;
    GLvector asSavedSource[3] = {};
    GLenum eSavedPolygonMode = 0;
    bool bSavedSpin = false, bSavedMove = false, bSavedLight = false;
    RecorderMode eSavedMode = RecorderMode::Record;
};

std::vector<std::vector<double>> a2fVertexArgs() {
    std::vector<std::vector<double>> a2fArgs;
    for (const RecordedCall& sCall : asCallsNamed("glVertex3f")) {
        a2fArgs.push_back(sCall.afArg);
    }
    return a2fArgs;
}

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
    const std::vector<std::vector<double>> a2fFrame = a2fVertexArgs();
    ASSERT_FALSE(a2fFrame.empty());

    vResetRecorder();
    vMarchingCubes();
    EXPECT_EQ(a2fVertexArgs(), a2fFrame);

    vMarchCube = vMarchCube2;
    vResetRecorder();
    vMarchingCubes();
    EXPECT_NE(a2fVertexArgs().size(), a2fFrame.size());
}
