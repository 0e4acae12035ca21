// GLUT's one window in the page: the canvas "#viewer".
#pragma once

extern const char* const szCanvasSelector;

// Frames drawn: buffer swaps since the window opened.
double fFramesDrawn();
// The canvas's backing store is its size in CSS pixels times the device
// pixel ratio; a point given in CSS pixels from the canvas's corner, in
// those pixels.
int iToWindowPixels(double fCssPixels);
// Starts listening to the page's keyboard for the window (glut_keys.cpp).
void vListenToKeys();
