// A recording stand-in for the OpenGL and GLUT entry points the program
// calls. Linked in place of libGL and libglut, it keeps every call with its
// arguments so a test can read exactly what the program sent.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

struct RecordedCall {
    std::string strName;
    // Numeric arguments widened to double: exact for every float, int and
    // enumeration the program passes. Arrays (glLightfv, glMaterialfv) are
    // recorded element by element after their scalar arguments.
    std::vector<double> afArg;
    // The string argument of glutCreateWindow, or glutInit's argv joined by
    // single spaces.
    std::string strText;
    // The routine handed to a glut*Func registration.
    const void* pCallback = nullptr;
};

// In Record mode every call is appended to asRecordedCalls. In Count mode
// nothing is stored: only the counters below move, so long runs take no memory
// and allocate nothing.
enum class RecorderMode { Record, Count };

struct RecorderState {
    RecorderMode eMode = RecorderMode::Record;
    std::vector<RecordedCall> asCalls;
    std::size_t iCallCount = 0;
    std::size_t iVertexCount = 0;
    std::size_t iNonFiniteVertexCount = 0;
    // Called with the entry point's name at the start of every call, in either
    // mode, so a test can look at program state at the moment of a call.
    void (*pfOnCall)(const char* szName) = nullptr;
    // The box around every finite vertex since the last reset, per axis; in
    // both modes. Empty (minimum above maximum) while there is none.
    double afVertexMin[3] = {HUGE_VAL, HUGE_VAL, HUGE_VAL};
    double afVertexMax[3] = {-HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
};

extern RecorderState sRecorder;

// Empties the record and zeroes the counters; the mode is kept.
void vResetRecorder();

// Empties the record, zeroes the counters, and goes back to Record mode with
// no hook.
void vResetRecorderFully();

// The calls whose name is strName, in order.
std::vector<RecordedCall> asCallsNamed(const std::string& strName);

// The names of all recorded calls, in order.
std::vector<std::string> astrCallNames();

typedef std::array<double, 3> Point;

// The glVertex3f arguments recorded so far, in order.
std::vector<Point> asRecordedVertices();
