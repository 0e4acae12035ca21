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
    std::string strError;
    double fToolSeconds = 0.0;
    double fWallSeconds = 0.0;
    double fCpuSeconds = 0.0;
};

std::string strReadFile(const std::string& strPath) {
    std::ifstream sIn(strPath);
    return std::string(std::istreambuf_iterator<char>(sIn), std::istreambuf_iterator<char>());
}

// The value of "seconds" in the tool's one-line JSON summary, or -1.
double fSummarySeconds(const std::string& strSummary) {
    const std::string strKey = "\"seconds\":";
    const std::size_t iAt = strSummary.find(strKey);
    return iAt == std::string::npos
               ? -1.0
               : std::strtod(strSummary.c_str() + iAt + strKey.size(), nullptr);
}

// Standard output and error go to files in strDir: the summary is read back,
// and the progress line the tool shows on a terminal stays out of the report.
ToolRun sRunTool(const std::vector<std::string>& astrArgs, const std::string& strDir) {
    ToolRun sRun;
    const std::string strOut = strDir + "/summary.json";
    const std::string strErr = strDir + "/stderr.txt";
    std::vector<char*> aszArgv;
    for (const std::string& strArg : astrArgs) {
        aszArgv.push_back(const_cast<char*>(strArg.c_str()));
    }
    aszArgv.push_back(nullptr);
    posix_spawn_file_actions_t sActions;
    posix_spawn_file_actions_init(&sActions);
    posix_spawn_file_actions_addopen(&sActions, STDOUT_FILENO, strOut.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&sActions, STDERR_FILENO, strErr.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);

    const auto sStart = std::chrono::steady_clock::now();
    pid_t iPid = 0;
    const int iSpawned =
        posix_spawn(&iPid, aszArgv[0], &sActions, nullptr, aszArgv.data(), environ);
    posix_spawn_file_actions_destroy(&sActions);
    if (iSpawned != 0) {
        sRun.strError = "cannot start " + astrArgs[0];
        return sRun;
    }
    int iStatus = 0;
    struct rusage sUsage = {};
    wait4(iPid, &iStatus, 0, &sUsage);
    sRun.fWallSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - sStart).count();
    sRun.fCpuSeconds = double(sUsage.ru_utime.tv_sec + sUsage.ru_stime.tv_sec) +
                       1e-6 * double(sUsage.ru_utime.tv_usec + sUsage.ru_stime.tv_usec);
    sRun.fToolSeconds = fSummarySeconds(strReadFile(strOut));
    sRun.bGood = WIFEXITED(iStatus) && WEXITSTATUS(iStatus) == 0 && sRun.fToolSeconds >= 0.0;
    if (!sRun.bGood) {
        const std::string strMessage = strReadFile(strErr);
        sRun.strError = "orvane-mesh failed: " + strMessage.substr(0, strMessage.find('\n'));
    }
    return sRun;
}

// The time reported is the tool's own; the file is removed after each run.
void MeshTool(benchmark::State& rState) {
    char szTemplate[] = "/tmp/orvane-mesh-bench.XXXXXX";
    const char* szDir = mkdtemp(szTemplate);
    if (szDir == nullptr) {
        rState.SkipWithError("cannot make a temporary directory");
        return;
    }
    const std::string strDir = szDir;
    const std::string strFile = strDir + "/surface.ply";
    std::vector<std::string> astrArgs = {ORVANE_MESH_BINARY,
                                         "--grid",
                                         std::to_string(rState.range(0)),
                                         "--threads",
                                         std::to_string(rState.range(2)),
                                         "--json",
                                         "-o",
                                         strFile};
    if (rState.range(1) != 0) {
        astrArgs.emplace_back("--weld");
    }

    double fWallSeconds = 0.0;
    double fCpuSeconds = 0.0;
    for (auto _ : rState) {
        const ToolRun sRun = sRunTool(astrArgs, strDir);
        std::remove(strFile.c_str());
        if (!sRun.bGood) {
            rState.SkipWithError(sRun.strError.c_str());
            break;
        }
        rState.SetIterationTime(sRun.fToolSeconds);
        fWallSeconds += sRun.fWallSeconds;
        fCpuSeconds += sRun.fCpuSeconds;
    }
    std::remove((strDir + "/summary.json").c_str());
    std::remove((strDir + "/stderr.txt").c_str());
    rmdir(strDir.c_str());
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
