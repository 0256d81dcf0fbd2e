// The peers the benchmarks measure in the same run: PLplot's PostScript driver (when the build
// found it) and gnuplot's EPS terminal (when it is installed). Each function writes the same
// figure as our case and returns its seconds, or -1.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace peers {

using Clock = std::chrono::steady_clock;

// Size of a written file in bytes, 0 if it is missing.
long fileSize(const char* name);

// Whether a command line runs and succeeds here, its output discarded (on Windows into NUL).
bool commandRuns(const std::string& command);

inline double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// One polyline through the given points into an EPS file with PLplot's "psc" device.
double plplotPolyline(const std::vector<double>& x, const std::vector<double>& y, const char* file);

// Text lines stroked in PLplot's Hershey fonts (its PostScript fonts switched off) into an EPS
// file with the "psc" device, placed and turned as the text benchmark places ours.
double plplotText(const std::vector<std::string>& lines, const char* file);

// A plot box with ticks and labels around one polyline, with PLplot's "psc" device.
double plplotBoxPolyline(const std::vector<double>& x, const std::vector<double>& y,
                         const char* file);

// A plot box with a square at every point, with PLplot's "psc" device.
double plplotBoxSquares(const std::vector<double>& x, const std::vector<double>& y,
                        const char* file);

// The same figures with another PLplot device ("pdfcairo", "svg").
double plplotBoxPolylineOn(const char* device, const std::vector<double>& x,
                           const std::vector<double>& y, const char* file);
// `filled` draws filled squares (PLplot's symbol 16) instead of open ones.
double plplotBoxSquaresOn(const char* device, const std::vector<double>& x,
                          const std::vector<double>& y, const char* file, bool filled = false);

// Whether gnuplot can be run here.
bool haveGnuplot();

// Writes the points as text lines "x y" for gnuplot to read; not part of any measurement.
void writeGnuplotData(const std::vector<double>& x, const std::vector<double>& y, const char* file);

// gnuplot with "set terminal postscript eps" drawing the data file in a box with ticks and
// labels, as one line ("with lines") or as squares ("with points pt 4"); the seconds include
// starting gnuplot and reading the file.
double gnuplotBox(const char* dataFile, bool squares, const char* file);
// The same with another terminal ("pdfcairo", "svg"); -1 when this gnuplot lacks it.
// `filled` draws filled squares ("pt 5").
double gnuplotBoxOn(const char* terminal, const char* dataFile, bool squares, const char* file,
                    bool filled = false);

} // namespace peers
