// The uniform block and fixed settings of a draw, taken from the state.
#include "draw_state.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>

#include "state.h"

namespace {
void vPutMatrix(float* afTo, const Matrix4& sMatrix) {
    std::memcpy(afTo, sMatrix.afM, sizeof sMatrix.afM);
}

void vPutFace(float* afTo, const FaceTerms& sTerms) {
    const float afVectors[12] = {
        sTerms.afBase[0],     sTerms.afBase[1],     sTerms.afBase[2],     sTerms.afBase[3],
        sTerms.afDiffuse[0],  sTerms.afDiffuse[1],  sTerms.afDiffuse[2],  0.0f,
        sTerms.afSpecular[0], sTerms.afSpecular[1], sTerms.afSpecular[2], sTerms.fShininess,
    };
    std::memcpy(afTo, afVectors, sizeof afVectors);
}
// Between the unit vector to the light and (0, 0, 1), toward a viewer at
// infinity.
void vHalfVector(const float afLight[3], float afOut[3]) {
    const double afSum[3] = {afLight[0], afLight[1], afLight[2] + 1.0};
    const double fLength =
        std::sqrt(afSum[0] * afSum[0] + afSum[1] * afSum[1] + afSum[2] * afSum[2]);
    for (int i = 0; i < 3; i++) {
        afOut[i] = fLength > 0.0 ? float(afSum[i] / fLength) : 0.0f;
    }
}
}  // namespace

DrawState sCurrentDrawState() {
    DrawState sState = {};
    const Matrix4& sModelView = rsTop(sGl.sModelView);
    vPutMatrix(&sState.afUniform[4 * 0], sModelView);
    vPutMatrix(&sState.afUniform[4 * 4], rsTop(sGl.sProjection));
    float afNormal[9];
    vNormalMatrix(sModelView, afNormal);
    for (int iColumn = 0; iColumn < 3; iColumn++) {
        std::memcpy(&sState.afUniform[4 * (8 + iColumn)], &afNormal[3 * iColumn],
                    3 * sizeof(float));
    }
    const LightingState& sLighting = sGl.sNow.sLighting;
    sState.afUniform[4 * 11 + 0] = sLighting.bLighting ? 1.0f : 0.0f;
    sState.afUniform[4 * 11 + 1] = sLighting.bTwoSide ? 1.0f : 0.0f;
    sState.afUniform[4 * 11 + 2] = sLighting.bLocalViewer ? 1.0f : 0.0f;
    float* afLight = &sState.afUniform[4 * 12];
    vLightVector(sLighting, afLight);
    const bool bDirectional = afLight[3] == 0.0f && !sLighting.bLocalViewer;
    if (bDirectional) {
        vHalfVector(afLight, &sState.afUniform[4 * 19]);
    }
    sState.iProgram = !sLighting.bLighting ? iUnlitProgram
                      : bDirectional       ? iDirectionalProgram
                                           : iGeneralProgram;
    vPutFace(&sState.afUniform[4 * 13], sFaceTerms(sLighting, 0));
    vPutFace(&sState.afUniform[4 * 16], sFaceTerms(sLighting, 1));
    sState.bDepthTest = sGl.sNow.bDepthTest;
    std::memcpy(sState.aiViewport, sGl.sNow.aiViewport, sizeof sState.aiViewport);
    return sState;
}

// By value: a NaN makes two states differ, which only costs a draw.
bool bSameDrawState(const DrawState& sA, const DrawState& sB) {
    return sA.iProgram == sB.iProgram &&
           std::equal(std::begin(sA.afUniform), std::end(sA.afUniform), std::begin(sB.afUniform)) &&
           sA.bDepthTest == sB.bDepthTest &&
           std::equal(std::begin(sA.aiViewport), std::end(sA.aiViewport),
                      std::begin(sB.aiViewport));
}
