// The three source points and the field time they follow.
#include <cmath>

#include "field.h"

GLvector sSourcePoint[3];
float fTime = 0.0f;

// Each source sits at the centre of the cube but for one coordinate, which
// swings through the centre along that source's own axis; all three swing in
// phase.
void vSetTime(float fNewTime) {
    for (GLvector& sPoint : sSourcePoint) {
        sPoint.fX = 0.5f;
        sPoint.fY = 0.5f;
        sPoint.fZ = 0.5f;
    }
    fTime = fNewTime;

    const float fSwing = 1.0f + std::sin(fTime);
    sSourcePoint[0].fX *= fSwing;
    sSourcePoint[1].fY *= fSwing;
    sSourcePoint[2].fZ *= fSwing;
}
