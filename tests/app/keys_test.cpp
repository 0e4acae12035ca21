// The keyboard: every key's effect and limits, and the keys that must do
// nothing. (Long random runs of keys, reshapes and frames are the event
// fuzzer's, whose seed corpus ctest replays.)
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "app.h"
#include "field.h"
#include "float_ulp.h"
#include "orvane_test.h"
#include "polygonize.h"
#include "recorded_calls.h"

static_assert(GLUT_KEY_PAGE_UP == 104 && GLUT_KEY_PAGE_DOWN == 105 && GLUT_KEY_HOME == 106 &&
                  GLUT_KEY_END == 107,
              "the special keys' codes");
static_assert(GLUT_KEY_SHIFT_L == 112 && GLUT_KEY_ALT_R == 117, "freeglut's modifier codes");

namespace {

using KeysTest = OrvaneTest;

// The state of a setting at the moment of an OpenGL call from a key.
bool bLightAtCall = false;
GLenum ePolygonModeAtCall = 0;

void vNoteStateAtCall(const char* /*szName*/) {
    bLightAtCall = bLight;
    ePolygonModeAtCall = ePolygonMode;
}

const unsigned char acActiveKeys[] = {'+', '=', '-', 's', 'w', 'l'};
const int aiActiveSpecialKeys[] = {GLUT_KEY_PAGE_UP, GLUT_KEY_PAGE_DOWN, GLUT_KEY_HOME,
                                   GLUT_KEY_END};

bool bIsActiveKey(int iCode) {
    return std::find(std::begin(acActiveKeys), std::end(acActiveKeys), iCode) !=
           std::end(acActiveKeys);
}

bool bIsActiveSpecialKey(int iCode) {
    return std::find(std::begin(aiActiveSpecialKeys), std::end(aiActiveSpecialKeys), iCode) !=
           std::end(aiActiveSpecialKeys);
}

float fZeroSample(float, float, float) {
    return 0.0f;
}

}  // namespace

// The steps are the floats nearest 1/17 (0x3D70F0F1), 1/18 (0x3D638E39) and
// 1/1000001 (0x358637B4).
TEST_F(KeysTest, PlusAndEqualsRefineTheGridAndRecomputeTheStep) {
    vKeyboard('+', 0, 0);
    EXPECT_EQ(iDataSetSize, 17);
    EXPECT_EQ(iFloatBits(fStepSize), 0x3D70F0F1u);
    vKeyboard('=', 0, 0);
    EXPECT_EQ(iDataSetSize, 18);
    EXPECT_EQ(iFloatBits(fStepSize), 0x3D638E39u);
    EXPECT_TRUE(sRecorder.asCalls.empty());
}

TEST_F(KeysTest, GridHasNoUpperLimitButTheLargestSizeItsTypeHolds) {
    iDataSetSize = 1000000;
    vKeyboard('+', 0, 0);
    EXPECT_EQ(iDataSetSize, 1000001);
    EXPECT_EQ(iFloatBits(fStepSize), 0x358637B4u);

    // The last step up reaches 2^31 - 1, whose step is the float 2^-31; from
    // there "+" and "=" leave both alone rather than overflow to a negative grid.
    iDataSetSize = INT32_MAX - 1;
    vKeyboard('+', 0, 0);
    EXPECT_EQ(iDataSetSize, INT32_MAX);
    EXPECT_EQ(iFloatBits(fStepSize), 0x30000000u);
    fStepSize = 0.3f;
    vKeyboard('+', 0, 0);
    vKeyboard('=', 0, 0);
    EXPECT_EQ(iDataSetSize, INT32_MAX);
    EXPECT_EQ(fStepSize, 0.3f);
    EXPECT_TRUE(sRecorder.asCalls.empty());
}

TEST_F(KeysTest, MinusCoarsensTheGridDownToOneCellAndNoFurther) {
    vKeyboard('-', 0, 0);
    EXPECT_EQ(iDataSetSize, 15);
    EXPECT_EQ(iFloatBits(fStepSize), 0x3D888889u);  // the float nearest 1/15
    // 1/14 ... 1/2 in float, as 1 / size rounds them.
    const float afStep[] = {1.0f / 14, 1.0f / 13, 1.0f / 12, 1.0f / 11, 1.0f / 10,
                            1.0f / 9,  1.0f / 8,  1.0f / 7,  1.0f / 6,  1.0f / 5,
                            1.0f / 4,  1.0f / 3,  1.0f / 2};
    for (int iSize = 14; iSize >= 2; iSize--) {
        vKeyboard('-', 0, 0);
        ASSERT_EQ(iDataSetSize, iSize);
        ASSERT_EQ(fStepSize, afStep[14 - iSize]);
    }
    vKeyboard('-', 0, 0);
    ASSERT_EQ(iDataSetSize, 1);
    EXPECT_EQ(fStepSize, 1.0f);
    vKeyboard('-', 0, 0);
    EXPECT_EQ(iDataSetSize, 1);
    EXPECT_EQ(fStepSize, 1.0f);
    EXPECT_TRUE(sRecorder.asCalls.empty());

    // At one cell or below nothing is recomputed: a step that does not match
    // the grid stays as it is.
    for (const int iSize : {1, 0, -5}) {
        iDataSetSize = iSize;
        fStepSize = 0.3f;
        vKeyboard('-', 0, 0);
        EXPECT_EQ(iDataSetSize, iSize);
        EXPECT_EQ(fStepSize, 0.3f);
    }
}

TEST_F(KeysTest, SCyclesThroughTheThreeSampleFunctions) {
    vKeyboard('s', 0, 0);
    EXPECT_EQ(fSample, &fSample2);
    vKeyboard('s', 0, 0);
    EXPECT_EQ(fSample, &fSample3);
    vKeyboard('s', 0, 0);
    EXPECT_EQ(fSample, &fSample1);
    // Any other routine in the slot is followed by the first field.
    fSample = fZeroSample;
    vKeyboard('s', 0, 0);
    EXPECT_EQ(fSample, &fSample1);
    EXPECT_TRUE(sRecorder.asCalls.empty());
}

TEST_F(KeysTest, WTogglesWireFrameAndSetsThePolygonModeAtOnce) {
    sRecorder.pfOnCall = vNoteStateAtCall;
    vKeyboard('w', 0, 0);
    EXPECT_EQ(ePolygonMode, GLenum(GL_LINE));
    EXPECT_TRUE(bCallsAre(sRecorder.asCalls, {{"glPolygonMode", {GL_FRONT_AND_BACK, GL_LINE}}}));
    EXPECT_EQ(ePolygonModeAtCall, GLenum(GL_LINE));

    vResetRecorder();
    vKeyboard('w', 0, 0);
    EXPECT_EQ(ePolygonMode, GLenum(GL_FILL));
    EXPECT_TRUE(bCallsAre(sRecorder.asCalls, {{"glPolygonMode", {GL_FRONT_AND_BACK, GL_FILL}}}));

    // Anything but lines counts as filled.
    ePolygonMode = GL_POINT;
    vResetRecorder();
    vKeyboard('w', 0, 0);
    EXPECT_EQ(ePolygonMode, GLenum(GL_LINE));
    EXPECT_TRUE(bCallsAre(sRecorder.asCalls, {{"glPolygonMode", {GL_FRONT_AND_BACK, GL_LINE}}}));
}

TEST_F(KeysTest, LSwitchesLightingInOpenGLBeforeFlippingTheSetting) {
    sRecorder.pfOnCall = vNoteStateAtCall;
    vKeyboard('l', 0, 0);
    EXPECT_FALSE(bLight);
    EXPECT_TRUE(bCallsAre(sRecorder.asCalls, {{"glDisable", {GL_LIGHTING}}}));
    EXPECT_TRUE(bLightAtCall);

    vResetRecorder();
    vKeyboard('l', 0, 0);
    EXPECT_TRUE(bLight);
    EXPECT_TRUE(bCallsAre(sRecorder.asCalls, {{"glEnable", {GL_LIGHTING}}}));
    EXPECT_FALSE(bLightAtCall);
}

namespace {

// Presses iKey as often as each entry of asAfterPress says, counting from
// the start value, and checks the iso value's bits there; every press but the
// last lands short of the limit, which the last one reaches or passes. Five
// presses more leave the value where the last entry put it.
void vExpectPressesStopAtLimit(int iKey,
                               const std::vector<std::pair<int, std::uint32_t>>& asAfterPress) {
    const bool bUp = iKey == GLUT_KEY_PAGE_UP;
    int iPresses = 0;
    for (const auto& sAfter : asAfterPress) {
        while (iPresses < sAfter.first) {
            ASSERT_TRUE(bUp ? fTargetValue < 1000.0f : fTargetValue > 1.0f)
                << "press " << iPresses + 1 << " starts at " << fTargetValue;
            vSpecial(iKey, 0, 0);
            iPresses++;
        }
        EXPECT_EQ(iFloatBits(fTargetValue), sAfter.second) << "press " << iPresses;
    }
    for (int i = 0; i < 5; i++) {
        vSpecial(iKey, 0, 0);
        EXPECT_EQ(iFloatBits(fTargetValue), asAfterPress.back().second);
    }
    EXPECT_TRUE(sRecorder.asCalls.empty());
}

}  // namespace

// The values below are the float nearest 1.1 times (or 1/1.1 times) the
// float before, worked out press by press apart from the program.
TEST_F(KeysTest, PageUpStopsAtTheFirstPressAtOrAboveUpperLimit) {
    // One press down after one up is back at the start value exactly.
    vSpecial(GLUT_KEY_PAGE_UP, 0, 0);
    vSpecial(GLUT_KEY_PAGE_DOWN, 0, 0);
    EXPECT_EQ(fTargetValue, 48.0f);

    vExpectPressesStopAtLimit(GLUT_KEY_PAGE_UP,
                              {
                                  {1, 0x42533333u},   // 52.8
                                  {2, 0x426851EBu},   // 58.08
                                  {10, 0x42F8FFCFu},  // 124.49963
                                  {31, 0x44665507u},  // 921.32855
                                  {32, 0x447D5D88u},  // 1013.4614, the first at or above 1000
                              });
}

TEST_F(KeysTest, PageDownStopsAtTheFirstPressAtOrBelowLowerLimit) {
    vExpectPressesStopAtLimit(GLUT_KEY_PAGE_DOWN,
                              {
                                  {1, 0x422E8BA3u},   // 43.636364
                                  {2, 0x421EAD7Du},   // 39.669422
                                  {10, 0x41940C72u},  // 18.506077
                                  {40, 0x3F87C04Du},  // 1.0605561
                                  {41, 0x3F76D200u},  // 0.96414185, the first at or below 1
                              });
}

TEST_F(KeysTest, LimitsAreStrictAndAValueBeyondOneOnlyMovesBack) {
    const auto iAfter = [](float fStart, int iKey) {
        fTargetValue = fStart;
        vSpecial(iKey, 0, 0);
        return iFloatBits(fTargetValue);
    };
    const float fBelowTop = std::nextafter(1000.0f, 0.0f);
    const float fAboveBottom = std::nextafter(1.0f, 2.0f);

    EXPECT_EQ(iAfter(1000.0f, GLUT_KEY_PAGE_UP), iFloatBits(1000.0f));
    EXPECT_EQ(iAfter(1000.0f, GLUT_KEY_PAGE_DOWN), 0x446345D1u);  // 909.09088
    EXPECT_EQ(iAfter(1.0f, GLUT_KEY_PAGE_DOWN), iFloatBits(1.0f));
    EXPECT_EQ(iAfter(1.0f, GLUT_KEY_PAGE_UP), 0x3F8CCCCDu);  // 1.1

    // Just inside a limit the step is still taken.
    EXPECT_EQ(iAfter(fBelowTop, GLUT_KEY_PAGE_UP), 0x44897FFFu);       // 1099.9999
    EXPECT_EQ(iAfter(fAboveBottom, GLUT_KEY_PAGE_DOWN), 0x3F68BA30u);  // 0.909091

    EXPECT_EQ(iAfter(1050.0f, GLUT_KEY_PAGE_UP), iFloatBits(1050.0f));
    EXPECT_EQ(iAfter(1050.0f, GLUT_KEY_PAGE_DOWN), 0x446EA2E9u);  // 954.54547
    EXPECT_EQ(iAfter(0.95f, GLUT_KEY_PAGE_DOWN), iFloatBits(0.95f));
    EXPECT_EQ(iAfter(0.95f, GLUT_KEY_PAGE_UP), 0x3F85C28Fu);  // 1.045
}

TEST_F(KeysTest, HomeAndEndToggleSpinAndMotion) {
    vSpecial(GLUT_KEY_HOME, 0, 0);
    EXPECT_FALSE(bSpin);
    EXPECT_TRUE(bMove);
    vSpecial(GLUT_KEY_END, 0, 0);
    EXPECT_FALSE(bSpin);
    EXPECT_FALSE(bMove);
    vSpecial(GLUT_KEY_HOME, 0, 0);
    vSpecial(GLUT_KEY_END, 0, 0);
    EXPECT_TRUE(bSpin);
    EXPECT_TRUE(bMove);
    EXPECT_TRUE(sRecorder.asCalls.empty());
}

TEST_F(KeysTest, OtherCharactersIncludingUpperCaseDoNothing) {
    const SettingsSnapshot sBefore = sTakeSnapshot();
    for (int iCode = 0; iCode < 256; iCode++) {
        if (bIsActiveKey(iCode)) {
            continue;
        }
        vKeyboard((unsigned char)iCode, 10, 20);
        ASSERT_EQ(sTakeSnapshot(), sBefore) << "key " << iCode;
        ASSERT_TRUE(sRecorder.asCalls.empty()) << "key " << iCode;
    }
    // The same holds away from the start values.
    iDataSetSize = 1;
    fStepSize = 1.0f;
    ePolygonMode = GL_LINE;
    bLight = false;
    const SettingsSnapshot sChanged = sTakeSnapshot();
    for (const unsigned char cKey : {'S', 'W', 'L', '_', 'k', 'P', '\0', '\x7f', '\xff'}) {
        vKeyboard(cKey, 0, 0);
        EXPECT_EQ(sTakeSnapshot(), sChanged) << "key " << int(cKey);
    }
    EXPECT_TRUE(sRecorder.asCalls.empty());
}

TEST_F(KeysTest, OtherSpecialKeysIncludingModifiersDoNothing) {
    const SettingsSnapshot sBefore = sTakeSnapshot();
    for (int iCode = -1; iCode < 257; iCode++) {
        if (bIsActiveSpecialKey(iCode)) {
            continue;
        }
        vSpecial(iCode, 10, 20);
        ASSERT_EQ(sTakeSnapshot(), sBefore) << "special key " << iCode;
    }
    for (const int iCode :
         {GLUT_KEY_SHIFT_L, GLUT_KEY_SHIFT_R, GLUT_KEY_CTRL_L, GLUT_KEY_CTRL_R, GLUT_KEY_ALT_L,
          GLUT_KEY_ALT_R, GLUT_KEY_F1, GLUT_KEY_LEFT, GLUT_KEY_INSERT, INT_MIN, INT_MAX}) {
        vSpecial(iCode, 0, 0);
        EXPECT_EQ(sTakeSnapshot(), sBefore) << "special key " << iCode;
    }
    EXPECT_TRUE(sRecorder.asCalls.empty());
}
