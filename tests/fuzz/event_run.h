// Plays a byte string to the viewer as a sequence of events (ordinary keys,
// special keys, reshapes and frames) through its real callbacks, and checks
// the settings and the drawn vertices after every event. Shared by the
// libFuzzer target and by the plain replay of the seed corpus.
//
// The bytes are read as events, one after another; a byte missing at the end
// reads as 0. The first byte of an event chooses its kind by its low three
// bits and gives a parameter P in its upper five bits (0 to 31):
//   0, 1, 7  ordinary key: the next byte is the character, then one byte M;
//            pressed P + 1 times;
//   2        special key: the next byte K gives the code, 100 + (K & 15) when
//            K < 128 (the arrows to Insert and a few beyond), else the four
//            bytes after K as a little-endian int; then one byte M; pressed
//            P + 1 times;
//   3        reshape: the width and then the height, each a signed byte when
//            P is odd and a little-endian int (any value: 0, negatives) when
//            P is even;
//   4, 5     frames: P % 4 + 1 calls of the display callback;
//   6        the polygonizer slot takes the tetrahedral polygonizer when P is
//            odd and the cube polygonizer when P is even.
// The key callbacks get the mouse position (M, -M), M read as a signed byte.
//
// A frame costs the cube of iDataSetSize, and "+" has no upper limit. To keep
// an input cheap, a frame is skipped while iDataSetSize is above
// iMaxFrameGrid, or when it would take the cells that the frames of the input
// have visited beyond iMaxCellsPerInput (16 frames of the start grid, or one
// of the largest).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

const std::int32_t iMaxFrameGrid = 40;
const std::int64_t iMaxCellsPerInput = 1 << 16;

// Puts every setting, the field time and the source points back to their
// start values (as the first call finds them), so that each input starts
// from the same settings. (The spin angles and the frame clock of the display
// callback cannot be reset and go on from input to input.)
void vResetSettings();

// Runs the events from the start settings with the recorder counting. Returns
// an empty string when every check held, else a description of the first
// check that failed.
std::string strRunEvents(const std::uint8_t* acData, std::size_t iSize);
