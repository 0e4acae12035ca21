// Every setting, the field time and the source points, taken as one value: a
// test or a benchmark that moves any of them puts them back from it, so what
// runs next sees the program as it started. Snapshots compare bit for bit, so
// a test can also tell that a call left them all alone. Needs no test
// framework: the benchmarks include it too.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <cstring>
#include <ostream>

#include "app.h"
#include "field.h"
#include "polygonize.h"

struct SettingsSnapshot {
    std::int32_t iDataSetSize;
    float fStepSize;
    float fTargetValue;
    SampleFunction* fSample;
    Polygonizer* vMarchCube;
    GLenum ePolygonMode;
    bool bSpin;
    bool bMove;
    bool bLight;
    float fTime;
    GLvector asSourcePoint[3];
};

inline SettingsSnapshot sTakeSnapshot() {
    SettingsSnapshot sSnapshot{
        iDataSetSize, fStepSize, fTargetValue, fSample, vMarchCube, ePolygonMode,
        bSpin,        bMove,     bLight,       fTime,   {}};
    for (int i = 0; i < 3; i++) {
        sSnapshot.asSourcePoint[i] = sSourcePoint[i];
    }
    return sSnapshot;
}

inline void vRestoreSnapshot(const SettingsSnapshot& sSnapshot) {
    iDataSetSize = sSnapshot.iDataSetSize;
    fStepSize = sSnapshot.fStepSize;
    fTargetValue = sSnapshot.fTargetValue;
    fSample = sSnapshot.fSample;
    vMarchCube = sSnapshot.vMarchCube;
    ePolygonMode = sSnapshot.ePolygonMode;
    bSpin = sSnapshot.bSpin;
    bMove = sSnapshot.bMove;
    bLight = sSnapshot.bLight;
    fTime = sSnapshot.fTime;
    for (int i = 0; i < 3; i++) {
        sSourcePoint[i] = sSnapshot.asSourcePoint[i];
    }
}

// Takes a snapshot when made and restores it when it goes out of scope, so
// whoever holds one can change anything and still run in any order or alone.
class SettingsGuard {
public:
    SettingsGuard() : sSaved(sTakeSnapshot()) {}
    ~SettingsGuard() {
        vRestoreSnapshot(sSaved);
    }
    SettingsGuard(const SettingsGuard&) = delete;
    SettingsGuard& operator=(const SettingsGuard&) = delete;

private:
    SettingsSnapshot sSaved;
};

// Floats compare by their bits, so a NaN equals the same NaN and -0 differs
// from +0.
inline bool bSameBits(float fA, float fB) {
    return std::memcmp(&fA, &fB, sizeof fA) == 0;
}

inline bool bSameBits(double fA, double fB) {
    return std::memcmp(&fA, &fB, sizeof fA) == 0;
}

inline bool bSameBits(const GLvector& sA, const GLvector& sB) {
    return bSameBits(sA.fX, sB.fX) && bSameBits(sA.fY, sB.fY) && bSameBits(sA.fZ, sB.fZ);
}

inline bool operator==(const SettingsSnapshot& sA, const SettingsSnapshot& sB) {
    return sA.iDataSetSize == sB.iDataSetSize && bSameBits(sA.fStepSize, sB.fStepSize) &&
           bSameBits(sA.fTargetValue, sB.fTargetValue) && sA.fSample == sB.fSample &&
           sA.vMarchCube == sB.vMarchCube && sA.ePolygonMode == sB.ePolygonMode &&
           sA.bSpin == sB.bSpin && sA.bMove == sB.bMove && sA.bLight == sB.bLight &&
           bSameBits(sA.fTime, sB.fTime) && bSameBits(sA.asSourcePoint[0], sB.asSourcePoint[0]) &&
           bSameBits(sA.asSourcePoint[1], sB.asSourcePoint[1]) &&
           bSameBits(sA.asSourcePoint[2], sB.asSourcePoint[2]);
}

inline std::ostream& operator<<(std::ostream& rOut, const SettingsSnapshot& sS) {
    rOut.precision(9);
    rOut << "{grid " << sS.iDataSetSize << ", step " << sS.fStepSize << ", target "
         << sS.fTargetValue << ", sample " << reinterpret_cast<const void*>(sS.fSample)
         << ", polygonizer " << reinterpret_cast<const void*>(sS.vMarchCube) << ", mode "
         << sS.ePolygonMode << ", spin " << sS.bSpin << ", move " << sS.bMove << ", light "
         << sS.bLight << ", time " << sS.fTime << "}";
    return rOut;
}
