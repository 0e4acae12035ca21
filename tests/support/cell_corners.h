// The corners of the unit cell in the order the program numbers them, written
// out here rather than read from the program's table so that the tests pin
// that order instead of repeating it.
#pragma once

const float a2fCellCorner[8][3] = {
    {0, 0, 0},  // 0
    {1, 0, 0},  // 1
    {1, 1, 0},  // 2
    {0, 1, 0},  // 3
    {0, 0, 1},  // 4
    {1, 0, 1},  // 5
    {1, 1, 1},  // 6
    {0, 1, 1},  // 7
};
