// What one draw call needs of the OpenGL state as it stood at glBegin: the
// program and its uniform block, and the depth test and viewport that WebGL
// sets apart from the shaders.
#pragma once

// The uniform block, uState in the shaders (shaders.cpp), vector by vector:
//  0- 3  model-view matrix, column after column
//  4- 7  projection matrix
//  8-10  normal matrix (xyz of each vector)
//  11    x: lighting on, y: two-sided, z: local viewer (1 or 0)
//  12    light 0: unit direction (w 0) or eye-space position (w not 0)
//  13-15 front: base colour and alpha, diffuse product, specular product
//        with the shininess in w
//  16-18 back, the same
//  19    the unit half vector between light 0 at infinity and a viewer at
//        infinity (directional program only)
const int iUniformVectors = 20;

// One program per kind of lighting, so that a software renderer (WebGL on
// the processor) runs no more per vertex than the lighting needs: none, a
// light at infinity seen from infinity (the light and half vectors the same
// for every vertex), or the general case.
enum ProgramKind { iUnlitProgram, iDirectionalProgram, iGeneralProgram, iProgramKinds };

struct DrawState {
    // Which of the programs draws it (ProgramKind).
    int iProgram;
    float afUniform[4 * iUniformVectors];
    bool bDepthTest;
    int aiViewport[4];
};

// The state now, from the layer's current OpenGL state.
DrawState sCurrentDrawState();
bool bSameDrawState(const DrawState& sA, const DrawState& sB);
