// glutWireCube, drawn as GLUT on the desktop draws it: each face's outline
// as a line loop with the face's normal, so every edge is drawn twice, once
// in each direction.
#include <GL/glut.h>

namespace {
// Per face: its normal, then its four corners of the cube from -1 to 1.
const float a2fFace[6][15] = {
    {0, 0, 1, 1, 1, 1, -1, 1, 1, -1, -1, 1, 1, -1, 1},       // 0
    {1, 0, 0, 1, 1, 1, 1, -1, 1, 1, -1, -1, 1, 1, -1},       // 1
    {0, 1, 0, 1, 1, 1, 1, 1, -1, -1, 1, -1, -1, 1, 1},       // 2
    {-1, 0, 0, -1, 1, 1, -1, 1, -1, -1, -1, -1, -1, -1, 1},  // 3
    {0, -1, 0, -1, -1, -1, 1, -1, -1, 1, -1, 1, -1, -1, 1},  // 4
    {0, 0, -1, 1, -1, -1, -1, -1, -1, -1, 1, -1, 1, 1, -1},  // 5
};
}  // namespace

extern "C" void glutWireCube(double size) {
    const float fHalf = float(size / 2.0);
    for (const float* afFace : a2fFace) {
        glNormal3f(afFace[0], afFace[1], afFace[2]);
        glBegin(GL_LINE_LOOP);
        for (int iCorner = 0; iCorner < 4; iCorner++) {
            const float* afCorner = &afFace[3 + 3 * iCorner];
            glVertex3f(fHalf * afCorner[0], fHalf * afCorner[1], fHalf * afCorner[2]);
        }
        glEnd();
    }
}
