// Starts Tarrowin's start-up probe and the bare window alternately, many
// times, and prints the median time to the first frame, the median whole run
// and the median peak RSS of each, with the ratios Tarrowin / bare window.
// Alternating, with the order swapped every round, spreads the noise of a
// busy machine over both programs alike.
//
//   tarrowin-bench-startup [--runs N] [--platform NAME]
//   tarrowin-bench-startup --check     one run of each, no figures
//
// Both probes are looked for next to this program.

#include "bench/ProbeRun.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <unistd.h>

namespace tarrowin {
namespace {

constexpr double startUpGoal = 1.10;
constexpr double memoryGoal = 1.10;

struct Options {
    int runs = 31;
    int warmUps = 2;
    std::string platform;  // empty: as the environment says, offscreen if it says nothing
    bool checkOnly = false;
};

struct Series {
    std::vector<double> firstFrameMilliseconds;
    std::vector<double> wholeRunMilliseconds;
    std::vector<double> peakResidentMebibytes;

    void add(const ProbeRun& run)
    {
        firstFrameMilliseconds.push_back(static_cast<double>(run.firstFrameNanoseconds) / 1e6);
        wholeRunMilliseconds.push_back(static_cast<double>(run.wholeRunNanoseconds) / 1e6);
        peakResidentMebibytes.push_back(static_cast<double>(run.peakResidentKilobytes) / 1024);
    }
};

// The value at a fraction of the sorted values, between neighbours when it
// falls between two; 0.5 is the median.
double quantile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    const double position = fraction * static_cast<double>(values.size() - 1);
    const auto below = static_cast<std::size_t>(position);
    const std::size_t above = std::min(below + 1, values.size() - 1);
    const double weight = position - static_cast<double>(below);
    return values[below] * (1 - weight) + values[above] * weight;
}

double median(const std::vector<double>& values) { return quantile(values, 0.5); }

std::string programNextToThis(const char* name)
{
    std::string self(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", self.data(), self.size());
    if (length <= 0)
        return name;
    self.resize(static_cast<std::size_t>(length));
    return self.substr(0, self.rfind('/') + 1) + name;
}

bool parseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--check") {
            options.checkOnly = true;
        } else if (argument == "--runs" && i + 1 < argc) {
            options.runs = std::atoi(argv[++i]);
            if (options.runs < 1)
                return false;
        } else if (argument == "--platform" && i + 1 < argc) {
            options.platform = argv[++i];
        } else {
            return false;
        }
    }
    return true;
}

bool runAndKeep(const std::string& program, Series* series)
{
    const ProbeRun run = runProbe(program);
    if (!run.succeeded) {
        std::fprintf(stderr, "%s failed:\n%s\n", program.c_str(), run.output.c_str());
        return false;
    }
    if (series)
        series->add(run);
    return true;
}

void printRow(const char* name, const std::vector<double>& values, const char* unit)
{
    std::printf("  %-22s %9.2f %-3s  (quartiles %.2f to %.2f)\n", name, median(values), unit, quantile(values, 0.25),
                quantile(values, 0.75));
}

void printComparison(const char* what, const char* unit, const std::vector<double>& tarrowin,
                     const std::vector<double>& bare)
{
    std::printf("%s\n", what);
    printRow("Tarrowin", tarrowin, unit);
    printRow("bare window", bare, unit);
    std::printf("  %-22s %9.3f\n", "ratio Tarrowin/bare", median(tarrowin) / median(bare));
}

void printGoal(const char* what, double ratio, double goal)
{
    std::printf("goal %-40s ratio %.3f, limit %.2f: %s\n", what, ratio, goal, ratio <= goal ? "met" : "MISSED");
}

}  // namespace
}  // namespace tarrowin

int main(int argc, char** argv)
{
    using namespace tarrowin;
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: %s [--runs N] [--platform NAME] | --check\n", argv[0]);
        return 2;
    }
    if (!options.platform.empty())
        setenv("QT_QPA_PLATFORM", options.platform.c_str(), 1);
    else if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string platform = std::getenv("QT_QPA_PLATFORM");

    const std::string tarrowinProbe = programNextToThis("tarrowin-startup-probe");
    const std::string bareProbe = programNextToThis("tarrowin-startup-bare");

    if (options.checkOnly) {
        if (!runAndKeep(tarrowinProbe, nullptr) || !runAndKeep(bareProbe, nullptr))
            return 1;
        std::printf("both windows painted their first frame on %s and quit\n", platform.c_str());
        return 0;
    }

    // Warm-up runs bring the libraries and fonts into the page cache; they
    // are not counted.
    for (int i = 0; i < options.warmUps; ++i) {
        if (!runAndKeep(tarrowinProbe, nullptr) || !runAndKeep(bareProbe, nullptr))
            return 1;
    }
    Series tarrowin;
    Series bare;
    for (int i = 0; i < options.runs; ++i) {
        const bool tarrowinFirst = i % 2 == 0;
        const bool ok = tarrowinFirst ? runAndKeep(tarrowinProbe, &tarrowin) && runAndKeep(bareProbe, &bare)
                                      : runAndKeep(bareProbe, &bare) && runAndKeep(tarrowinProbe, &tarrowin);
        if (!ok)
            return 1;
    }

    std::printf("start-up on platform %s: %d runs of each, alternating, medians\n", platform.c_str(), options.runs);
    printComparison("process start to first frame painted", "ms", tarrowin.firstFrameMilliseconds,
                    bare.firstFrameMilliseconds);
    printComparison("process start to process end", "ms", tarrowin.wholeRunMilliseconds, bare.wholeRunMilliseconds);
    printComparison("peak resident memory (RSS)", "MiB", tarrowin.peakResidentMebibytes, bare.peakResidentMebibytes);
    std::printf("ratios Tarrowin/bare on %s: first frame %.3f, whole run %.3f, peak RSS %.3f\n", platform.c_str(),
                median(tarrowin.firstFrameMilliseconds) / median(bare.firstFrameMilliseconds),
                median(tarrowin.wholeRunMilliseconds) / median(bare.wholeRunMilliseconds),
                median(tarrowin.peakResidentMebibytes) / median(bare.peakResidentMebibytes));
    printGoal("start-up (first frame) <= 1.10 x bare",
              median(tarrowin.firstFrameMilliseconds) / median(bare.firstFrameMilliseconds), startUpGoal);
    printGoal("peak memory <= 1.10 x bare",
              median(tarrowin.peakResidentMebibytes) / median(bare.peakResidentMebibytes), memoryGoal);
    return 0;
}
