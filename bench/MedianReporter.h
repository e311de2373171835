#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tarrowin {

// The console report, plus each benchmark's median real time kept by name so
// that a run can end with ratios between benchmarks measured in that run.
class MedianReporter final : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, as Google Benchmark's own report does.
    MedianReporter();

    void ReportRuns(const std::vector<Run>& runs) override;

    // Nanoseconds per iteration; the median of the repetitions, or the single
    // run when there was only one. Wall time, and the process's CPU time,
    // which a machine busy with other work inflates much less.
    std::optional<double> medianNanoseconds(const std::string& benchmarkName) const;
    std::optional<double> medianCpuNanoseconds(const std::string& benchmarkName) const;

private:
    struct Medians {
        double wall = 0;
        double cpu = 0;
    };
    std::map<std::string, Medians> medians_;
};

// Google Benchmark's own flags, with defaults that make every figure a median
// of several repetitions; flags on the command line still win.
std::vector<char*> argumentsWithMedianDefaults(int argc, char** argv);

// "label: 1.23 (a / b)" from two medians, or a note that one is missing.
void printRatio(const MedianReporter& reporter, const std::string& label, const std::string& numerator,
                const std::string& denominator);

}  // namespace tarrowin
