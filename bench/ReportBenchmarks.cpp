// One calculation report, offscreen, from the stringer's texts to a finished
// PDF file, as the window's 计算书… and the command line make it: the check,
// the document, its layout on A4, the PDF with its embedded subset, and the
// write. A failing stringer adds the survey for the lightest section that
// passes. The first report of a process also registers the report's face;
// it is timed apart, once, before the benchmarks run.

#include "bench/MedianReporter.h"
#include "bench/MonotonicClock.h"
#include "report/document/ReportBuilder.h"
#include "report/pdf/ReportPdf.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include <sys/resource.h>

namespace tarrowin {
namespace {

std::string reportPath;  // in a folder of its own, overwritten by every report

ReportRequest requestAtStart()
{
    return {stringerFrom(FieldTexts(), Grade::Q235B), ReportHeader{"鑫淼大厦", "LT-2", "欧阳翀", "", "", ""},
            "西区楼梯.tarrowin", CalendarDate{2026, 12, 8}};
}

// Twice the span of the worked example: bending and deflection fail.
ReportRequest failingRequest()
{
    ReportRequest request = requestAtStart();
    request.stringer.texts[Field::HorizontalLength] = "6000";
    request.stringer.texts[Field::VerticalHeight] = "3000";
    return request;
}

void writeReport(benchmark::State& state, const ReportRequest& request)
{
    for (auto _ : state) {
        const std::optional<ReportError> error = writeReportPdf(request, reportPath);
        if (error) {
            state.SkipWithError(error->message.c_str());
            return;
        }
    }
}

void PassingReportToFile(benchmark::State& state) { writeReport(state, requestAtStart()); }
BENCHMARK(PassingReportToFile)->Unit(benchmark::kMillisecond);

void FailingReportToFile(benchmark::State& state) { writeReport(state, failingRequest()); }
BENCHMARK(FailingReportToFile)->Unit(benchmark::kMillisecond);

// The document model alone: the check and the texts, no Qt.
void BuildReportDocument(benchmark::State& state)
{
    const ReportRequest request = requestAtStart();
    for (auto _ : state) {
        auto document = buildReport(request);
        benchmark::DoNotOptimize(document);
    }
}
BENCHMARK(BuildReportDocument)->Unit(benchmark::kMicrosecond);

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;  // kilobytes on Linux
}

}  // namespace
}  // namespace tarrowin

int main(int argc, char** argv)
{
    using namespace tarrowin;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTemporaryDir folder;
    reportPath = folder.filePath(QStringLiteral("report.pdf")).toStdString();

    const long megabytesBefore = peakMegabytes();
    const std::int64_t start = monotonicNanoseconds();
    if (const std::optional<ReportError> error = writeReportPdf(requestAtStart(), reportPath)) {
        std::fprintf(stderr, "no report: %s\n", error->message.c_str());
        return 1;
    }
    const double firstMilliseconds = (monotonicNanoseconds() - start) / 1e6;
    const long megabytesAfter = peakMegabytes();

    std::vector<char*> arguments = argumentsWithMedianDefaults(argc, argv);
    int count = static_cast<int>(arguments.size()) - 1;
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data()))
        return 1;
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\nfirst report of the process, face registered: %.1f ms; peak memory %ld MB before it, %ld MB after\n",
                firstMilliseconds, megabytesBefore, megabytesAfter);
    for (const char* name : {"PassingReportToFile", "FailingReportToFile"}) {
        const std::optional<double> wall = reporter.medianNanoseconds(name);
        const std::optional<double> cpu = reporter.medianCpuNanoseconds(name);
        if (!wall || !cpu) {
            std::printf("goal %-40s no figure\n", name);
            continue;
        }
        std::printf("goal %-40s wall %.1f ms (CPU %.1f ms), limit 150 ms: %s\n", name, *wall / 1e6, *cpu / 1e6,
                    *wall < 150e6 ? "met" : "MISSED");
    }
    return 0;
}
