// The surface's output as numbers, for comparing the WebAssembly build with
// the native one. Built twice from this one file, natively and by emscripten,
// against the same field and polygonizer sources; each build writes the same
// files, which must agree byte for byte where the two C libraries' sine and
// cosine do not enter.
//
//   stream_driver DIR [STEP]   writes into DIR, taking every STEP-th of 2000
//   frames (5 unless given) where it runs frames:
//     exact.bin     the GL stream of fields 1 and 2, both polygonizers, several
//                   grids, iso values and source points placed directly
//     ripple.bin    the ripple's values at the corners of a grid, at the field
//                   times of a run of frames
//     frames.bin    one hash per frame of the ripple's GL stream
//     placed.bin    one hash per frame of the GL streams of fields 1 and 2,
//                   the sources placed by vSetTime as the viewer places them
//     sine.bin      the sine of the frame clock at every frame
//     clock.bin     the source coordinate vSetTime places at every frame
//
// Every record is a sequence of 32-bit little-endian words, floats as their
// bits, so equal files mean equal bits. The same files are compared with
// other processors' builds too (tests/cross), big-endian ones among them.
#include <GL/gl.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "field.h"
#include "frame_clock.h"
#include "polygonize.h"

namespace {

std::vector<std::uint32_t> aiStream;
std::size_t iVertexCount = 0;

std::uint32_t iBits(float fValue) {
    std::uint32_t iResult;
    std::memcpy(&iResult, &fValue, sizeof iResult);
    return iResult;
}

// One call as the recording stand-in keeps it: the entry point, then its
// arguments in order.
enum Tag : std::uint32_t { TagBegin = 1, TagColor, TagNormal, TagVertex, TagEnd };

void vRecord3(Tag eTag, float fA, float fB, float fC) {
    aiStream.push_back(eTag);
    aiStream.push_back(iBits(fA));
    aiStream.push_back(iBits(fB));
    aiStream.push_back(iBits(fC));
}

}  // namespace

extern "C" {
void APIENTRY glBegin(GLenum eMode) {
    aiStream.push_back(TagBegin);
    aiStream.push_back(eMode);
}
void APIENTRY glEnd() {
    aiStream.push_back(TagEnd);
}
void APIENTRY glColor3f(GLfloat fRed, GLfloat fGreen, GLfloat fBlue) {
    vRecord3(TagColor, fRed, fGreen, fBlue);
}
void APIENTRY glNormal3f(GLfloat fX, GLfloat fY, GLfloat fZ) {
    vRecord3(TagNormal, fX, fY, fZ);
}
void APIENTRY glVertex3f(GLfloat fX, GLfloat fY, GLfloat fZ) {
    vRecord3(TagVertex, fX, fY, fZ);
    iVertexCount++;
}
}  // extern "C"

namespace {

Polygonizer* const apfPolygonizer[] = {
    vMarchCube1,  // 0
    vMarchCube2,  // 1
};
SampleFunction* const apfExactField[] = {
    fSample1,  // 0
    fSample2,  // 1
};
// Odd and even sizes, one cell, and one whose step is not a power of two's
// reciprocal, so the rounded cell origins do not tile the cube exactly.
const std::int32_t aiGrid[] = {
    1,   // 0
    7,   // 1
    16,  // 2
    23,  // 3
    29,  // 4
};
const float afIso[] = {
    4.0f,     // 0
    52.8f,    // 1
    1000.0f,  // 2
};
// The sources as vSetTime places them at three swings (at the centre, where
// every corner value of field 1 is symmetric; far out; nearly at the walls),
// and one placement that no time gives, with every coordinate apart.
const GLvector a2sSources[][3] = {
    {{0.5f, 0.5f, 0.5f}, {0.5f, 0.5f, 0.5f}, {0.5f, 0.5f, 0.5f}},         // 0
    {{0.9f, 0.5f, 0.5f}, {0.5f, 0.9f, 0.5f}, {0.5f, 0.5f, 0.9f}},         // 1
    {{0.01f, 0.5f, 0.5f}, {0.5f, 0.01f, 0.5f}, {0.5f, 0.5f, 0.01f}},      // 2
    {{0.3f, 0.62f, 0.45f}, {0.55f, 0.2f, 0.71f}, {0.66f, 0.48f, 0.33f}},  // 3
};

void vSweep() {
    glBegin(GL_TRIANGLES);
    vMarchingCubes();
    glEnd();
}

bool bWrite(const std::string& strPath, const void* pData, std::size_t iBytes) {
    std::FILE* pFile = std::fopen(strPath.c_str(), "wb");
    if (pFile == nullptr) {
        std::perror(strPath.c_str());
        return false;
    }
    const bool bWritten = std::fwrite(pData, 1, iBytes, pFile) == iBytes;
    return std::fclose(pFile) == 0 && bWritten;
}

bool bWriteWords(const std::string& strPath, const std::vector<std::uint32_t>& aiWords) {
    std::vector<unsigned char> aiByte;
    aiByte.reserve(4 * aiWords.size());
    for (std::uint32_t iWord : aiWords) {
        for (int iByte = 0; iByte < 4; iByte++) {
            aiByte.push_back(static_cast<unsigned char>(iWord >> (8 * iByte)));
        }
    }
    return bWrite(strPath, aiByte.data(), aiByte.size());
}

// Every case must draw something, or the comparison would prove little.
bool bExactStreams(const std::string& strDir) {
    aiStream.clear();
    int iCases = 0;
    for (Polygonizer* pfPolygonizer : apfPolygonizer) {
        for (SampleFunction* pfField : apfExactField) {
            for (std::int32_t iGrid : aiGrid) {
                for (float fIso : afIso) {
                    for (const auto& asSources : a2sSources) {
                        vMarchCube = pfPolygonizer;
                        fSample = pfField;
                        vSetDataSetSize(iGrid);
                        fTargetValue = fIso;
                        std::memcpy(sSourcePoint, asSources, sizeof sSourcePoint);
                        iCases++;
                        vSweep();
                    }
                }
            }
        }
    }
    std::printf("exact: %d cases, %zu vertices\n", iCases, iVertexCount);
    return iVertexCount > 0 && bWriteWords(strDir + "/exact.bin", aiStream);
}

// The frame clock after each of frames 1 to iFrames, stepped as the viewer
// steps it.
std::vector<float> afFrameClock(int iFrames) {
    std::vector<float> afClock;
    float fClock = 0.0f;
    for (int iFrame = 1; iFrame <= iFrames; iFrame++) {
        fClock = fNextFrameClock(fClock);
        afClock.push_back(fClock);
    }
    return afClock;
}

std::uint32_t iHash(const std::vector<std::uint32_t>& aiWords) {
    std::uint32_t iHashValue = 2166136261u;
    for (std::uint32_t iWord : aiWords) {
        for (int iByte = 0; iByte < 4; iByte++) {
            iHashValue = (iHashValue ^ ((iWord >> (8 * iByte)) & 0xffu)) * 16777619u;
        }
    }
    return iHashValue;
}

// The frames as the viewer draws them at the start grid and iso value:
// vSetTime with the frame clock, then the sweep; one hash of each frame's GL
// stream, for both polygonizers and each given field in turn.
std::vector<std::uint32_t> aiFrameHashes(const std::vector<SampleFunction*>& apfField,
                                         const std::vector<float>& afClock, int iFrameStep) {
    std::vector<std::uint32_t> aiFrameHash;
    vSetDataSetSize(16);
    fTargetValue = 48.0f;
    for (Polygonizer* pfPolygonizer : apfPolygonizer) {
        vMarchCube = pfPolygonizer;
        for (SampleFunction* pfField : apfField) {
            fSample = pfField;
            for (std::size_t iFrame = 0; iFrame < afClock.size(); iFrame += iFrameStep) {
                vSetTime(afClock[iFrame]);
                aiStream.clear();
                vSweep();
                aiFrameHash.push_back(iHash(aiStream));
            }
        }
    }
    return aiFrameHash;
}

// The ripple reads the field time, which vSetTime stores unchanged, and none
// of the sources: its sine and cosine are of the angle, not of the clock.
bool bRipple(const std::string& strDir, int iFrames, int iFrameStep) {
    const std::vector<float> afClock = afFrameClock(iFrames);
    const int iCorners = 17;
    std::vector<std::uint32_t> aiValue;
    for (int iFrame = 0; iFrame < iFrames; iFrame += iFrameStep) {
        fTime = afClock[iFrame];
        for (int iX = 0; iX < iCorners; iX++) {
            for (int iY = 0; iY < iCorners; iY++) {
                for (int iZ = 0; iZ < iCorners; iZ++) {
                    const float fStep = 1.0f / 16.0f;
                    aiValue.push_back(iBits(fSample3(iX * fStep, iY * fStep, iZ * fStep)));
                }
            }
        }
    }
    const std::vector<std::uint32_t> aiFrameHash = aiFrameHashes({fSample3}, afClock, iFrameStep);
    std::printf("ripple: %zu values, %zu frames\n", aiValue.size(), aiFrameHash.size());
    return bWriteWords(strDir + "/ripple.bin", aiValue) &&
           bWriteWords(strDir + "/frames.bin", aiFrameHash);
}

// Fields 1 and 2 with the sources where vSetTime puts them, which takes the
// sine of the frame clock.
bool bPlaced(const std::string& strDir, int iFrames, int iFrameStep) {
    const std::vector<std::uint32_t> aiFrameHash =
        aiFrameHashes({fSample1, fSample2}, afFrameClock(iFrames), iFrameStep);
    std::printf("placed: %zu frames\n", aiFrameHash.size());
    return bWriteWords(strDir + "/placed.bin", aiFrameHash);
}

// The sine of the frame clock as the library gives it, and what vSetTime
// makes of it: all three sources move by the same factor, so one coordinate
// tells it. The sum with 1 drops low bits of small sines, so fewer
// coordinates than sines differ.
bool bClock(const std::string& strDir, int iFrames) {
    std::vector<std::uint32_t> aiSine;
    std::vector<std::uint32_t> aiCoordinate;
    for (float fClock : afFrameClock(iFrames)) {
        aiSine.push_back(iBits(std::sin(fClock)));
        vSetTime(fClock);
        aiCoordinate.push_back(iBits(sSourcePoint[0].fX));
    }
    std::printf("clock: %d frames\n", iFrames);
    return bWriteWords(strDir + "/sine.bin", aiSine) &&
           bWriteWords(strDir + "/clock.bin", aiCoordinate);
}

}  // namespace

int main(int argc, char** argv) {
    const int iFrameStep = argc == 3 ? std::atoi(argv[2]) : 5;
    if ((argc != 2 && argc != 3) || iFrameStep < 1) {
        std::fputs("usage: stream_driver DIR [STEP]\n", stderr);
        return 2;
    }
    const std::string strDir = argv[1];
    const int iFrames = 2000;
    const bool bDone = bExactStreams(strDir) && bRipple(strDir, iFrames, iFrameStep) &&
                       bPlaced(strDir, iFrames, iFrameStep) && bClock(strDir, 1000000);
    return bDone ? 0 : 1;
}
