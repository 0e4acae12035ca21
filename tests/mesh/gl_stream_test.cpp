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
#include "gl_record.h"
#include "polygonize.h"

namespace {

struct Setting {
    int iField;
    const char* sPolygonizer;
    int iGrid;
    int iFrame;
    float fIso;
};

// A corner as three glColor3f, glNormal3f and glVertex3f arguments each.
struct Corner {
    float afColor[3];
    float afNormal[3];
    float afPosition[3];
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
std::vector<Corner> asReadPly(const std::string& sPath, std::vector<std::int32_t>& aiFace) {
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
    std::vector<Corner> asCorner(iVertices);
    for (Corner& sCorner : asCorner) {
        unsigned char acRecord[27];
        sFile.read(reinterpret_cast<char*>(acRecord), sizeof acRecord);
        for (int i = 0; i < 3; i++) {
            sCorner.afPosition[i] = fReadFloat(acRecord + 4 * i);
            sCorner.afNormal[i] = fReadFloat(acRecord + 12 + 4 * i);
            sCorner.afColor[i] = float(acRecord[24 + i]) / 255.0f;
        }
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

// What the viewer's frame clock holds after iFrames frames.
float fClockAfter(int iFrames) {
    float fClock = 0.0f;
    for (int i = 0; i < iFrames; i++) {
        fClock = float(fClock + 0.025);
    }
    return fClock;
}

// The viewer's sweep for the setting, against the recording stand-in.
std::vector<Corner> asRecordSweep(const Setting& s) {
    SampleFunction* const apfField[3] = {fSample1, fSample2, fSample3};
    fSample = apfField[s.iField - 1];
    vMarchCube = std::string(s.sPolygonizer) == "tetra" ? vMarchCube2 : vMarchCube1;
    iDataSetSize = s.iGrid;
    fStepSize = float(1.0 / s.iGrid);
    fTargetValue = s.fIso;
    vSetTime(fClockAfter(s.iFrame));
    sRecorder.eMode = RecorderMode::Record;
    vResetRecorder();
    vMarchingCubes();

    std::vector<Corner> asCorner;
    Corner sCurrent{};
    for (const RecordedCall& sCall : sRecorder.asCalls) {
        float* afTarget = sCall.sName == "glColor3f"    ? sCurrent.afColor
                          : sCall.sName == "glNormal3f" ? sCurrent.afNormal
                                                        : sCurrent.afPosition;
        for (int i = 0; i < 3; i++) {
            afTarget[i] = float(sCall.afArg.at(i));
        }
        if (sCall.sName == "glVertex3f") {
            asCorner.push_back(sCurrent);
        }
    }
    vResetRecorder();
    return asCorner;
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

bool bSameBits(float fA, float fB) {
    return std::memcmp(&fA, &fB, sizeof fA) == 0;
}

// Names each test by its setting.
void PrintTo(const Setting& s, std::ostream* pStream) {
    *pStream << "field " << s.iField << " " << s.sPolygonizer << " grid " << s.iGrid << " frame "
             << s.iFrame << " iso " << s.fIso;
}

class StreamOfTheViewer : public ::testing::TestWithParam<Setting> {};

}  // namespace

TEST_P(StreamOfTheViewer, UnweldedFileHoldsEveryCornerBitForBitInOrder) {
    const std::vector<Corner> asExpected = asRecordSweep(GetParam());
    ASSERT_GT(asExpected.size(), 0u);
    const std::string sPath = sRunTool(GetParam(), "");
    std::vector<std::int32_t> aiFace;
    const std::vector<Corner> asActual = asReadPly(sPath, aiFace);
    std::remove(sPath.c_str());

    ASSERT_EQ(asActual.size(), asExpected.size());
    ASSERT_EQ(aiFace.size(), asExpected.size());
    for (std::size_t i = 0; i < asExpected.size(); i++) {
        ASSERT_EQ(aiFace[i], std::int32_t(i));
        const Corner& e = asExpected[i];
        const Corner& a = asActual[i];
        for (int m = 0; m < 3; m++) {
            ASSERT_TRUE(bSameBits(a.afPosition[m], e.afPosition[m])) << "corner " << i;
            ASSERT_TRUE(bSameBits(a.afNormal[m], e.afNormal[m])) << "corner " << i;
            // OpenGL clamps colours to [0, 1]; a byte holds the nearest step.
            const float fShown = std::fmin(std::fmax(e.afColor[m], 0.0f), 1.0f);
            ASSERT_LE(std::fabs(a.afColor[m] - fShown), 0.5f / 255.0f + 1e-7f) << "corner " << i;
        }
    }
}

// Both polygonizers on all three fields; grids that are and are not powers of
// two; the first frame, frames with the sources apart, and iso values off
// the default.
INSTANTIATE_TEST_SUITE_P(
    FieldsAndPolygonizers, StreamOfTheViewer,
    ::testing::Values(Setting{1, "cube", 16, 1, 48.0f}, Setting{1, "tetra", 16, 1, 48.0f},
                      Setting{1, "tetra", 23, 90, 30.0f}, Setting{2, "cube", 13, 57, 60.0f},
                      Setting{2, "tetra", 16, 1, 48.0f}, Setting{3, "cube", 20, 300, 48.0f},
                      Setting{3, "tetra", 11, 140, 55.5f}, Setting{3, "tetra", 1, 0, 48.0f}));
