// tarrowin-bench-book: how fast `tarrowin-cli report` makes a calculation
// book, and how much memory it takes. It writes a CSV of stringers (mostly
// satisfied, some exceeded, one in fifty faulting and one in fifty that
// cannot be checked), runs the real executable on it for a PDF and for an
// ODT, and prints the median wall time, the CPU time and the peak memory of
// the process for each.
//
//   tarrowin-bench-book PATH/TO/tarrowin-cli [--stringers N] [--runs N]
//                       [--goal-seconds S] [--goal-mib M]

#include "MonotonicClock.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr std::array<const char*, 6> sections = {"[14a", "[16a", "[18a", "[20a", "HN200x100", "口200x100x4"};

std::string table(std::size_t stringers)
{
    std::string text = "name,section,grade,horizontal_length,vertical_height,flight_width,dead_load,live_load\n";
    for (std::size_t i = 0; i < stringers; ++i) {
        const std::size_t length = 2400 + 200 * (i % 11);
        std::string horizontal = std::to_string(length);
        std::string vertical = std::to_string(length / 2);
        const char* section = sections[i % sections.size()];
        if (i % 50 == 17)
            horizontal = vertical = "0";  // faults at the slope
        else if (i % 50 == 33)
            section = "[14c";  // cannot be checked
        text += "TL-" + std::to_string(i + 1) + ',' + section + ',' + (i % 2 ? "Q355B" : "Q235B") + ',' + horizontal
                + ',' + vertical + ",1500,1.5,3.5\n";
    }
    return text;
}

struct Run {
    int status = -1;
    double wallSeconds = 0;
    double cpuSeconds = 0;
    long peakKilobytes = 0;
};

Run runReport(const std::string& cli, const std::filesystem::path& input, const std::filesystem::path& output)
{
    const std::int64_t start = tarrowin::monotonicNanoseconds();
    const pid_t child = fork();
    if (child == 0) {
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        execl(cli.c_str(), cli.c_str(), "report", "-o", output.c_str(), input.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    Run run;
    run.wallSeconds = static_cast<double>(tarrowin::monotonicNanoseconds() - start) / 1e9;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
                     + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    run.peakKilobytes = usage.ru_maxrss;
    return run;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PATH/TO/tarrowin-cli [--stringers N] [--runs N] [--goal-seconds S] [--goal-mib M]\n",
                     argv[0]);
        return 2;
    }
    const std::string cli = argv[1];
    std::size_t stringers = 100;
    int runs = 3;
    double goalSeconds = 0;
    double goalMib = 0;
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--stringers")
            stringers = std::stoul(argv[i + 1]);
        else if (option == "--runs")
            runs = std::stoi(argv[i + 1]);
        else if (option == "--goal-seconds")
            goalSeconds = std::stod(argv[i + 1]);
        else if (option == "--goal-mib")
            goalMib = std::stod(argv[i + 1]);
    }
    std::string pattern = (std::filesystem::temp_directory_path() / "tarrowin-bench-book-XXXXXX").string();
    const std::filesystem::path folder = mkdtemp(pattern.data());
    const auto input = folder / "stairs.csv";
    std::ofstream(input, std::ios::binary) << table(stringers);

    bool met = true;
    for (const char* suffix : {"pdf", "odt"}) {
        const auto output = folder / (std::string("book.") + suffix);
        std::vector<double> walls;
        std::vector<double> cpus;
        long peak = 0;
        for (int i = 0; i < runs; ++i) {
            const Run run = runReport(cli, input, output);
            // Rows that cannot be checked are in the table on purpose: status 2.
            if (run.status != 2 || !std::filesystem::exists(output)) {
                std::fprintf(stderr, "tarrowin-cli ended with status %d, expected 2 and a book\n", run.status);
                return 1;
            }
            walls.push_back(run.wallSeconds);
            cpus.push_back(run.cpuSeconds);
            peak = std::max(peak, run.peakKilobytes);
        }
        const double wall = median(walls);
        const double mib = static_cast<double>(peak) / 1024;
        std::printf("book of %zu stringers as %s, median of %d runs: wall %.2f s, CPU %.2f s, peak RSS %.1f MiB, "
                    "%.1f MB written\n",
                    stringers, suffix, runs, wall, median(cpus), mib,
                    static_cast<double>(std::filesystem::file_size(output)) / 1e6);
        if (goalSeconds > 0 && wall >= goalSeconds)
            met = false;
        if (goalMib > 0 && mib >= goalMib)
            met = false;
    }
    std::filesystem::remove_all(folder);
    if (goalSeconds > 0 || goalMib > 0)
        std::printf("goal for %zu stringers:%s%s: %s\n", stringers,
                    goalSeconds > 0 ? (" under " + std::to_string(goalSeconds).substr(0, 3) + " s").c_str() : "",
                    goalMib > 0 ? (" under " + std::to_string(static_cast<int>(goalMib)) + " MiB").c_str() : "",
                    met ? "met" : "missed");
    return 0;
}
