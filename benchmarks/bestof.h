// The benchmarks' figure for a measurement: the fastest of several runs, so that other work on
// the machine weighs less.
#pragma once

#include <functional>

// The fastest of `runs` runs of a measurement that returns its seconds, or -1 where it cannot
// run (a peer not installed); -1 if no run gave seconds.
inline double bestOf(int runs, const std::function<double()>& measure) {
    double fastest = -1;
    for (int i = 0; i < runs; ++i) {
        const double seconds = measure();
        if (seconds >= 0 && (fastest < 0 || seconds < fastest)) fastest = seconds;
    }
    return fastest;
}
