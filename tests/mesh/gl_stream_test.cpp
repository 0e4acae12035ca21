// orvane-mesh writes exactly the triangles the viewer sends to OpenGL: the
// real binary's unwelded PLY file, corner by corner, against the calls that
// the recording stand-in keeps of the same sweep run in this process.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "field.h"
#include "frame_clock.h"
#include "gl_record.h"
#include "orvane_test.h"
#include "polygonize.h"
#include "recorded_calls.h"

namespace {

struct Setting {
    int iField;
    const char* sPolygonizer;
    int iGrid;
    int iFrame;
    float fIso;
};

std::uint32_t iReadU32(const unsigned char* pBytes) {
    return std::uint32_t(pBytes[0]) | std::uint32_t(pBytes[1]) << 8 |
           std::uint32_t(pBytes[2]) << 16 | std::uint32_t(pBytes[3]) << 24;
}

float fReadFloat(const unsigned char* pBytes) {
    const std::uint32_t iBits = iReadU32(pBytes);
    float fValue;
    std::memcpy(&fValue, &iBits, sizeof fValue);
    return fValue;
}

// The vertices of a binary PLY file whose vertex holds x y z nx ny nz as
// floats and red green blue as bytes (the colour comes back as byte / 255),
// and its faces' vertex numbers, three a face.
std::vector<EmittedCorner> asReadPly(const std::string& sPath, std::vector<std::int32_t>& aiFace) {
    std::ifstream sFile(sPath, std::ios::binary);
    std::string sLine;
    std::size_t iVertices = 0;
    std::size_t iFaces = 0;
    while (std::getline(sFile, sLine) && sLine != "end_header") {
        std::istringstream sWords(sLine);
        std::string sWord, sElement;
        sWords >> sWord >> sElement;
        if (sWord == "element") {
            (sElement == "vertex" ? sWords >> iVertices : sWords >> iFaces);
        }
    }
    std::vector<EmittedCorner> asCorner(iVertices);
    for (EmittedCorner& sCorner : asCorner) {
        unsigned char acRecord[27];
        sFile.read(reinterpret_cast<char*>(acRecord), sizeof acRecord);
        sCorner.sVertex = {fReadFloat(acRecord), fReadFloat(acRecord + 4),
                           fReadFloat(acRecord + 8)};
        sCorner.sNormal = {fReadFloat(acRecord + 12), fReadFloat(acRecord + 16),
                           fReadFloat(acRecord + 20)};
        sCorner.sColor = {acRecord[24] / 255.0f, acRecord[25] / 255.0f, acRecord[26] / 255.0f};
    }
    for (std::size_t iFace = 0; iFace < iFaces; iFace++) {
        unsigned char acRecord[13];
        sFile.read(reinterpret_cast<char*>(acRecord), sizeof acRecord);
        EXPECT_EQ(acRecord[0], 3);
        for (int i = 0; i < 3; i++) {
            aiFace.push_back(std::int32_t(iReadU32(acRecord + 1 + 4 * i)));
        }
    }
    EXPECT_TRUE(sFile.good()) << sPath << " ends early";
    EXPECT_EQ(sFile.peek(), EOF) << sPath << " goes on after its faces";
    return asCorner;
}

// The viewer's settings for the setting: the field in the slot.
void vApplySetting(const Setting& s) {
    SampleFunction* const apfField[3] = {fSample1, fSample2, fSample3};
    fSample = apfField[s.iField - 1];
    vMarchCube = std::string(s.sPolygonizer) == "tetra" ? vMarchCube2 : vMarchCube1;
    vSetDataSetSize(s.iGrid);
    fTargetValue = s.fIso;
    vSetTime(fFrameClockAfter(s.iFrame));
}

// The viewer's sweep for the setting, against the recording stand-in.
std::vector<EmittedCorner> asRecordSweep(const Setting& s) {
    vApplySetting(s);
    vMarchingCubes();
    return asEmittedCorners();
}

SampleFunction* fCountedField = nullptr;
std::uint64_t iCountedCalls = 0;

float fCountingSample(float fX, float fY, float fZ) {
    iCountedCalls++;
    return fCountedField(fX, fY, fZ);
}

// The sample calls of the viewer's sweep for the setting, counted by a
// function in the slot that passes every call on to the field.
std::uint64_t iCountSampleCalls(const Setting& s) {
    vApplySetting(s);
    fCountedField = fSample;
    iCountedCalls = 0;
    fSample = fCountingSample;
    vMarchingCubes();
    return iCountedCalls;
}

std::string sRunTool(const Setting& s, const std::string& sOptions) {
    const std::string sPath =
        ::testing::TempDir() + "orvane_mesh_stream_" + std::to_string(::getpid()) + ".ply";
    std::ostringstream sCommand;
    sCommand << ORVANE_MESH_BINARY << " --field " << s.iField << " --polygonizer " << s.sPolygonizer
             << " --grid " << s.iGrid << " --frame " << s.iFrame << " --iso " << s.fIso << " "
             << sOptions << " -o " << sPath << " >/dev/null";
    EXPECT_EQ(std::system(sCommand.str().c_str()), 0) << sCommand.str();
    return sPath;
}

// What the tool prints with --json and no file.
std::string sRunToolJson(const Setting& s) {
    std::ostringstream sCommand;
    sCommand << ORVANE_MESH_BINARY << " --field " << s.iField << " --polygonizer " << s.sPolygonizer
             << " --grid " << s.iGrid << " --frame " << s.iFrame << " --iso " << s.fIso
             << " --json";
    std::FILE* pPipe = ::popen(sCommand.str().c_str(), "r");
    EXPECT_NE(pPipe, nullptr) << sCommand.str();
    std::string sOutput;
    char acBuffer[4096];
    std::size_t iRead = 0;
    while (pPipe != nullptr && (iRead = std::fread(acBuffer, 1, sizeof acBuffer, pPipe)) > 0) {
        sOutput.append(acBuffer, iRead);
    }
    EXPECT_EQ(pPipe == nullptr ? -1 : ::pclose(pPipe), 0) << sCommand.str();
    return sOutput;
}

// Names each test by its setting.
void PrintTo(const Setting& s, std::ostream* pStream) {
    *pStream << "field " << s.iField << " " << s.sPolygonizer << " grid " << s.iGrid << " frame "
             << s.iFrame << " iso " << s.fIso;
}

class StreamOfTheViewer : public OrvaneTest, public ::testing::WithParamInterface<Setting> {};

}  // namespace

TEST_P(StreamOfTheViewer, UnweldedFileHoldsEveryCornerBitForBitInOrder) {
    const std::vector<EmittedCorner> asExpected = asRecordSweep(GetParam());
    ASSERT_GT(asExpected.size(), 0u);
    const std::string sPath = sRunTool(GetParam(), "");
    std::vector<std::int32_t> aiFace;
    const std::vector<EmittedCorner> asActual = asReadPly(sPath, aiFace);
    std::remove(sPath.c_str());

    ASSERT_EQ(asActual.size(), asExpected.size());
    ASSERT_EQ(aiFace.size(), asExpected.size());
    for (std::size_t i = 0; i < asExpected.size(); i++) {
        ASSERT_EQ(aiFace[i], std::int32_t(i));
        const EmittedCorner& e = asExpected[i];
        const EmittedCorner& a = asActual[i];
        ASSERT_TRUE(bSameBits(a.sVertex, e.sVertex)) << "corner " << i;
        ASSERT_TRUE(bSameBits(a.sNormal, e.sNormal)) << "corner " << i;
        const float afActual[3] = {a.sColor.fX, a.sColor.fY, a.sColor.fZ};
        const float afSent[3] = {e.sColor.fX, e.sColor.fY, e.sColor.fZ};
        for (int m = 0; m < 3; m++) {
            // OpenGL clamps colours to [0, 1]; a byte holds the nearest step.
            const float fShown = std::fmin(std::fmax(afSent[m], 0.0f), 1.0f);
            ASSERT_LE(std::fabs(afActual[m] - fShown), 0.5f / 255.0f + 1e-7f) << "corner " << i;
        }
    }
}

TEST_P(StreamOfTheViewer, SampleCallsAreThoseACountingFunctionInTheSlotSees) {
    const std::uint64_t iExpected = iCountSampleCalls(GetParam());
    const std::string sJson = sRunToolJson(GetParam());
    const std::string sKey = "\"sample_calls\":";
    const std::size_t iAt = sJson.find(sKey);
    ASSERT_NE(iAt, std::string::npos) << sJson;
    EXPECT_EQ(std::strtoull(sJson.c_str() + iAt + sKey.size(), nullptr, 10), iExpected) << sJson;
}

// Both polygonizers on all three fields; grids that are and are not powers of
// two; the first frame, frames with the sources apart, and iso values off
// the default. At frame 0 the point sources meet on a grid point, and at
// grid 16 the second field's fixed line runs through grid points: infinite
// corner values.
INSTANTIATE_TEST_SUITE_P(
    FieldsAndPolygonizers, StreamOfTheViewer,
    ::testing::Values(Setting{1, "cube", 16, 1, 48.0f}, Setting{1, "tetra", 16, 1, 48.0f},
                      Setting{1, "tetra", 23, 90, 30.0f}, Setting{1, "cube", 37, 200, 20.0f},
                      Setting{1, "cube", 16, 0, 48.0f}, Setting{1, "tetra", 32, 0, 100.0f},
                      Setting{2, "cube", 13, 57, 60.0f}, Setting{2, "cube", 16, 1, 48.0f},
                      Setting{2, "tetra", 16, 1, 48.0f}, Setting{2, "tetra", 29, 170, 25.0f},
                      Setting{3, "cube", 20, 300, 48.0f}, Setting{3, "tetra", 11, 140, 55.5f},
                      Setting{3, "tetra", 1, 0, 48.0f}));
