// The output step for one triangle corner, shared by both polygonizers.
#pragma once

#include "glvector.h"

void vEmitVertex(const GLvector& rfPosition, const GLvector& rfNormal);
