// The uniform block and fixed settings of a draw, taken from the state.
#include "draw_state.h"

#include <cstring>

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
    vLightVector(sLighting, &sState.afUniform[4 * 12]);
    vPutFace(&sState.afUniform[4 * 13], sFaceTerms(sLighting, 0));
    vPutFace(&sState.afUniform[4 * 16], sFaceTerms(sLighting, 1));
    sState.bDepthTest = sGl.sNow.bDepthTest;
    std::memcpy(sState.aiViewport, sGl.sNow.aiViewport, sizeof sState.aiViewport);
    return sState;
}

bool bSameDrawState(const DrawState& sA, const DrawState& sB) {
    return std::memcmp(sA.afUniform, sB.afUniform, sizeof sA.afUniform) == 0 &&
           sA.bDepthTest == sB.bDepthTest &&
           std::memcmp(sA.aiViewport, sB.aiViewport, sizeof sA.aiViewport) == 0;
}
