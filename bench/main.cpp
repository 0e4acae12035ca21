// The benchmarks' entry: Google Benchmark's console report, followed by a
// table of the sweep-to-sampling ratios of every Floor run.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <map>
#include <ostream>
#include <string>
#include <utility>

namespace {

class FloorTableReporter : public benchmark::ConsoleReporter {
public:
    // Counters in columns; colour only on a terminal, so a saved report
    // reads cleanly.
    FloorTableReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& asRuns) override {
        ConsoleReporter::ReportRuns(asRuns);
        for (const Run& sRun : asRuns) {
            const auto pRatio = sRun.counters.find("ratio");
            if (sRun.run_name.function_name != "Floor" || pRatio == sRun.counters.end() ||
                sRun.error_occurred) {
                continue;
            }
            int iField = 0;
            int iGrid = 0;
            if (std::sscanf(sRun.run_name.args.c_str(), "field:%d/grid:%d", &iField, &iGrid) == 2) {
                a2fRatio[iGrid][iField] = pRatio->second.value;
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        if (a2fRatio.empty()) {
            return;
        }
        std::ostream& rOut = GetOutputStream();
        rOut << "\nSweep time over the time of its sample calls made alone (target at grid 64, "
                "field 1: 1.25 or less)\n";
        rOut << "grid   field 1  field 2  field 3\n";
        for (const auto& sRow : a2fRatio) {
            char sLine[80];
            std::snprintf(sLine, sizeof sLine, "%4d", sRow.first);
            rOut << sLine;
            for (int iField = 1; iField <= 3; iField++) {
                const auto pCell = sRow.second.find(iField);
                if (pCell == sRow.second.end()) {
                    rOut << "        -";
                } else {
                    std::snprintf(sLine, sizeof sLine, "  %7.3f", pCell->second);
                    rOut << sLine;
                }
            }
            rOut << "\n";
        }
    }

private:
    std::map<int, std::map<int, double>> a2fRatio;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    FloorTableReporter sReporter;
    benchmark::RunSpecifiedBenchmarks(&sReporter);
    benchmark::Shutdown();
    return 0;
}
