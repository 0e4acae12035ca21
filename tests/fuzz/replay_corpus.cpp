// Replays inputs of the event fuzzer without libFuzzer: each argument is an
// input file or a directory of them. Exits non-zero when any input fails a
// check, or when there is no input at all.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "event_run.h"

namespace {

bool bReplay(const std::filesystem::path& sPath) {
    std::ifstream sFile(sPath, std::ios::binary);
    const std::vector<std::uint8_t> acData{std::istreambuf_iterator<char>(sFile),
                                           std::istreambuf_iterator<char>()};
    if (!sFile.good() && !sFile.eof()) {
        std::fprintf(stderr, "%s: cannot read\n", sPath.c_str());
        return false;
    }
    const std::string strFailure = strRunEvents(acData.data(), acData.size());
    if (!strFailure.empty()) {
        std::fprintf(stderr, "%s: %s\n", sPath.c_str(), strFailure.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::filesystem::path> asInput;
    for (int iArg = 1; iArg < argc; iArg++) {
        const std::filesystem::path sPath(argv[iArg]);
        if (std::filesystem::is_directory(sPath)) {
            for (const auto& sEntry : std::filesystem::directory_iterator(sPath)) {
                if (sEntry.is_regular_file()) {
                    asInput.push_back(sEntry.path());
                }
            }
        } else {
            asInput.push_back(sPath);
        }
    }
    std::sort(asInput.begin(), asInput.end());
    if (asInput.empty()) {
        std::fprintf(stderr, "replay_corpus: no input given\n");
        return 2;
    }
    int iFailed = 0;
    for (const std::filesystem::path& sPath : asInput) {
        iFailed += bReplay(sPath) ? 0 : 1;
    }
    std::printf("replayed %zu inputs, %d failed\n", asInput.size(), iFailed);
    return iFailed == 0 ? 0 : 1;
}
