#include "peers.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#ifdef _WIN32
// The C runtime of Windows names them with an underscore.
#define popen _popen
#define pclose _pclose
#endif

namespace peers {

namespace {

// gnuplot reading the script from its standard input; the seconds include its start.
double runGnuplot(const std::string& script) {
    const auto start = Clock::now();
    std::FILE* gnuplot = popen("gnuplot", "w");
    if (!gnuplot) return -1.0;
    std::fwrite(script.data(), 1, script.size(), gnuplot);
    if (pclose(gnuplot) != 0) return -1.0;
    return secondsSince(start);
}

} // namespace

bool haveGnuplot() {
    return commandRuns("gnuplot --version");
}

void writeGnuplotData(const std::vector<double>& x, const std::vector<double>& y,
                      const char* file) {
    std::FILE* out = std::fopen(file, "w");
    if (!out) return;
    for (std::size_t i = 0; i < x.size(); ++i)
        std::fprintf(out, "%.7g %.7g\n", x[i], y[i]);
    std::fclose(out);
}

double gnuplotBox(const char* dataFile, bool squares, const char* file) {
    return gnuplotBoxOn("postscript eps color", dataFile, squares, file);
}

double gnuplotBoxOn(const char* terminal, const char* dataFile, bool squares, const char* file,
                    bool filled) {
    // Only where this gnuplot has the terminal: gnuplot reports an unknown one by its status.
    if (!commandRuns(std::string("gnuplot -e \"set terminal ") + terminal + "\"")) return -1.0;
    const std::string script = std::string("set terminal ") + terminal + "\n" + "set output '" +
                               file + "'\n" +
                               "set xlabel 'x'\nset ylabel 'y'\n"
                               "set xrange [0:10]\nset yrange [-1.5:1.5]\n" +
                               "plot '" + dataFile + "' " +
                               (!squares ? "with lines"
                                : filled ? "with points pt 5 ps 0.3"
                                         : "with points pt 4 ps 0.3") +
                               " notitle\n";
    return runGnuplot(script);
}

void writeGridFloats(const Grid& grid, const char* file) {
    std::FILE* out = std::fopen(file, "wb");
    if (!out) return;
    std::fwrite(grid.z.data(), sizeof(float), grid.z.size(), out);
    std::fclose(out);
}

double gnuplotMapOn(const char* terminal, const char* gridFile, const Grid& grid,
                    const unsigned char* rgb, const char* file) {
    if (!commandRuns(std::string("gnuplot -e \"set terminal ") + terminal + "\"")) return -1.0;
    // The palette as 256 evenly spaced colours; the array's origin is its first cell's centre.
    std::string palette = "set palette defined (";
    char entry[32];
    for (int k = 0; k < 256; ++k) {
        std::snprintf(entry, sizeof entry, "%s%d '#%02x%02x%02x'", k ? ", " : "", k, rgb[3 * k],
                      rgb[3 * k + 1], rgb[3 * k + 2]);
        palette += entry;
    }
    palette += ")\n";
    const double dx = (grid.x2 - grid.x1) / grid.nx, dy = (grid.y2 - grid.y1) / grid.ny;
    char ranges[512];
    std::snprintf(ranges, sizeof ranges,
                  "set xrange [%g:%g]\nset yrange [%g:%g]\nset cbrange [%g:%g]\n"
                  "plot '%s' binary array=(%d,%d) format='%%float' dx=%.17g dy=%.17g "
                  "origin=(%.17g,%.17g) with image notitle\n",
                  grid.x1, grid.x2, grid.y1, grid.y2, grid.zmin, grid.zmax, gridFile, grid.nx,
                  grid.ny, dx, dy, grid.x1 + dx / 2, grid.y1 + dy / 2);
    const std::string script = std::string("set terminal ") + terminal + "\n" + "set output '" +
                               file + "'\n" +
                               "set xlabel 'x (mm)'\nset ylabel 'y (mm)'\n"
                               "set cblabel 'height (mm)'\nset tics out\n" +
                               palette + ranges;
    return runGnuplot(script);
}

} // namespace peers
