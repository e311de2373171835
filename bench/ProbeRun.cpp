#include "bench/ProbeRun.h"
#include "bench/MonotonicClock.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <string_view>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tarrowin {
namespace {

std::string readAll(int descriptor)
{
    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t count = read(descriptor, buffer, sizeof buffer);
        if (count > 0)
            text.append(buffer, static_cast<std::size_t>(count));
        else if (count == 0 || errno != EINTR)
            return text;
    }
}

bool readFirstFrame(const std::string& output, std::int64_t& nanoseconds)
{
    constexpr std::string_view key = "first-frame-ns ";
    const std::size_t at = output.find(key);
    if (at == std::string::npos)
        return false;
    char* end = nullptr;
    nanoseconds = std::strtoll(output.c_str() + at + key.size(), &end, 10);
    return end != output.c_str() + at + key.size() && nanoseconds > 0;
}

}  // namespace

ProbeRun runProbe(const std::string& program)
{
    ProbeRun run;
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        run.output = "cannot make a pipe";
        return run;
    }
    const std::int64_t start = monotonicNanoseconds();
    const std::string since = std::to_string(start);
    const pid_t child = fork();
    if (child == 0) {
        // Both streams into the pipe: Qt's warnings are only worth showing
        // when the run fails.
        dup2(pipeEnds[1], STDOUT_FILENO);
        dup2(pipeEnds[1], STDERR_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        execl(program.c_str(), program.c_str(), "--since", since.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    if (child < 0) {
        close(pipeEnds[0]);
        run.output = "cannot start " + program;
        return run;
    }
    run.output = readAll(pipeEnds[0]);
    close(pipeEnds[0]);

    int status = 0;
    rusage usage{};
    while (wait4(child, &status, 0, &usage) < 0) {
        if (errno != EINTR) {
            run.output += "\nlost the process";
            return run;
        }
    }
    run.wholeRunNanoseconds = monotonicNanoseconds() - start;
    run.peakResidentKilobytes = usage.ru_maxrss;  // kilobytes on Linux
    run.succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0
                    && readFirstFrame(run.output, run.firstFrameNanoseconds);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        run.output += "\nexit status " + std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
    return run;
}

}  // namespace tarrowin
