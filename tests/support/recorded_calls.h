// Exact comparison of recorded calls: names and arguments, bit for bit, call
// by call, with the first difference reported by its position.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "gl_record.h"
#include "settings_snapshot.h"

struct ExpectedCall {
    std::string strName;
    std::vector<double> afArg;
};

inline std::string strDescribe(const std::string& strName, const std::vector<double>& afArg) {
    std::ostringstream sOut;
    sOut.precision(17);
    sOut << strName << "(";
    for (std::size_t i = 0; i < afArg.size(); i++) {
        sOut << (i ? ", " : "") << afArg[i];
    }
    sOut << ")";
    return sOut.str();
}

inline bool bSameCall(const std::string& strName, const std::vector<double>& afArg,
                      const std::string& strOtherName, const std::vector<double>& afOtherArg) {
    if (strName != strOtherName || afArg.size() != afOtherArg.size()) {
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
        if (!bSameCall(asActual[i].strName, asActual[i].afArg, asExpected[i].strName,
                       asExpected[i].afArg)) {
            return ::testing::AssertionFailure()
                   << "call " << i << " is " << strDescribe(asActual[i].strName, asActual[i].afArg)
                   << ", expected " << strDescribe(asExpected[i].strName, asExpected[i].afArg);
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
        asAsExpected.push_back({sCall.strName, sCall.afArg});
    }
    return bCallsAre(asActual, asAsExpected);
}

// One triangle corner as the polygonizers send it.
struct EmittedCorner {
    GLvector sColor, sNormal, sVertex;
};

inline GLvector sArgs(const RecordedCall& sCall) {
    return {float(sCall.afArg.at(0)), float(sCall.afArg.at(1)), float(sCall.afArg.at(2))};
}

// The recorded calls read as colour, normal, vertex triples; any other call
// or order fails the test.
inline std::vector<EmittedCorner> asEmittedCorners() {
    std::vector<EmittedCorner> asCorners;
    const std::vector<RecordedCall>& asCalls = sRecorder.asCalls;
    EXPECT_EQ(asCalls.size() % 3, 0u);
    for (std::size_t i = 0; i + 2 < asCalls.size(); i += 3) {
        EXPECT_EQ(asCalls[i].strName, "glColor3f") << "call " << i;
        EXPECT_EQ(asCalls[i + 1].strName, "glNormal3f") << "call " << i + 1;
        EXPECT_EQ(asCalls[i + 2].strName, "glVertex3f") << "call " << i + 2;
        asCorners.push_back({sArgs(asCalls[i]), sArgs(asCalls[i + 1]), sArgs(asCalls[i + 2])});
    }
    return asCorners;
}
