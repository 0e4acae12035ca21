// GLSL ES 3.00 sources and their compilation. The uniform block's layout is
// told in draw_state.h.
#include "shaders.h"

#include <webgl/webgl1.h>
#include <webgl/webgl2.h>

#include <cstdio>

namespace {
// OpenGL 1.1's lighting for one light: with n the normal as the model-view
// carried it (not normalized), L the unit vector to the light and h the
// unit half vector, the colour is
//   base + max(n·L, 0) diffuse + (n·L > 0 ? max(n·h, 0)^shininess : 0) specular,
// clamped to [0, 1]. A back face is lit with the back material and -n.
const char* const sVertexShader = R"(#version 300 es
layout(location = 0) in vec3 aPosition;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec3 aColor;
layout(location = 3) in float aFacing;
uniform vec4 uState[19];
out vec4 vFront;
out vec4 vBack;
flat out int vFacing;

vec4 lit(vec3 n, vec3 eye, int face) {
    int k = 13 + 3 * face;
    vec4 light = uState[12];
    vec3 toLight = light.w == 0.0 ? light.xyz : normalize(light.xyz / light.w - eye);
    vec3 toViewer = uState[11].z != 0.0 ? normalize(-eye) : vec3(0.0, 0.0, 1.0);
    float nl = dot(n, toLight);
    vec3 c = uState[k].rgb;
    if (nl > 0.0) {
        c += nl * uState[k + 1].rgb;
        float nh = max(dot(n, normalize(toLight + toViewer)), 0.0);
        float s = uState[k + 2].w;
        c += (s == 0.0 ? 1.0 : pow(nh, s)) * uState[k + 2].rgb;
    }
    return clamp(vec4(c, uState[k].a), 0.0, 1.0);
}

void main() {
    mat4 modelView = mat4(uState[0], uState[1], uState[2], uState[3]);
    mat4 projection = mat4(uState[4], uState[5], uState[6], uState[7]);
    vec4 eye = modelView * vec4(aPosition, 1.0);
    gl_Position = projection * eye;
    if (uState[11].x != 0.0) {
        vec3 n = mat3(uState[8].xyz, uState[9].xyz, uState[10].xyz) * aNormal;
        vec3 eyePoint = eye.xyz / eye.w;
        vFront = lit(n, eyePoint, 0);
        vBack = uState[11].y != 0.0 ? lit(-n, eyePoint, 1) : vFront;
    } else {
        vFront = clamp(vec4(aColor, 1.0), 0.0, 1.0);
        vBack = vFront;
    }
    vFacing = int(aFacing);
}
)";

const char* const sFragmentShader = R"(#version 300 es
precision highp float;
in vec4 vFront;
in vec4 vBack;
flat in int vFacing;
out vec4 oColor;

void main() {
    bool front = vFacing == 0 ? gl_FrontFacing : vFacing == 1;
    oColor = front ? vFront : vBack;
}
)";

GLuint iCompile(GLenum eKind, const char* sSource) {
    const GLuint iShader = emscripten_glCreateShader(eKind);
    emscripten_glShaderSource(iShader, 1, &sSource, nullptr);
    emscripten_glCompileShader(iShader);
    GLint iOk = 0;
    emscripten_glGetShaderiv(iShader, GL_COMPILE_STATUS, &iOk);
    if (!iOk) {
        char sLog[1024] = "";
        emscripten_glGetShaderInfoLog(iShader, sizeof sLog, nullptr, sLog);
        std::fprintf(stderr, "orvane: shader: %s\n", sLog);
    }
    return iShader;
}
}  // namespace

unsigned iBuildProgram() {
    const GLuint iProgram = emscripten_glCreateProgram();
    emscripten_glAttachShader(iProgram, iCompile(GL_VERTEX_SHADER, sVertexShader));
    emscripten_glAttachShader(iProgram, iCompile(GL_FRAGMENT_SHADER, sFragmentShader));
    emscripten_glLinkProgram(iProgram);
    GLint iOk = 0;
    emscripten_glGetProgramiv(iProgram, GL_LINK_STATUS, &iOk);
    if (!iOk) {
        char sLog[1024] = "";
        emscripten_glGetProgramInfoLog(iProgram, sizeof sLog, nullptr, sLog);
        std::fprintf(stderr, "orvane: shader program: %s\n", sLog);
        return 0;
    }
    return iProgram;
}
