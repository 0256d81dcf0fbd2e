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
    const auto start = Clock::now();
    std::FILE* gnuplot = popen("gnuplot", "w");
    if (!gnuplot) return -1.0;
    std::fwrite(script.data(), 1, script.size(), gnuplot);
    if (pclose(gnuplot) != 0) return -1.0;
    return secondsSince(start);
}

} // namespace peers
