// The start-up, run against the recording stand-in, whose event loop returns
// at once.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app.h"
#include "field.h"
#include "orvane_test.h"
#include "polygonize.h"
#include "recorded_calls.h"

int iOrvaneMain(int argc, char** argv);

namespace {

// The help text, byte for byte, as the real-window tests expect it too.
std::string strReadHelpText() {
    std::ifstream sFile(ORVANE_HELP_TEXT_FILE, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(sFile), std::istreambuf_iterator<char>());
}
const std::string strHelpText = strReadHelpText();

// While main runs, standard output goes to a temporary file, fully buffered
// as it is into a pipe, so that at every OpenGL or GLUT call the test can note
// how much has reached the file so far. The test never flushes while main
// runs: what the program leaves in the buffer is not counted.
std::FILE* pCapturedOutput = nullptr;
std::vector<long> aiOutputBytesAtCall;
char acOutputBuffer[BUFSIZ];

long iOutputBytesSoFar() {
    struct stat sStat;
    fstat(fileno(pCapturedOutput), &sStat);
    return long(sStat.st_size);
}

void vNoteOutputAtCall(const char* /*szName*/) {
    aiOutputBytesAtCall.push_back(iOutputBytesSoFar());
}

struct MainRun {
    int iResult;
    std::string strOutput;
};

MainRun sRunMain(const std::vector<std::string>& astrArg) {
    std::vector<std::vector<char>> a2cArg;
    for (const std::string& strArg : astrArg) {
        a2cArg.emplace_back(strArg.begin(), strArg.end());
        a2cArg.back().push_back('\0');
    }
    std::vector<char*> aszArg;
    for (std::vector<char>& acArg : a2cArg) {
        aszArg.push_back(acArg.data());
    }
    aszArg.push_back(nullptr);

    std::fflush(stdout);
    pCapturedOutput = std::tmpfile();
    const int iSavedStdout = dup(STDOUT_FILENO);
    dup2(fileno(pCapturedOutput), STDOUT_FILENO);
    std::setvbuf(stdout, acOutputBuffer, _IOFBF, sizeof acOutputBuffer);
    aiOutputBytesAtCall.clear();
    sRecorder.pfOnCall = vNoteOutputAtCall;

    MainRun sRun{iOrvaneMain(int(astrArg.size()), aszArg.data()), {}};

    sRecorder.pfOnCall = nullptr;
    // Whatever the program left unflushed goes to the file now, where the
    // test sees it in the output but not at any call.
    std::fflush(stdout);
    std::setvbuf(stdout, nullptr, isatty(STDOUT_FILENO) ? _IOLBF : _IOFBF, BUFSIZ);
    dup2(iSavedStdout, STDOUT_FILENO);
    close(iSavedStdout);
    std::rewind(pCapturedOutput);
    int iChar;
    while ((iChar = std::fgetc(pCapturedOutput)) != EOF) {
        sRun.strOutput.push_back(char(iChar));
    }
    std::fclose(pCapturedOutput);
    pCapturedOutput = nullptr;
    return sRun;
}

std::vector<double> afJoin(std::vector<double> afHead, const std::vector<double>& afTail) {
    afHead.insert(afHead.end(), afTail.begin(), afTail.end());
    return afHead;
}

// Steps 1 to 14, up to the first projection.
std::vector<ExpectedCall> asExpectedSetUp(double fArgCount, GLenum ePolygonModeAtStart) {
    return {
        {"glutInit", {fArgCount}},
        {"glutInitWindowPosition", {600, 0}},
        {"glutInitWindowSize", {640, 480}},
        {"glutInitDisplayMode", {18}},
        {"glutCreateWindow", {}},
        {"glutDisplayFunc", {}},
        {"glutIdleFunc", {}},
        {"glutReshapeFunc", {}},
        {"glutKeyboardFunc", {}},
        {"glutSpecialFunc", {}},
        {"glClearColor", {0.0, 0.0, 0.0, 1.0}},
        {"glClearDepth", {1.0}},
        {"glEnable", {GL_DEPTH_TEST}},
        {"glEnable", {GL_LIGHTING}},
        {"glPolygonMode", {GL_FRONT_AND_BACK, double(ePolygonModeAtStart)}},
        {"glLightfv", afJoin({GL_LIGHT0, GL_AMBIENT}, {0.5, 0.5, 0.5, 1.0})},
        {"glLightfv", afJoin({GL_LIGHT0, GL_DIFFUSE}, {0.75, 0.75, 0.75, 1.0})},
        {"glLightfv", afJoin({GL_LIGHT0, GL_SPECULAR}, {1.0, 1.0, 1.0, 1.0})},
        {"glLightModelf", {GL_LIGHT_MODEL_TWO_SIDE, 1.0}},
        {"glEnable", {GL_LIGHT0}},
        {"glMaterialfv", afJoin({GL_BACK, GL_AMBIENT}, {0.0, 0.25, 0.0, 1.0})},
        {"glMaterialfv", afJoin({GL_BACK, GL_DIFFUSE}, {0.0, 0.75, 0.0, 1.0})},
        {"glMaterialfv", afJoin({GL_FRONT, GL_AMBIENT}, {0.0, 0.0, 0.25, 1.0})},
        {"glMaterialfv", afJoin({GL_FRONT, GL_DIFFUSE}, {0.75, 0.0, 0.75, 1.0})},
        {"glMaterialfv", afJoin({GL_FRONT, GL_SPECULAR}, {1.0, 1.0, 1.0, 1.0})},
        {"glMaterialf", {GL_FRONT, GL_SHININESS, 25.0}},
    };
}

std::vector<ExpectedCall> asExpectedStartUp(double fArgCount, GLenum ePolygonModeAtStart) {
    std::vector<ExpectedCall> asExpected = asExpectedSetUp(fArgCount, ePolygonModeAtStart);
    // The first projection: 640 by 480, the float nearest 4/3 times the float
    // half-size 0.70710677, and ten times the half-size for the depth.
    const std::vector<ExpectedCall> asResize = {
        {"glViewport", {0, 0, 640, 480}},
        {"glMatrixMode", {GL_PROJECTION}},
        {"glLoadIdentity", {}},
        {"glOrtho",
         {-0.9428090535444724, 0.9428090535444724, -0.7071067690849304, 0.7071067690849304,
          -7.071067690849304, 7.071067690849304}},
        {"glMatrixMode", {GL_MODELVIEW}}};
    asExpected.insert(asExpected.end(), asResize.begin(), asResize.end());
    asExpected.push_back({"glutMainLoop", {}});
    return asExpected;
}

using MainTest = OrvaneTest;

}  // namespace

TEST_F(MainTest, SettingsHoldTheirStartValues) {
    EXPECT_EQ(iDataSetSize, 16);
    EXPECT_EQ(fStepSize, 0.0625f);
    EXPECT_EQ(fTargetValue, 48.0f);
    EXPECT_EQ(fSample, &fSample1);
    EXPECT_EQ(vMarchCube, &vMarchCube1);
    EXPECT_EQ(ePolygonMode, GLenum(GL_FILL));
    EXPECT_TRUE(bSpin);
    EXPECT_TRUE(bMove);
    EXPECT_TRUE(bLight);
}

TEST_F(MainTest, StartsUpInSeventeenStepsInExactOrder) {
    const MainRun sRun = sRunMain({"orvane"});
    EXPECT_EQ(sRun.iResult, 0);

    const std::vector<RecordedCall>& asCalls = sRecorder.asCalls;
    ASSERT_TRUE(bCallsAre(asCalls, asExpectedStartUp(1, GL_FILL)));
    EXPECT_EQ(asCalls[0].strText, "orvane");
    EXPECT_EQ(asCalls[4].strText, "Orvane");
    EXPECT_EQ(asCalls[5].pCallback, reinterpret_cast<const void*>(&vDrawScene));
    EXPECT_EQ(asCalls[6].pCallback, reinterpret_cast<const void*>(&vIdle));
    EXPECT_EQ(asCalls[7].pCallback, reinterpret_cast<const void*>(&vResize));
    EXPECT_EQ(asCalls[8].pCallback, reinterpret_cast<const void*>(&vKeyboard));
    EXPECT_EQ(asCalls[9].pCallback, reinterpret_cast<const void*>(&vSpecial));

    // The polygon mode is the setting's, not a constant.
    ePolygonMode = GL_LINE;
    vResetRecorder();
    sRunMain({"orvane"});
    EXPECT_TRUE(bCallsAre(sRecorder.asCalls, asExpectedStartUp(1, GL_LINE)));
}

TEST_F(MainTest, PrintsTheHelpTextOnceBetweenFirstProjectionAndLoop) {
    // Every run prints it afresh.
    EXPECT_EQ(sRunMain({"orvane"}).strOutput, strHelpText);
    vResetRecorder();
    const MainRun sRun = sRunMain({"orvane"});

    EXPECT_EQ(sRun.strOutput, strHelpText);
    const std::vector<RecordedCall>& asCalls = sRecorder.asCalls;
    ASSERT_EQ(aiOutputBytesAtCall.size(), asCalls.size());
    ASSERT_FALSE(asCalls.empty());
    ASSERT_EQ(asCalls.back().strName, "glutMainLoop");
    ASSERT_GE(asCalls.size(), 2u);
    // Nothing is written up to the last call of the first projection, and
    // all of it before the loop is entered.
    for (std::size_t i = 0; i + 1 < asCalls.size(); i++) {
        EXPECT_EQ(aiOutputBytesAtCall[i], 0)
            << "before " << asCalls[i].strName << " (call " << i << ")";
    }
    EXPECT_EQ(asCalls[asCalls.size() - 2].strName, "glMatrixMode");
    EXPECT_EQ(aiOutputBytesAtCall.back(), long(strHelpText.size()));
}

TEST_F(MainTest, HandsTheCommandLineToGlutAndStillPlacesTheWindowItself) {
    const MainRun sRun =
        sRunMain({"orvane", "-geometry", "100x100+5+5", "-iconic", "--no-such-option"});
    EXPECT_EQ(sRun.iResult, 0);

    ASSERT_TRUE(bCallsAre(sRecorder.asCalls, asExpectedStartUp(5, GL_FILL)));
    EXPECT_EQ(sRecorder.asCalls[0].strText,
              "orvane -geometry 100x100+5+5 -iconic --no-such-option");
    EXPECT_EQ(sRun.strOutput, strHelpText);
}

TEST_F(MainTest, ChangesNoSetting) {
    const SettingsSnapshot sBefore = sTakeSnapshot();
    sRunMain({"orvane"});
    EXPECT_EQ(sTakeSnapshot(), sBefore);
}
