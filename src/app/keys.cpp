// The keyboard: grid, field, polygon mode and lighting on character keys; iso
// value, spin and source motion on special keys.
#include <GL/glut.h>

#include <limits>

#include "app.h"
#include "field.h"
#include "polygonize.h"

namespace {
const double fTargetFactor = 1.1;
const float fTargetUpperLimit = 1000.0f;
const float fTargetLowerLimit = 1.0f;

SampleFunction* fNextSample(SampleFunction* fCurrent) {
    if (fCurrent == fSample1) {
        return fSample2;
    }
    if (fCurrent == fSample2) {
        return fSample3;
    }
    return fSample1;
}
}  // namespace

// Letters act in lower case only. The grid has no upper limit but the largest
// size its type holds, where "+" does nothing rather than overflow: each "+"
// makes every later frame slower.
void vKeyboard(unsigned char cKey, int /*iX*/, int /*iY*/) {
    switch (cKey) {
        case '+':
        case '=':
            if (iDataSetSize < std::numeric_limits<std::int32_t>::max()) {
                vSetDataSetSize(iDataSetSize + 1);
            }
            break;
        case '-':
            if (iDataSetSize > 1) {
                vSetDataSetSize(iDataSetSize - 1);
            }
            break;
        case 's':
            fSample = fNextSample(fSample);
            break;
        case 'w':
            ePolygonMode = ePolygonMode == GL_LINE ? GL_FILL : GL_LINE;
            glPolygonMode(GL_FRONT_AND_BACK, ePolygonMode);
            break;
        case 'l':
            if (bLight) {
                glDisable(GL_LIGHTING);
            } else {
                glEnable(GL_LIGHTING);
            }
            bLight = !bLight;
            break;
        default:
            break;
    }
}

// The limits are tested before the step, so the step that crosses a limit is
// still taken and a value beyond one can only move back toward the range.
void vSpecial(int iKey, int /*iX*/, int /*iY*/) {
    switch (iKey) {
        case GLUT_KEY_PAGE_UP:
            if (fTargetValue < fTargetUpperLimit) {
                fTargetValue = float(fTargetValue * fTargetFactor);
            }
            break;
        case GLUT_KEY_PAGE_DOWN:
            if (fTargetValue > fTargetLowerLimit) {
                fTargetValue = float(fTargetValue / fTargetFactor);
            }
            break;
        case GLUT_KEY_HOME:
            bSpin = !bSpin;
            break;
        case GLUT_KEY_END:
            bMove = !bMove;
            break;
        default:
            break;
    }
}
