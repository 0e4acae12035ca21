#include "event_run.h"

#include <GL/glut.h>

#include <cmath>
#include <cstdio>

#include "app.h"
#include "field.h"
#include "gl_record.h"
#include "polygonize.h"
#include "settings_snapshot.h"

namespace {

// Reads the event bytes in order; past the end every byte reads as 0.
struct EventReader {
    const std::uint8_t* acData;
    std::size_t iSize;
    std::size_t iNext;

    std::uint8_t iByte() {
        return iNext < iSize ? acData[iNext++] : 0;
    }
    std::int32_t iInt() {
        std::uint32_t iValue = 0;
        for (int iShift = 0; iShift < 32; iShift += 8) {
            iValue |= std::uint32_t(iByte()) << iShift;
        }
        return std::int32_t(iValue);
    }
    std::int32_t iSignedByte() {
        return std::int8_t(iByte());
    }
    bool bMore() const {
        return iNext < iSize;
    }
};

std::string strDescribe(const char* szFormat, double fValue) {
    char acText[160];
    std::snprintf(acText, sizeof acText, szFormat, fValue);
    return acText;
}

// The settings as the keys may leave them: a grid of at least one cell with
// its step the float nearest to 1 / size, an iso value that the limits keep
// between 1 / 1.1 and 1100, one of the three fields, one of the two modes.
std::string strCheckSettings() {
    if (iDataSetSize < 1) {
        return strDescribe("iDataSetSize fell to %g", iDataSetSize);
    }
    if (fStepSize != float(1.0 / iDataSetSize)) {
        return strDescribe("fStepSize %.9g is not the float nearest 1 / iDataSetSize", fStepSize);
    }
    if (!std::isfinite(fTargetValue) || !(fTargetValue > 0.0f)) {
        return strDescribe("fTargetValue %g is not positive and finite", fTargetValue);
    }
    if (!(fTargetValue > 0.9f && fTargetValue < 1100.0f)) {
        return strDescribe("fTargetValue %g left the range the limits allow", fTargetValue);
    }
    if (fSample != fSample1 && fSample != fSample2 && fSample != fSample3) {
        return "fSample holds none of the three sample functions";
    }
    if (ePolygonMode != GL_FILL && ePolygonMode != GL_LINE) {
        return strDescribe("ePolygonMode %g is neither GL_FILL nor GL_LINE", ePolygonMode);
    }
    return {};
}

// What one frame sent: whole triangles with finite corners inside the unit
// cube, and the sources left inside it too.
std::string strCheckFrame() {
    if (sRecorder.iNonFiniteVertexCount != 0) {
        return strDescribe("a frame sent %g vertices that are NaN or infinite",
                           double(sRecorder.iNonFiniteVertexCount));
    }
    if (sRecorder.iVertexCount % 3 != 0) {
        return strDescribe("a frame sent %g vertices, not whole triangles",
                           double(sRecorder.iVertexCount));
    }
    // Every crossing lies on an edge of a cell, and the cells tile the unit
    // cube up to the rounding of the step.
    const double fSlack = 1e-6;
    for (int iAxis = 0; iAxis < 3; iAxis++) {
        if (sRecorder.afVertexMin[iAxis] < -fSlack || sRecorder.afVertexMax[iAxis] > 1.0 + fSlack) {
            return strDescribe("a frame sent a vertex outside the unit cube on axis %g", iAxis);
        }
    }
    for (const GLvector& sPoint : sSourcePoint) {
        for (const float fCoordinate : {sPoint.fX, sPoint.fY, sPoint.fZ}) {
            if (!(fCoordinate >= 0.0f && fCoordinate <= 1.0f)) {
                return strDescribe("a source point left the unit cube (%g)", fCoordinate);
            }
        }
    }
    return {};
}

}  // namespace

// Taken at the first call, before any input has run: the start values.
void vResetSettings() {
    static const SettingsSnapshot sStart = sTakeSnapshot();
    vRestoreSnapshot(sStart);
}

std::string strRunEvents(const std::uint8_t* acData, std::size_t iSize) {
    vResetSettings();
    sRecorder.eMode = RecorderMode::Count;
    vResetRecorder();

    EventReader sReader{acData, iSize, 0};
    Polygonizer* pfExpectedPolygonizer = vMarchCube;
    std::int64_t iCellsLeft = iMaxCellsPerInput;
    while (sReader.bMore()) {
        const std::uint8_t iHead = sReader.iByte();
        const int iParameter = iHead >> 3;
        switch (iHead & 7) {
            case 0:
            case 1:
            case 7: {
                const unsigned char cKey = sReader.iByte();
                const std::int32_t iX = sReader.iSignedByte();
                for (int iPress = 0; iPress <= iParameter; iPress++) {
                    vKeyboard(cKey, iX, -iX);
                }
                break;
            }
            case 2: {
                const std::uint8_t iCode = sReader.iByte();
                const int iKey = iCode < 128 ? 100 + (iCode & 15) : sReader.iInt();
                const std::int32_t iX = sReader.iSignedByte();
                for (int iPress = 0; iPress <= iParameter; iPress++) {
                    vSpecial(iKey, iX, -iX);
                }
                break;
            }
            case 3: {
                const bool bSmall = (iParameter & 1) != 0;
                const std::int32_t iWidth = bSmall ? sReader.iSignedByte() : sReader.iInt();
                const std::int32_t iHeight = bSmall ? sReader.iSignedByte() : sReader.iInt();
                vResize(iWidth, iHeight);
                break;
            }
            case 4:
            case 5:
                for (int iFrame = 0; iFrame <= iParameter % 4; iFrame++) {
                    const std::int64_t iCells =
                        std::int64_t(iDataSetSize) * iDataSetSize * iDataSetSize;
                    if (iDataSetSize > iMaxFrameGrid || iCells > iCellsLeft) {
                        break;
                    }
                    iCellsLeft -= iCells;
                    vResetRecorder();
                    vDrawScene();
                    std::string strFailure = strCheckFrame();
                    if (!strFailure.empty()) {
                        return strFailure;
                    }
                }
                break;
            default:
                pfExpectedPolygonizer = (iParameter & 1) != 0 ? vMarchCube2 : vMarchCube1;
                vMarchCube = pfExpectedPolygonizer;
                break;
        }
        if (vMarchCube != pfExpectedPolygonizer) {
            return "an event changed the polygonizer slot";
        }
        std::string strFailure = strCheckSettings();
        if (!strFailure.empty()) {
            return strFailure;
        }
    }
    return {};
}
