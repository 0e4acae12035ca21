// Edges, components and closedness of the welded mesh.
#pragma once

#include <cstdint>
#include <vector>

#include "summary.h"
#include "weld.h"

// Fills the edge, component and Euler figures of sSummary, and marks each
// triangle that belongs to a closed component: one with no boundary edge and
// no edge shared by more than two triangles.
void vMeasureTopology(const WeldedMesh& sMesh, MeshSummary& sSummary,
                      std::vector<bool>& abClosedTriangle);
