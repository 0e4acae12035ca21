// GLSL ES 3.00 sources and their compilation. The uniform block's layout is
// told in draw_state.h.
#include "shaders.h"

#include <webgl/webgl1.h>
#include <webgl/webgl2.h>

#include <cstdio>
#include <string>

namespace {
// OpenGL 1.1's lighting for one light: with n the normal as the model-view
// carried it (not normalized), L the unit vector to the light and h the
// unit half vector, the colour is
//   base + max(n·L, 0) diffuse + (n·L > 0 ? max(n·h, 0)^shininess : 0) specular,
// clamped to [0, 1]. A back face is lit with the back material and -n, so
// with L and h fixed both sides share n·L and n·h.
const char* const szVertexShader = R"(
layout(location = 0) in vec3 aPosition;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec4 aColor;
layout(location = 3) in uint aFacing;
uniform vec4 uState[20];
out vec4 vFront;
out vec4 vBack;
flat out int vFacing;

vec4 lit(float nl, float nh, int k) {
    vec3 c = uState[k].rgb;
    if (nl > 0.0) {
        float s = uState[k + 2].w;
        c += nl * uState[k + 1].rgb + (s == 0.0 ? 1.0 : pow(max(nh, 0.0), s)) * uState[k + 2].rgb;
    }
    return clamp(vec4(c, uState[k].a), 0.0, 1.0);
}

void main() {
    mat4 modelView = mat4(uState[0], uState[1], uState[2], uState[3]);
    mat4 projection = mat4(uState[4], uState[5], uState[6], uState[7]);
    vec4 eye = modelView * vec4(aPosition, 1.0);
    gl_Position = projection * eye;
    vFacing = int(aFacing);
#if UNLIT
    vFront = vec4(aColor.rgb, 1.0);
    vBack = vFront;
#else
    vec3 n = mat3(uState[8].xyz, uState[9].xyz, uState[10].xyz) * aNormal;
#if DIRECTIONAL
    vec3 toLight = uState[12].xyz;
    vec3 halfway = uState[19].xyz;
#else
    vec4 light = uState[12];
    vec3 eyePoint = eye.xyz / eye.w;
    vec3 toLight = light.w == 0.0 ? light.xyz : normalize(light.xyz / light.w - eyePoint);
    vec3 toViewer = uState[11].z != 0.0 ? normalize(-eyePoint) : vec3(0.0, 0.0, 1.0);
    vec3 halfway = normalize(toLight + toViewer);
#endif
    float nl = dot(n, toLight);
    float nh = dot(n, halfway);
    vFront = lit(nl, nh, 13);
    vBack = uState[11].y != 0.0 ? lit(-nl, -nh, 16) : vFront;
#endif
}
)";

const char* const szFragmentShader = R"(#version 300 es
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

// Whether a compile or a link went well; if not, its log goes to standard
// error.
bool bSucceeded(GLuint iObject, GLenum eStatus, void (*pfGetStatus)(GLuint, GLenum, GLint*),
                void (*pfGetLog)(GLuint, GLsizei, GLsizei*, GLchar*), const char* szWhat) {
    GLint iOk = 0;
    pfGetStatus(iObject, eStatus, &iOk);
    if (iOk == GL_FALSE) {
        char szLog[1024] = "";
        pfGetLog(iObject, sizeof szLog, nullptr, szLog);
        std::fprintf(stderr, "orvane: %s: %s\n", szWhat, szLog);
    }
    return iOk != GL_FALSE;
}

GLuint iCompile(GLenum eKind, const char* szSource) {
    const GLuint iShader = emscripten_glCreateShader(eKind);
    emscripten_glShaderSource(iShader, 1, &szSource, nullptr);
    emscripten_glCompileShader(iShader);
    bSucceeded(iShader, GL_COMPILE_STATUS, emscripten_glGetShaderiv, emscripten_glGetShaderInfoLog,
               "shader");
    return iShader;
}
}  // namespace

unsigned iBuildProgram(int iKind) {
    const std::string strVertex = std::string("#version 300 es\n#define UNLIT ") +
                                  (iKind == iUnlitProgram ? "1" : "0") + "\n#define DIRECTIONAL " +
                                  (iKind == iDirectionalProgram ? "1" : "0") + szVertexShader;
    const GLuint iProgram = emscripten_glCreateProgram();
    emscripten_glAttachShader(iProgram, iCompile(GL_VERTEX_SHADER, strVertex.c_str()));
    emscripten_glAttachShader(iProgram, iCompile(GL_FRAGMENT_SHADER, szFragmentShader));
    emscripten_glLinkProgram(iProgram);
    if (!bSucceeded(iProgram, GL_LINK_STATUS, emscripten_glGetProgramiv,
                    emscripten_glGetProgramInfoLog, "shader program")) {
        return 0;
    }
    return iProgram;
}
