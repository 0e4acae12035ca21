// The command line, read by CLI11. Each value is checked as text before it is
// converted, so the one line a bad value gets says what the option accepts.
#include "options.h"

#include <strings.h>
#include <CLI/CLI.hpp>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

const char* const szHelpFooter =
    "Welding (--weld, and always for the summary's topology): every emitted\n"
    "corner lies on one segment of the grid's lattice, a cell edge or, for\n"
    "the tetrahedral polygonizer, a face diagonal or a cell's main diagonal.\n"
    "All copies of the crossing on one segment become one vertex, which keeps\n"
    "the position, normal and colour of the first copy emitted. Nothing is\n"
    "merged by distance.\n"
    "\n"
    "Without --weld every triangle corner is a vertex of its own, written in\n"
    "the order the viewer sends it to OpenGL. Exit status: 0 done, 1 failed\n"
    "while extracting or writing, 2 bad input (nothing written).\n"
    "\n"
    "The summary is always printed; all its figures but the emitted corners,\n"
    "the sample calls and the time are of the welded mesh.";

// A whole number written in decimal, nothing before or after it.
bool bWholeNumber(const std::string& strText, long long& iValue) {
    if (strText.empty() || strText.size() > 18) {
        return false;
    }
    for (std::size_t i = 0; i < strText.size(); i++) {
        const bool bSign = i == 0 && (strText[i] == '-' || strText[i] == '+') && strText.size() > 1;
        if (!bSign && (strText[i] < '0' || strText[i] > '9')) {
            return false;
        }
    }
    iValue = std::strtoll(strText.c_str(), nullptr, 10);
    return true;
}

// The text is rewritten in plain decimal, since CLI11 would read a leading
// zero as octal ("010" as 8).
CLI::Validator sWholeRange(long long iLow, long long iHigh) {
    const std::string strRange = std::to_string(iLow) + " to " + std::to_string(iHigh);
    return CLI::Validator(
        [=](std::string& strText) {
            long long iValue = 0;
            if (!bWholeNumber(strText, iValue) || iValue < iLow || iValue > iHigh) {
                return "expects a whole number from " + strRange + ", got '" + strText + "'";
            }
            strText = std::to_string(iValue);
            return std::string();
        },
        "");
}

// Any finite number that a float holds; it is rounded to the nearest float.
CLI::Validator sFiniteFloat() {
    return CLI::Validator(
        [](const std::string& strText) {
            char* pEnd = nullptr;
            const float fValue = std::strtof(strText.c_str(), &pEnd);
            if (strText.empty() || *pEnd != '\0' || !std::isfinite(fValue)) {
                return "expects a finite number no larger than a float holds (3.4e38), got '" +
                       strText + "'";
            }
            return std::string();
        },
        "");
}

bool bEndsWith(const std::string& strText, const char* szEnd) {
    const std::size_t iLength = std::strlen(szEnd);
    return strText.size() > iLength &&
           strcasecmp(strText.c_str() + strText.size() - iLength, szEnd) == 0;
}

MeshFormat eFormatOf(const std::string& strPath) {
    if (bEndsWith(strPath, ".ply")) {
        return MeshFormat::Ply;
    }
    if (bEndsWith(strPath, ".obj")) {
        return MeshFormat::Obj;
    }
    if (bEndsWith(strPath, ".stl")) {
        return MeshFormat::Stl;
    }
    return MeshFormat::None;
}

CLI::Validator sPolygonizerName() {
    return CLI::Validator(
        [](const std::string& strText) {
            if (strText != "cube" && strText != "tetra") {
                return "expects cube or tetra, got '" + strText + "'";
            }
            return std::string();
        },
        "");
}

CLI::Validator sMeshPath() {
    return CLI::Validator(
        [](const std::string& strText) {
            if (eFormatOf(strText) == MeshFormat::None) {
                return "expects a file name ending in .ply, .obj or .stl, got '" + strText + "'";
            }
            return std::string();
        },
        "");
}

// One per core the system reports, and one if it reports none.
int iDefaultThreads() {
    const unsigned iCores = std::thread::hardware_concurrency();
    return iCores == 0 ? 1 : int(std::min(iCores, unsigned(iMaxThreads)));
}

}  // namespace

namespace {

// The text of the two options that are not numbers kept as they are given:
// the iso value is rounded to float here, once, rather than through a wider
// type, which could round it twice.
struct OptionText {
    std::string strIso = "48";
    std::string strPolygonizer = "cube";
};

void vDeclareOptions(CLI::App& sApp, MeshOptions& sOptions, OptionText& sText) {
    sApp.add_option("--field", sOptions.iField,
                    "1 three point sources, 2 three line sources, 3 a rippled sheet")
        ->transform(sWholeRange(1, 3))
        ->option_text("1|2|3 (1)");
    sApp.add_option("--grid", sOptions.iGrid, "cells along each axis of the unit cube")
        ->transform(sWholeRange(1, iMaxGrid))
        ->option_text("N (16; 1 to " + std::to_string(iMaxGrid) + ")");
    sApp.add_option("--iso", sText.strIso,
                    "iso value, any finite number: the surface is where "
                    "the field equals it")
        ->check(sFiniteFloat())
        ->option_text("V (48)");
    sApp.add_option("--frame", sOptions.iFrame,
                    "field time: what the viewer's frame clock holds after F frames")
        ->transform(sWholeRange(0, iMaxFrame))
        ->option_text("F (1; 0 to " + std::to_string(iMaxFrame) + ")");
    sApp.add_option("--polygonizer", sText.strPolygonizer,
                    "marching cubes (the viewer's) or the six-tetrahedra polygonizer")
        ->check(sPolygonizerName())
        ->option_text("cube|tetra (cube)");
    sApp.add_flag("--weld", sOptions.bWeld,
                  "write one vertex per crossed grid segment, not one per triangle corner");
    sApp.add_option("-o,--output", sOptions.strOutput,
                    "mesh file: .ply (binary, with normals and byte colours), .obj (positions "
                    "and normals), .stl (binary, facet normals from the triangles)")
        ->check(sMeshPath())
        ->option_text("FILE");
    sApp.add_flag("--json", sOptions.bJson, "print the summary as one JSON object");
    sApp.add_option("--threads", sOptions.iThreads,
                    "threads that sweep the grid; the output is the same for any number")
        ->transform(sWholeRange(1, iMaxThreads))
        ->option_text("N (one per core; 1 to " + std::to_string(iMaxThreads) + ")");
}

}  // namespace

int iParseOptions(int iArgCount, char** aszArg, MeshOptions& sOptions) {
    CLI::App sApp(
        "Writes the isosurface that the Orvane viewer draws to a mesh file, and prints "
        "its triangle count, topology, area and volume.",
        "orvane-mesh");
    sApp.set_version_flag("--version", std::string("orvane-mesh ") + ORVANE_VERSION);
    sApp.footer(szHelpFooter);
    OptionText sText;
    sOptions.iThreads = iDefaultThreads();
    vDeclareOptions(sApp, sOptions, sText);
    try {
        sApp.parse(iArgCount, aszArg);
    } catch (const CLI::CallForHelp& e) {
        return sApp.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return sApp.exit(e);
    } catch (const CLI::ParseError& e) {
        std::fprintf(stderr, "orvane-mesh: %s (see --help)\n", e.what());
        return 2;
    }
    sOptions.fIso = std::strtof(sText.strIso.c_str(), nullptr);
    sOptions.bTetra = sText.strPolygonizer == "tetra";
    sOptions.eFormat = eFormatOf(sOptions.strOutput);
    return -1;
}
