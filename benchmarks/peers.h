// The peers the benchmarks measure in the same run: PLplot's PostScript and cairo drivers (when
// the build found it), gnuplot's terminals and matplotlib (when they are installed). Each function
// writes the same figure as our case and returns its seconds, or -1.
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

// A grid of ny rows of nx values, row 0 at y1, over the data rectangle (x1, y1) - (x2, y2), each
// value at the centre of its cell, as showmap and contour place it; zmin ... zmax is the range its
// colour map spans.
struct Grid {
    std::vector<float> z;
    int nx = 0, ny = 0;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0, zmin = 0, zmax = 0;
};

// Writes the grid's values as raw native floats, row after row; not part of any measurement.
void writeGridFloats(const Grid& grid, const char* file);

// The grid as a map with PLplot's plimage in a box with ticks and labels and a colour bar, its
// colours the 256 red, green, blue triples given, on a PLplot device ("pdfcairo", "svg").
double plplotMapOn(const char* device, const Grid& grid, const unsigned char* rgb,
                   const char* file);
// The grid's contour lines at the levels with PLplot's plcont in a box with ticks and labels.
double plplotContourOn(const char* device, const Grid& grid, const std::vector<double>& levels,
                       const char* file);

// gnuplot drawing the floats of writeGridFloats "with image" in a box with ticks and labels and
// its colour box, through the 256 colours given, on a terminal ("pdfcairo", "svg"); the seconds
// include starting gnuplot and reading the file. -1 when this gnuplot lacks the terminal.
double gnuplotMapOn(const char* terminal, const char* gridFile, const Grid& grid,
                    const unsigned char* rgb, const char* file);

// The seconds of a matplotlib figure: the whole python process (starting it, importing numpy and
// matplotlib, reading the grid) and, inside it, from making the figure to the end of savefig.
struct PythonSeconds {
    double process = -1, drawing = -1;
};

// Whether a python with matplotlib and numpy can be run here.
bool haveMatplotlib();

// matplotlib's imshow (viridis, no interpolation) with a colour bar, in axes with ticks and labels,
// of the floats of writeGridFloats; the file's suffix (.pdf, .svg) chooses the backend.
PythonSeconds matplotlibMap(const char* gridFile, const Grid& grid, const char* file);
// matplotlib's contour of the same floats at the levels given.
PythonSeconds matplotlibContour(const char* gridFile, const Grid& grid,
                                const std::vector<double>& levels, const char* file);

} // namespace peers
