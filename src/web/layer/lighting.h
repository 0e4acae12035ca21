// OpenGL 1.1's lighting state for light 0, the light model and the two
// sides' materials, and the per-side terms the vertex shader lights with.
#pragma once

#include <GL/gl.h>

#include "matrix.h"

struct Material {
    float afAmbient[4];
    float afDiffuse[4];
    float afSpecular[4];
    float afEmission[4];
    float fShininess;
};

struct Light {
    float afAmbient[4];
    float afDiffuse[4];
    float afSpecular[4];
    // In eye coordinates, as glLightfv's modelview carried it there.
    float afPosition[4];
};

struct LightingState {
    bool bLighting;
    bool bLight0;
    Light sLight0;
    float afModelAmbient[4];
    bool bTwoSide;
    bool bLocalViewer;
    // Front, then back.
    Material asMaterial[2];
};

// OpenGL's initial values.
LightingState sInitialLighting();

// Light 0's colours and position; other lights and parameters are ignored,
// since only light 0 is drawn.
void vSetLight(LightingState& rsState, GLenum eLight, GLenum eName, const float* afValue,
               const Matrix4& sModelView);
void vSetLightModel(LightingState& rsState, GLenum eName, float fValue);
void vSetMaterial(LightingState& rsState, GLenum eFace, GLenum eName, const float* afValue);

// What the lit colour of one side is made of, as the vertex shader reads it:
// the constant part (emission, the ambient terms) with the diffuse alpha,
// the diffuse and specular colour products, and the shininess.
struct FaceTerms {
    float afBase[4];
    float afDiffuse[3];
    float afSpecular[3];
    float fShininess;
};
FaceTerms sFaceTerms(const LightingState& sState, int iFace);

// The direction to light 0 as a unit vector (w 0) for a light at infinity;
// else its position (w not 0).
void vLightVector(const LightingState& sState, float afOut[4]);
