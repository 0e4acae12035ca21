// Which grid segment each emitted corner lies on. A crossing is always
// interpolated between two lattice points of its cell: the ends of a cell
// edge, or for the tetrahedral polygonizer of a face diagonal or the cell's
// main diagonal. Neighbouring cells (and tetrahedra) compute a shared
// crossing separately, but they name the same segment, so its key welds the
// copies exactly, whatever their last bits.
#pragma once

#include <cstdint>

typedef std::uint64_t SegmentKey;

// The cell (iX, iY, iZ) of a grid of iGrid cells per axis.
struct CellIndex {
    std::int32_t iX;
    std::int32_t iY;
    std::int32_t iZ;
    std::int32_t iGrid;
};

// A cell emits at most twelve triangles (six tetrahedra, two each).
const int iMaxCellCorners = 36;

// Fill aiKey with the segment of each corner the polygonizer emits for the
// cell, in emission order, from the cell's eight corner values (corner order
// of a2fVertexOffset). They read the same case tables as the polygonizers.
// Return the number of corners.
int iCubeCellSegments(const CellIndex& sCell, const float* afValue, float fIso, SegmentKey* aiKey);
int iTetraCellSegments(const CellIndex& sCell, const float* afValue, float fIso, SegmentKey* aiKey);
