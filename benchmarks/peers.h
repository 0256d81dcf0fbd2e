// The peers the benchmarks measure in the same run: PLplot's PostScript driver (when the build
// found it). Each function writes the same figure as our case and returns its seconds, or -1.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace peers {

using Clock = std::chrono::steady_clock;

inline double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// One polyline through the given points into an EPS file with PLplot's "psc" device.
double plplotPolyline(const std::vector<double>& x, const std::vector<double>& y, const char* file);

// Text lines stroked in PLplot's Hershey fonts (its PostScript fonts switched off) into an EPS
// file with the "psc" device, placed and turned as the text benchmark places ours.
double plplotText(const std::vector<std::string>& lines, const char* file);

} // namespace peers
