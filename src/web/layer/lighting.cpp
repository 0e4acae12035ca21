// Lighting parameters as glLightfv, glLightModelf and glMaterialfv set them.
#include "lighting.h"

#include <cmath>
#include <cstring>

namespace {
void vSet4(float afTo[4], float f0, float f1, float f2, float f3) {
    afTo[0] = f0;
    afTo[1] = f1;
    afTo[2] = f2;
    afTo[3] = f3;
}

void vCopy4(float afTo[4], const float* afFrom) {
    std::memcpy(afTo, afFrom, 4 * sizeof(float));
}

Material sInitialMaterial() {
    Material sMaterial = {};
    vSet4(sMaterial.afAmbient, 0.2f, 0.2f, 0.2f, 1.0f);
    vSet4(sMaterial.afDiffuse, 0.8f, 0.8f, 0.8f, 1.0f);
    vSet4(sMaterial.afSpecular, 0.0f, 0.0f, 0.0f, 1.0f);
    vSet4(sMaterial.afEmission, 0.0f, 0.0f, 0.0f, 1.0f);
    sMaterial.fShininess = 0.0f;
    return sMaterial;
}

// Returns false, leaving the material as it was, for a name it does not
// know or a shininess outside [0, 128] (OpenGL's errors).
bool bSetMaterialSide(Material& rsMaterial, GLenum eName, const float* afValue) {
    switch (eName) {
        case GL_AMBIENT:
            vCopy4(rsMaterial.afAmbient, afValue);
            return true;
        case GL_DIFFUSE:
            vCopy4(rsMaterial.afDiffuse, afValue);
            return true;
        case GL_AMBIENT_AND_DIFFUSE:
            vCopy4(rsMaterial.afAmbient, afValue);
            vCopy4(rsMaterial.afDiffuse, afValue);
            return true;
        case GL_SPECULAR:
            vCopy4(rsMaterial.afSpecular, afValue);
            return true;
        case GL_EMISSION:
            vCopy4(rsMaterial.afEmission, afValue);
            return true;
        case GL_SHININESS:
            if (!(afValue[0] >= 0.0f && afValue[0] <= 128.0f)) {
                return false;
            }
            rsMaterial.fShininess = afValue[0];
            return true;
        default:
            return false;
    }
}
}  // namespace

LightingState sInitialLighting() {
    LightingState sState = {};
    sState.bLighting = false;
    sState.bLight0 = false;
    vSet4(sState.sLight0.afAmbient, 0.0f, 0.0f, 0.0f, 1.0f);
    vSet4(sState.sLight0.afDiffuse, 1.0f, 1.0f, 1.0f, 1.0f);
    vSet4(sState.sLight0.afSpecular, 1.0f, 1.0f, 1.0f, 1.0f);
    vSet4(sState.sLight0.afPosition, 0.0f, 0.0f, 1.0f, 0.0f);
    vSet4(sState.afModelAmbient, 0.2f, 0.2f, 0.2f, 1.0f);
    sState.bTwoSide = false;
    sState.bLocalViewer = false;
    sState.asMaterial[0] = sInitialMaterial();
    sState.asMaterial[1] = sInitialMaterial();
    return sState;
}

void vSetLight(LightingState& rsState, GLenum eLight, GLenum eName, const float* afValue,
               const Matrix4& sModelView) {
    if (eLight != GL_LIGHT0) {
        return;
    }
    switch (eName) {
        case GL_AMBIENT:
            vCopy4(rsState.sLight0.afAmbient, afValue);
            break;
        case GL_DIFFUSE:
            vCopy4(rsState.sLight0.afDiffuse, afValue);
            break;
        case GL_SPECULAR:
            vCopy4(rsState.sLight0.afSpecular, afValue);
            break;
        case GL_POSITION:
            vTransform(sModelView, afValue, rsState.sLight0.afPosition);
            break;
        default:
            break;
    }
}

void vSetLightModel(LightingState& rsState, GLenum eName, float fValue) {
    if (eName == GL_LIGHT_MODEL_TWO_SIDE) {
        rsState.bTwoSide = fValue != 0.0f;
    } else if (eName == GL_LIGHT_MODEL_LOCAL_VIEWER) {
        rsState.bLocalViewer = fValue != 0.0f;
    }
}

// GL_FRONT_AND_BACK sets both sides, checked for both before either changes.
void vSetMaterial(LightingState& rsState, GLenum eFace, GLenum eName, const float* afValue) {
    const bool bFront = eFace == GL_FRONT || eFace == GL_FRONT_AND_BACK;
    const bool bBack = eFace == GL_BACK || eFace == GL_FRONT_AND_BACK;
    Material asNew[2] = {rsState.asMaterial[0], rsState.asMaterial[1]};
    if ((bFront && !bSetMaterialSide(asNew[0], eName, afValue)) ||
        (bBack && !bSetMaterialSide(asNew[1], eName, afValue))) {
        return;
    }
    rsState.asMaterial[0] = asNew[0];
    rsState.asMaterial[1] = asNew[1];
}

// Each product rounded to float as it is formed, the light's terms left out
// while light 0 is off.
FaceTerms sFaceTerms(const LightingState& sState, int iFace) {
    const Material& sMaterial = sState.asMaterial[iFace];
    const Light& sLight = sState.sLight0;
    const float fOn = sState.bLight0 ? 1.0f : 0.0f;
    FaceTerms sTerms;
    for (int i = 0; i < 3; i++) {
        const float fScene =
            sMaterial.afEmission[i] + sMaterial.afAmbient[i] * sState.afModelAmbient[i];
        sTerms.afBase[i] = fScene + fOn * (sMaterial.afAmbient[i] * sLight.afAmbient[i]);
        sTerms.afDiffuse[i] = fOn * (sMaterial.afDiffuse[i] * sLight.afDiffuse[i]);
        sTerms.afSpecular[i] = fOn * (sMaterial.afSpecular[i] * sLight.afSpecular[i]);
    }
    sTerms.afBase[3] = sMaterial.afDiffuse[3];
    sTerms.fShininess = sMaterial.fShininess;
    return sTerms;
}

void vLightVector(const LightingState& sState, float afOut[4]) {
    vCopy4(afOut, sState.sLight0.afPosition);
    if (afOut[3] != 0.0f) {
        return;
    }
    const double fLength = std::sqrt(double(afOut[0]) * afOut[0] + double(afOut[1]) * afOut[1] +
                                     double(afOut[2]) * afOut[2]);
    for (int i = 0; i < 3 && fLength > 0.0; i++) {
        afOut[i] = float(afOut[i] / fLength);
    }
}
