#pragma once

#include <cstdint>
#include <ctime>

namespace tarrowin {

// Nanoseconds of the monotonic clock, which the start-up runner and the probes
// it starts share, so one can hand the other a moment to count from.
inline std::int64_t monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

}  // namespace tarrowin
