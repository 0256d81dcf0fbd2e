// matplotlib as a peer: a python script written beside the figure and run as its own process,
// which prints the seconds it spent from making the figure to the end of savefig.
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

// The first python on the path that has matplotlib and numpy, or the system's (a python of
// the user's own may stand before it on the path without them); empty if none has.
std::string findPython() {
    for (const char* python : {"python3", "/usr/bin/python3", "python"})
        if (commandRuns(std::string(python) + " -c \"import matplotlib, numpy\"")) return python;
    return "";
}

const std::string& python() {
    static const std::string found = findPython();
    return found;
}

// What both figures share: reading the grid, axes with ticks and labels, and the clock.
const char* const scriptHead = R"(import sys, time
import numpy as np
import matplotlib
matplotlib.use('agg')
import matplotlib.pyplot as plt
grid, out = sys.argv[1], sys.argv[2]
nx, ny = int(sys.argv[3]), int(sys.argv[4])
x1, y1, x2, y2, zmin, zmax = map(float, sys.argv[5:11])
z = np.fromfile(grid, dtype=np.float32).reshape(ny, nx)
start = time.perf_counter()
fig, ax = plt.subplots()
ax.set_xlabel('x (mm)')
ax.set_ylabel('y (mm)')
)";

const char* const mapScript =
    R"(image = ax.imshow(z, origin='lower', extent=(x1, x2, y1, y2), cmap='viridis',
                  vmin=zmin, vmax=zmax, interpolation='none', aspect='auto')
fig.colorbar(image, ax=ax, label='height (mm)')
fig.savefig(out)
print(time.perf_counter() - start)
)";

const char* const contourScript = R"(levels = [float(v) for v in sys.argv[11].split(',')]
ax.contour(z, levels=levels, extent=(x1, x2, y1, y2), origin='lower', colors='k',
           linewidths=0.5)
fig.savefig(out)
print(time.perf_counter() - start)
)";

// Writes the script beside the figure, then times the python process that runs it, from its
// start to its end; the script's own figure comes back on its output.
PythonSeconds runScript(const char* body, const char* gridFile, const Grid& grid,
                        const std::string& extra, const char* file) {
    PythonSeconds seconds;
    if (python().empty()) return seconds;
    const std::string script = std::string(file) + ".py";
    std::FILE* out = std::fopen(script.c_str(), "w");
    if (!out) return seconds;
    std::fputs(scriptHead, out);
    std::fputs(body, out);
    std::fclose(out);
    char numbers[256];
    std::snprintf(numbers, sizeof numbers, " %d %d %.17g %.17g %.17g %.17g %.17g %.17g", grid.nx,
                  grid.ny, grid.x1, grid.y1, grid.x2, grid.y2, grid.zmin, grid.zmax);
    const std::string command = python() + " " + script + " " + gridFile + " " + file + numbers +
                                (extra.empty() ? "" : " " + extra);
    const auto start = Clock::now();
    std::FILE* run = popen(command.c_str(), "r");
    if (run) {
        double drawing = -1;
        const bool read = std::fscanf(run, "%lf", &drawing) == 1;
        const int status = pclose(run);
        if (read && status == 0) {
            seconds.process = secondsSince(start);
            seconds.drawing = drawing;
        }
    }
    std::remove(script.c_str());
    return seconds;
}

} // namespace

bool haveMatplotlib() {
    return !python().empty();
}

PythonSeconds matplotlibMap(const char* gridFile, const Grid& grid, const char* file) {
    return runScript(mapScript, gridFile, grid, "", file);
}

PythonSeconds matplotlibContour(const char* gridFile, const Grid& grid,
                                const std::vector<double>& levels, const char* file) {
    std::string list;
    char number[32];
    for (const double level : levels) {
        std::snprintf(number, sizeof number, "%s%.17g", list.empty() ? "" : ",", level);
        list += number;
    }
    return runScript(contourScript, gridFile, grid, list, file);
}

} // namespace peers
