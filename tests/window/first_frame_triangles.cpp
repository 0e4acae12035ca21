// Prints the GL_TRIANGLES block of the first frame that the program draws,
// one call a line in the form a trace dump shows, computed by the program's
// own library run against the recording stand-in. The trace of the real
// process must hold the same block.
#include <GL/gl.h>

#include <cstdio>

#include "app.h"
#include "gl_record.h"

namespace {
void vPrintCall(const RecordedCall& sCall) {
    const char* aszNames[3] = {"x", "y", "z"};
    if (sCall.strName == "glColor3f") {
        aszNames[0] = "red", aszNames[1] = "green", aszNames[2] = "blue";
    } else if (sCall.strName == "glNormal3f") {
        aszNames[0] = "nx", aszNames[1] = "ny", aszNames[2] = "nz";
    } else if (sCall.strName != "glVertex3f" || sCall.afArg.size() != 3) {
        std::printf("%s(unexpected in the block)\n", sCall.strName.c_str());
        return;
    }
    // Nine significant digits identify a float exactly.
    std::printf("%s(%s = %.9g, %s = %.9g, %s = %.9g)\n", sCall.strName.c_str(), aszNames[0],
                sCall.afArg.at(0), aszNames[1], sCall.afArg.at(1), aszNames[2], sCall.afArg.at(2));
}
}  // namespace

int main() {
    vResetRecorder();
    vDrawScene();

    bool bInside = false;
    for (const RecordedCall& sCall : sRecorder.asCalls) {
        if (sCall.strName == "glBegin") {
            bInside = true;
            if (sCall.afArg.at(0) == GL_TRIANGLES) {
                std::printf("glBegin(mode = GL_TRIANGLES)\n");
            } else {
                std::printf("glBegin(mode = %g)\n", sCall.afArg.at(0));
            }
        } else if (sCall.strName == "glEnd") {
            std::printf("glEnd()\n");
            return 0;
        } else if (bInside) {
            vPrintCall(sCall);
        }
    }
    std::fprintf(stderr, "first_frame_triangles: the frame drew no GL_TRIANGLES block\n");
    return 1;
}
