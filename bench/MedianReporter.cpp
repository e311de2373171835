#include "bench/MedianReporter.h"

#include <cstdio>

#include <unistd.h>

namespace tarrowin {

MedianReporter::MedianReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

void MedianReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred)
            continue;
        const std::string name = run.run_name.function_name;
        const double toNanoseconds = benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond)
                                     / benchmark::GetTimeUnitMultiplier(run.time_unit);
        const Medians medians{run.GetAdjustedRealTime() * toNanoseconds, run.GetAdjustedCPUTime() * toNanoseconds};
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
            medians_[name] = medians;
        else if (run.run_type == Run::RT_Iteration && run.repetitions <= 1)
            medians_.emplace(name, medians);
    }
}

std::optional<double> MedianReporter::medianNanoseconds(const std::string& benchmarkName) const
{
    const auto found = medians_.find(benchmarkName);
    if (found == medians_.end())
        return std::nullopt;
    return found->second.wall;
}

std::optional<double> MedianReporter::medianCpuNanoseconds(const std::string& benchmarkName) const
{
    const auto found = medians_.find(benchmarkName);
    if (found == medians_.end())
        return std::nullopt;
    return found->second.cpu;
}

std::vector<char*> argumentsWithMedianDefaults(int argc, char** argv)
{
    // Static storage: Google Benchmark keeps pointers into argv.
    static char repetitions[] = "--benchmark_repetitions=15";
    static char aggregatesOnly[] = "--benchmark_report_aggregates_only=true";
    // Fifteen short repetitions tell more about the spread than a few long ones.
    static char minimumTime[] = "--benchmark_min_time=0.1";
    std::vector<char*> arguments{argv[0], repetitions, aggregatesOnly, minimumTime};
    for (int i = 1; i < argc; ++i)
        arguments.push_back(argv[i]);
    arguments.push_back(nullptr);
    return arguments;
}

void printRatio(const MedianReporter& reporter, const std::string& label, const std::string& numerator,
                const std::string& denominator)
{
    const auto top = reporter.medianNanoseconds(numerator);
    const auto bottom = reporter.medianNanoseconds(denominator);
    if (!top || !bottom || *bottom <= 0) {
        std::printf("%s: not measured (run both %s and %s)\n", label.c_str(), numerator.c_str(), denominator.c_str());
        return;
    }
    std::printf("%s: %.2f (%s %.1f ns / %s %.1f ns, medians)\n", label.c_str(), *top / *bottom, numerator.c_str(), *top,
                denominator.c_str(), *bottom);
}

}  // namespace tarrowin
