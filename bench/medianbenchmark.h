#pragma once

#include <benchmark/benchmark.h>

// A benchmark reported as the median (with mean and spread) of 7 repetitions
// in wall-clock milliseconds: the figures the README's speed table gives.
#define ZEF_MEDIAN_BENCHMARK(fn)                                                                   \
    BENCHMARK(fn)                                                                                  \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->UseRealTime()                                                                            \
        ->Repetitions(7)                                                                           \
        ->ReportAggregatesOnly(true)
