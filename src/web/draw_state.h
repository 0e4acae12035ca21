// What one draw call needs of the OpenGL state as it stood at glBegin: the
// vertex shader's uniform block, and the depth test and viewport that WebGL
// sets apart from the shader.
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
const int iUniformVectors = 19;

struct DrawState {
    float afUniform[4 * iUniformVectors];
    bool bDepthTest;
    int aiViewport[4];
};

// The state now, from the layer's current OpenGL state.
DrawState sCurrentDrawState();
bool bSameDrawState(const DrawState& sA, const DrawState& sB);
