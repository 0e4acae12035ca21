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
    const char* szPolygonizer;
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
std::vector<EmittedCorner> asReadPly(const std::string& strPath,
                                     std::vector<std::int32_t>& aiFace) {
    std::ifstream sFile(strPath, std::ios::binary);
    std::string strLine;
    std::size_t iVertices = 0;
    std::size_t iFaces = 0;
    while (std::getline(sFile, strLine) && strLine != "end_header") {
        std::istringstream sWords(strLine);
        std::string strWord, strElement;
        sWords >> strWord >> strElement;
        if (strWord == "element") {
            (strElement == "vertex" ? sWords >> iVertices : sWords >> iFaces);
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
    EXPECT_TRUE(sFile.good()) << strPath << " ends early";
    EXPECT_EQ(sFile.peek(), EOF) << strPath << " goes on after its faces";
    return asCorner;
}

// The viewer's settings for the setting: the field in the slot.
void vApplySetting(const Setting& s) {
    SampleFunction* const apfField[3] = {fSample1, fSample2, fSample3};
    fSample = apfField[s.iField - 1];
    vMarchCube = std::string(s.szPolygonizer) == "tetra" ? vMarchCube2 : vMarchCube1;
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

SampleFunction* pfCountedField = nullptr;
std::uint64_t iCountedCalls = 0;

float fCountingSample(float fX, float fY, float fZ) {
    iCountedCalls++;
    return pfCountedField(fX, fY, fZ);
}

// The sample calls of the viewer's sweep for the setting, counted by a
// function in the slot that passes every call on to the field.
std::uint64_t iCountSampleCalls(const Setting& s) {
    vApplySetting(s);
    pfCountedField = fSample;
    iCountedCalls = 0;
    fSample = fCountingSample;
    vMarchingCubes();
    return iCountedCalls;
}

std::string strRunTool(const Setting& s, const std::string& strOptions) {
    const std::string strPath =
        ::testing::TempDir() + "orvane_mesh_stream_" + std::to_string(::getpid()) + ".ply";
    std::ostringstream sCommand;
    sCommand << ORVANE_MESH_BINARY << " --field " << s.iField << " --polygonizer "
             << s.szPolygonizer << " --grid " << s.iGrid << " --frame " << s.iFrame << " --iso "
             << s.fIso << " " << strOptions << " -o " << strPath << " >/dev/null";
    EXPECT_EQ(std::system(sCommand.str().c_str()), 0) << sCommand.str();
    return strPath;
}

// What the tool prints with --json and no file.
std::string strRunToolJson(const Setting& s) {
    std::ostringstream sCommand;
    sCommand << ORVANE_MESH_BINARY << " --field " << s.iField << " --polygonizer "
             << s.szPolygonizer << " --grid " << s.iGrid << " --frame " << s.iFrame << " --iso "
             << s.fIso << " --json";
    std::FILE* pPipe = ::popen(sCommand.str().c_str(), "r");
    EXPECT_NE(pPipe, nullptr) << sCommand.str();
    std::string strOutput;
    char acBuffer[4096];
    std::size_t iRead = 0;
    while (pPipe != nullptr && (iRead = std::fread(acBuffer, 1, sizeof acBuffer, pPipe)) > 0) {
        strOutput.append(acBuffer, iRead);
    }
    EXPECT_EQ(pPipe == nullptr ? -1 : ::pclose(pPipe), 0) << sCommand.str();
    return strOutput;
}

// Names each test by its setting.
void PrintTo(const Setting& s, std::ostream* pStream) {
    *pStream << "field " << s.iField << " " << s.szPolygonizer << " grid " << s.iGrid << " frame "
             << s.iFrame << " iso " << s.fIso;
}

class StreamOfTheViewer : public OrvaneTest, public ::testing::WithParamInterface<Setting> {};

}  // namespace

TEST_P(StreamOfTheViewer, UnweldedFileHoldsEveryCornerBitForBitInOrder) {
    const std::vector<EmittedCorner> asExpected = asRecordSweep(GetParam());
    ASSERT_GT(asExpected.size(), 0u);
    const std::string strPath = strRunTool(GetParam(), "");
    std::vector<std::int32_t> aiFace;
    const std::vector<EmittedCorner> asActual = asReadPly(strPath, aiFace);
    std::remove(strPath.c_str());

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
    const std::string strJson = strRunToolJson(GetParam());
    const std::string strKey = "\"sample_calls\":";
    const std::size_t iAt = strJson.find(strKey);
    ASSERT_NE(iAt, std::string::npos) << strJson;
    EXPECT_EQ(std::strtoull(strJson.c_str() + iAt + strKey.size(), nullptr, 10), iExpected)
        << strJson;
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
