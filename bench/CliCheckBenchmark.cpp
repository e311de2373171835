// tarrowin-bench-cli: how fast `tarrowin-cli check` runs through a large CSV
// of stringers. It writes a table of stringers (100,000 by default) of every
// kind the tool meets: all sections and both grades, quoted names, inputs
// with units or thousands commas, empty cells, a few rows that fault and a
// few that cannot be checked. It then runs the real executable on it again
// and again, with the table written to a file (-o) and to standard output,
// and prints for each the median wall time, the rows per second, the CPU
// time and the peak memory of the process. Rows stream through the tool, so
// its memory must not grow with the table.
//
//   tarrowin-bench-cli PATH/TO/tarrowin-cli [--rows N] [--runs N] [--keep FOLDER]

#include "MonotonicClock.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr double goalRowsPerSecond = 200'000;
constexpr double goalPeakMebibytes = 50;

constexpr std::array<const char*, 19> sections = {
    "[14a", "[14b", "[16a", "[16b", "[18a", "[18b", "[20a", "[20b", "[22a", "[22b",
    "[25a", "[25b", "HN200x100", "HN250x125", "HN300x150", "HN350x175", "口150x100x3", "口200x100x4", "口250x150x5",
};

// A small fixed generator, so that every run measures the same table.
class Generator {
public:
    std::uint32_t next()
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(state_ >> 33);
    }
    std::uint32_t below(std::uint32_t n) { return next() % n; }

private:
    std::uint64_t state_ = 20261208;
};

std::string table(std::size_t rows)
{
    Generator random;
    std::string text = "name,section,grade,horizontal_length,vertical_height,flight_width,dead_load,live_load,remark\r\n";
    for (std::size_t i = 0; i < rows; ++i) {
        const std::uint32_t kind = random.below(1000);
        const std::uint32_t length = 2000 + 100 * random.below(41);
        std::string name = "TL-" + std::to_string(i + 1);
        if (kind < 20)
            name = "\"TL-" + std::to_string(i + 1) + ", flight \"\"B\"\"\"";
        const char* section = kind >= 990 ? "[14c" : sections[i % sections.size()];  // 1 % unknown
        const char* grade = random.below(2) == 0 ? "Q235B" : "Q355B";
        std::string horizontal = std::to_string(length);
        std::string vertical = std::to_string(length / 2);
        if (kind >= 980 && kind < 985)
            horizontal = vertical = "0";  // faults at the slope
        else if (kind >= 900 && kind < 950)
            horizontal = "\"" + std::to_string(length / 1000) + "," + std::to_string(length % 1000 + 100) + "\"";
        const std::string width = std::to_string(1000 + 50 * random.below(21));
        const std::string dead = std::to_string(1 + random.below(3)) + "." + std::to_string(random.below(10));
        std::string live = "3.5";
        if (kind >= 950 && kind < 980)
            live = "3.5kN";
        else if (kind >= 985 && kind < 990)
            live.clear();
        text += name + ',' + section + ',' + grade + ',' + horizontal + ',' + vertical + ',' + width + ',' + dead
                + ',' + live + ",generated\r\n";
    }
    return text;
}

struct Run {
    int status = -1;
    double wallSeconds = 0;
    double cpuSeconds = 0;
    long peakKilobytes = 0;
};

// Where the table goes: into the file with -o, or to standard output,
// which is then that file.
enum class Output { File, StandardOutput };

Run runCli(const std::string& cli, const std::filesystem::path& input, const std::filesystem::path& output,
           Output to)
{
    const std::int64_t start = tarrowin::monotonicNanoseconds();
    const pid_t child = fork();
    if (child == 0) {
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, STDERR_FILENO);
        if (to == Output::File) {
            dup2(devNull, STDOUT_FILENO);
            execl(cli.c_str(), cli.c_str(), "check", "-o", output.c_str(), input.c_str(), static_cast<char*>(nullptr));
        } else {
            const int table = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(table, STDOUT_FILENO);
            execl(cli.c_str(), cli.c_str(), "check", input.c_str(), static_cast<char*>(nullptr));
        }
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

// Records of the written table: its CR LF line ends outside quotes. Read
// a character at a time: this process's pages count in the peak memory of
// the next child it forks.
std::size_t recordsIn(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::size_t records = 0;
    bool quoted = false;
    char previous = '\0';
    for (char c = '\0'; in.get(c); previous = c) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && previous == '\r' && c == '\n')
            ++records;
    }
    return records;
}

double loadAverage()
{
    double load = 0;
    std::ifstream("/proc/loadavg") >> load;
    return load;
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
        std::fprintf(stderr, "usage: %s PATH/TO/tarrowin-cli [--rows N] [--runs N] [--keep FOLDER]\n", argv[0]);
        return 2;
    }
    const std::string cli = argv[1];
    std::size_t rows = 100'000;
    int runs = 7;
    std::filesystem::path folder;
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--rows")
            rows = std::stoul(argv[i + 1]);
        else if (option == "--runs")
            runs = std::stoi(argv[i + 1]);
        else if (option == "--keep")
            folder = argv[i + 1];
    }
    const bool keep = !folder.empty();
    if (!keep) {
        std::string pattern = (std::filesystem::temp_directory_path() / "tarrowin-bench-cli-XXXXXX").string();
        folder = mkdtemp(pattern.data());
    }
    std::filesystem::create_directories(folder);
    const auto input = folder / "stringers.csv";
    const auto output = folder / "checked.csv";
    // The text goes before the runs: a child forked while this process holds
    // it would count its pages as its own.
    double megabytes = 0;
    {
        const std::string text = table(rows);
        megabytes = static_cast<double>(text.size()) / 1e6;
        std::ofstream(input, std::ios::binary) << text;
    }

    const double loadBefore = loadAverage();
    std::printf("check of %zu stringers (%.1f MB of CSV), median of %d runs:\n", rows,
                megabytes, runs);
    bool met = true;
    for (const Output to : {Output::File, Output::StandardOutput}) {
        std::vector<double> walls;
        std::vector<double> cpus;
        long peak = 0;
        for (int i = 0; i < runs; ++i) {
            const Run run = runCli(cli, input, output, to);
            // Rows that cannot be checked are in the table on purpose: status 2.
            if (run.status != 2) {
                std::fprintf(stderr, "tarrowin-cli ended with status %d, expected 2\n", run.status);
                return 1;
            }
            walls.push_back(run.wallSeconds);
            cpus.push_back(run.cpuSeconds);
            peak = std::max(peak, run.peakKilobytes);
        }
        const std::size_t written = recordsIn(output);
        if (written != rows + 1) {
            std::fprintf(stderr, "the table written has %zu records, expected %zu\n", written, rows + 1);
            return 1;
        }
        const double wall = median(walls);
        const double cpu = median(cpus);
        const double peakMebibytes = static_cast<double>(peak) / 1024;
        std::printf("  %s: wall %.3f s, CPU %.3f s, peak RSS %.1f MiB\n",
                    to == Output::File ? "to a file (-o)" : "to standard output", wall, cpu, peakMebibytes);
        std::printf("    %.0f rows a second of wall time, %.0f of CPU time; %.2f us a row (wall)\n",
                    static_cast<double>(rows) / wall, static_cast<double>(rows) / cpu,
                    wall * 1e6 / static_cast<double>(rows));
        met = met && static_cast<double>(rows) / wall >= goalRowsPerSecond && peakMebibytes < goalPeakMebibytes;
    }
    if (!keep)
        std::filesystem::remove_all(folder);
    // Wall time includes waiting for a core when other work shares the machine.
    std::printf("  load average before and after: %.2f, %.2f\n", loadBefore, loadAverage());
    std::printf("goal: at least %.0f rows a second on one core, peak memory under %.0f MiB: %s\n",
                goalRowsPerSecond, goalPeakMebibytes, met ? "met" : "missed");
    return 0;
}
