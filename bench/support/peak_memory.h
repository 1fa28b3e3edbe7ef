// The peak resident memory of the benchmark's process, for benchmarks whose
// figure is the memory a task needs: run such a benchmark alone, so that the
// peak is its own.
#pragma once

#include <sys/resource.h>

inline double PeakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // kB on Linux
}
