#pragma once

#include <cstdint>
#include <string>

namespace tarrowin {

// What one run of a start-up probe took.
struct ProbeRun {
    bool succeeded = false;
    std::int64_t firstFrameNanoseconds = 0;  // from just before the process started to its first frame
    std::int64_t wholeRunNanoseconds = 0;    // from just before the process started to its end
    long peakResidentKilobytes = 0;          // the process's own peak RSS
    std::string output;                      // what it printed, kept to explain a failure
};

// Starts the probe with "--since" and the moment just before the start, waits
// for it, and reads its "first-frame-ns" line and its peak RSS.
ProbeRun runProbe(const std::string& program);

}  // namespace tarrowin
