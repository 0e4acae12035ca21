// The orthographic projection, kept undistorted at any window shape.
#include <GL/gl.h>

#include "app.h"

// Half the diagonal of a face of the unit cube: the shorter side of the
// window always spans twice this, so a face of the cube seen square-on fits
// across it however the face is turned in the view plane.
namespace {
const float fHalfSize = 0.70710677f;
const float fNearFactor = -10.0f;
const float fFarFactor = 10.0f;
}  // namespace

// A minimised window can be reported with no width or height; its aspect
// would divide by zero, so such a size leaves viewport and projection as they
// were until a real size comes.
void vResize(int iWidth, int iHeight) {
    if (iWidth <= 0 || iHeight <= 0) {
        return;
    }
    glViewport(0, 0, iWidth, iHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();

    // The products are widened to double before they are formed; they are
    // exact there.
    const double fHalf = fHalfSize;
    if (iWidth > iHeight) {
        const float fAspect = float(iWidth) / float(iHeight);
        glOrtho(-fHalf * fAspect, fHalf * fAspect, -fHalf, fHalf, fHalf * fNearFactor,
                fHalf * fFarFactor);
    } else {
        const float fAspect = float(iHeight) / float(iWidth);
        glOrtho(-fHalf, fHalf, -fHalf * fAspect, fHalf * fAspect, fHalf * fNearFactor,
                fHalf * fFarFactor);
    }
    glMatrixMode(GL_MODELVIEW);
}
