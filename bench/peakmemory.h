#ifndef YAVO_PEAKMEMORY_H
#define YAVO_PEAKMEMORY_H

#include <benchmark/benchmark.h>

#include <sys/resource.h>

// Adds the process's peak resident memory so far to the benchmark's
// counters, as "peak_rss_MB" in MiB (Linux gives ru_maxrss in KiB).
inline void reportPeakMemory(benchmark::State &state)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = double(usage.ru_maxrss) / 1024.0;
}

#endif
