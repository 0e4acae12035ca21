// Area, enclosed volume and triangle shape of the welded mesh.
#pragma once

#include <vector>

#include "summary.h"
#include "weld.h"

// Fills area, volume, degenerate triangles and the smallest and median
// angle. The volume is that of the triangles abClosedTriangle marks: positive
// where a closed component encloses the high side of the field (the side of
// the sources), since every triangle faces the low side.
void vMeasureGeometry(const WeldedMesh& sMesh, const std::vector<bool>& abClosedTriangle,
                      MeshSummary& sSummary);
