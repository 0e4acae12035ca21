// The command line of orvane-mesh: what to extract and where to write it.
#pragma once

#include <cstdint>
#include <string>

enum class MeshFormat { None, Ply, Obj, Stl };

struct MeshOptions {
    int iField = 1;
    std::int32_t iGrid = 16;
    float fIso = 48.0f;
    std::int64_t iFrame = 1;
    bool bTetra = false;
    bool bWeld = false;
    bool bJson = false;
    // Threads that sweep the grid; iParseOptions sets the default, one per core.
    int iThreads = 1;
    std::string strOutput;
    MeshFormat eFormat = MeshFormat::None;
};

// Every lattice point of the largest grid gets a 32-bit number, so a segment
// between two of them is one 64-bit key.
const std::int32_t iMaxGrid = 1024;
const int iMaxThreads = 256;
// The viewer at a thousand frames a second would need eleven days to get here.
const std::int64_t iMaxFrame = 1000000000;

// Fills sOptions from the command line. Returns -1 to go on, or the exit
// status: 0 after --help or --version, 2 after one line on standard error for
// bad input.
int iParseOptions(int iArgCount, char** aszArg, MeshOptions& sOptions);
