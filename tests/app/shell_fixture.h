// Shared by the shell's tests: a fixture that saves every setting, the field
// time and the source points before a test and puts them back after it, exact
// comparison of recorded calls, and the calls one reshape must make.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app.h"
#include "field.h"
#include "gl_record.h"
#include "polygonize.h"
#include "settings_snapshot.h"

struct ExpectedCall {
    std::string sName;
    std::vector<double> afArg;
};

inline std::string sDescribe(const std::string& sName, const std::vector<double>& afArg) {
    std::ostringstream sOut;
    sOut.precision(17);
    sOut << sName << "(";
    for (std::size_t i = 0; i < afArg.size(); i++) {
        sOut << (i ? ", " : "") << afArg[i];
    }
    sOut << ")";
    return sOut.str();
}

inline bool bSameCall(const std::string& sName, const std::vector<double>& afArg,
                      const std::string& sOtherName, const std::vector<double>& afOtherArg) {
    if (sName != sOtherName || afArg.size() != afOtherArg.size()) {
        return false;
    }
    for (std::size_t i = 0; i < afArg.size(); i++) {
        if (!bSameBits(afArg[i], afOtherArg[i])) {
            return false;
        }
    }
    return true;
}

// Names and arguments, bit for bit, call by call; the first difference is
// reported with its position.
inline ::testing::AssertionResult bCallsAre(const std::vector<RecordedCall>& asActual,
                                            const std::vector<ExpectedCall>& asExpected) {
    for (std::size_t i = 0; i < asActual.size() && i < asExpected.size(); i++) {
        if (!bSameCall(asActual[i].sName, asActual[i].afArg, asExpected[i].sName,
                       asExpected[i].afArg)) {
            return ::testing::AssertionFailure()
                   << "call " << i << " is " << sDescribe(asActual[i].sName, asActual[i].afArg)
                   << ", expected " << sDescribe(asExpected[i].sName, asExpected[i].afArg);
        }
    }
    if (asActual.size() != asExpected.size()) {
        return ::testing::AssertionFailure()
               << asActual.size() << " calls, expected " << asExpected.size();
    }
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult bSameCallsAs(const std::vector<RecordedCall>& asActual,
                                               const std::vector<RecordedCall>& asExpected) {
    std::vector<ExpectedCall> asAsExpected;
    for (const RecordedCall& sCall : asExpected) {
        asAsExpected.push_back({sCall.sName, sCall.afArg});
    }
    return bCallsAre(asActual, asAsExpected);
}

// The five calls of a reshape to a window of real size. The aspect is the
// quotient of the longer side by the shorter, rounded once to float (for sizes
// below 2^24 rounding the double quotient gives the same float as dividing
// the two floats); every product is formed in double from float factors.
inline std::vector<ExpectedCall> asExpectedResize(int iWidth, int iHeight) {
    const double fHalf = 0.70710677f;
    const bool bWide = iWidth > iHeight;
    const double fAspect = float(bWide ? double(iWidth) / iHeight : double(iHeight) / iWidth);
    const double fNear = fHalf * double(-10.0f);
    const double fFar = fHalf * double(10.0f);
    const std::vector<double> afOrtho =
        bWide ? std::vector<double>{-fHalf * fAspect, fHalf * fAspect, -fHalf, fHalf, fNear, fFar}
              : std::vector<double>{-fHalf, fHalf, -fHalf * fAspect, fHalf * fAspect, fNear, fFar};
    return {{"glViewport", {0, 0, double(iWidth), double(iHeight)}},
            {"glMatrixMode", {GL_PROJECTION}},
            {"glLoadIdentity", {}},
            {"glOrtho", afOrtho},
            {"glMatrixMode", {GL_MODELVIEW}}};
}

inline void vResetRecorderFully() {
    sRecorder.eMode = RecorderMode::Record;
    sRecorder.pOnCall = nullptr;
    vResetRecorder();
}

// Every test of the shell starts with an empty recorder and leaves the
// settings, the field time and the source points as it found them.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        sSaved = sTakeSnapshot();
        vResetRecorderFully();
    }
    void TearDown() override {
        vRestoreSnapshot(sSaved);
        vResetRecorderFully();
    }

    SettingsSnapshot sSaved{};
};
