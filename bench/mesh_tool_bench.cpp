// orvane-mesh run as a user runs it, a process of its own writing a PLY file
// of the first field at frame 1, iso 48, sweeping on one thread or on two:
// the time it reports for its work (the sweep, capture, welding and writing
// the file), and the wall and CPU time of the whole process. (Its peak
// resident memory cannot be told from here: the kernel carries the spawning
// process's peak across exec.)
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct ToolRun {
    bool bGood = false;
    std::string sError;
    double fToolSeconds = 0.0;
    double fWallSeconds = 0.0;
    double fCpuSeconds = 0.0;
};

std::string sReadFile(const std::string& sPath) {
    std::ifstream sIn(sPath);
    return std::string(std::istreambuf_iterator<char>(sIn), std::istreambuf_iterator<char>());
}

// The value of "seconds" in the tool's one-line JSON summary, or -1.
double fSummarySeconds(const std::string& sSummary) {
    const std::string sKey = "\"seconds\":";
    const std::size_t iAt = sSummary.find(sKey);
    return iAt == std::string::npos ? -1.0
                                    : std::strtod(sSummary.c_str() + iAt + sKey.size(), nullptr);
}

// Standard output and error go to files in sDir: the summary is read back,
// and the progress line the tool shows on a terminal stays out of the report.
ToolRun sRunTool(const std::vector<std::string>& asArgs, const std::string& sDir) {
    ToolRun sRun;
    const std::string sOut = sDir + "/summary.json";
    const std::string sErr = sDir + "/stderr.txt";
    std::vector<char*> apArgv;
    for (const std::string& sArg : asArgs) {
        apArgv.push_back(const_cast<char*>(sArg.c_str()));
    }
    apArgv.push_back(nullptr);
    posix_spawn_file_actions_t sActions;
    posix_spawn_file_actions_init(&sActions);
    posix_spawn_file_actions_addopen(&sActions, STDOUT_FILENO, sOut.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&sActions, STDERR_FILENO, sErr.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);

    const auto sStart = std::chrono::steady_clock::now();
    pid_t iPid = 0;
    const int iSpawned = posix_spawn(&iPid, apArgv[0], &sActions, nullptr, apArgv.data(), environ);
    posix_spawn_file_actions_destroy(&sActions);
    if (iSpawned != 0) {
        sRun.sError = "cannot start " + asArgs[0];
        return sRun;
    }
    int iStatus = 0;
    struct rusage sUsage = {};
    wait4(iPid, &iStatus, 0, &sUsage);
    sRun.fWallSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - sStart).count();
    sRun.fCpuSeconds = double(sUsage.ru_utime.tv_sec + sUsage.ru_stime.tv_sec) +
                       1e-6 * double(sUsage.ru_utime.tv_usec + sUsage.ru_stime.tv_usec);
    sRun.fToolSeconds = fSummarySeconds(sReadFile(sOut));
    sRun.bGood = WIFEXITED(iStatus) && WEXITSTATUS(iStatus) == 0 && sRun.fToolSeconds >= 0.0;
    if (!sRun.bGood) {
        const std::string sMessage = sReadFile(sErr);
        sRun.sError = "orvane-mesh failed: " + sMessage.substr(0, sMessage.find('\n'));
    }
    return sRun;
}

// The time reported is the tool's own; the file is removed after each run.
void MeshTool(benchmark::State& rState) {
    char sTemplate[] = "/tmp/orvane-mesh-bench.XXXXXX";
    const char* pDir = mkdtemp(sTemplate);
    if (pDir == nullptr) {
        rState.SkipWithError("cannot make a temporary directory");
        return;
    }
    const std::string sDir = pDir;
    const std::string sFile = sDir + "/surface.ply";
    std::vector<std::string> asArgs = {ORVANE_MESH_BINARY,
                                       "--grid",
                                       std::to_string(rState.range(0)),
                                       "--threads",
                                       std::to_string(rState.range(2)),
                                       "--json",
                                       "-o",
                                       sFile};
    if (rState.range(1) != 0) {
        asArgs.emplace_back("--weld");
    }

    double fWallSeconds = 0.0;
    double fCpuSeconds = 0.0;
    for (auto _ : rState) {
        const ToolRun sRun = sRunTool(asArgs, sDir);
        std::remove(sFile.c_str());
        if (!sRun.bGood) {
            rState.SkipWithError(sRun.sError.c_str());
            break;
        }
        rState.SetIterationTime(sRun.fToolSeconds);
        fWallSeconds += sRun.fWallSeconds;
        fCpuSeconds += sRun.fCpuSeconds;
    }
    std::remove((sDir + "/summary.json").c_str());
    std::remove((sDir + "/stderr.txt").c_str());
    rmdir(sDir.c_str());
    if (rState.iterations() > 0) {
        rState.counters["wall_s"] = fWallSeconds / double(rState.iterations());
        rState.counters["cpu_s"] = fCpuSeconds / double(rState.iterations());
    }
}
BENCHMARK(MeshTool)
    ->ArgNames({"grid", "weld", "threads"})
    ->ArgsProduct({{32, 64, 128, 256, 512}, {0, 1}, {1, 2}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
