// Colour maps and contours against matplotlib, gnuplot and PLplot on the same grid: (a) a map of
// 1,000 x 1,000 values with a colour bar in a box with ticks and labels, to PDF and to SVG, beside
// matplotlib's imshow, gnuplot's "with image" and PLplot's plimage; (b) the contour lines of the
// same grid at 10 levels into a PDF, beside matplotlib's contour and PLplot's plcont. The grid is a
// smooth field with hills, a valley and ripples; the peers read the same floats from a raw file
// written beforehand, outside the measurement. matplotlib's figures are the whole python process
// and, inside it, the drawing from making the figure to the end of savefig. Prints seconds, file
// sizes and ratios; returns 1 when one of our figures misses its target.
#include <velora.h>

#include "bestof.h"
#include "peers.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int side = 1000;
constexpr int runs = 3;
// A peer figure that takes longer than this once is not run again: the spread of its runs
// matters little beside its distance from ours.
constexpr double slowPeerSeconds = 5.0;

const char* const xCaption = "x // mm";
const char* const yCaption = "y // mm";
const char* const zCaption = "height // mm";

// Two hills and a valley over (-3, 3) x (-3, 3), with ripples across them.
peers::Grid field() {
    peers::Grid grid;
    grid.nx = grid.ny = side;
    grid.x1 = grid.y1 = -3;
    grid.x2 = grid.y2 = 3;
    grid.zmin = -2;
    grid.zmax = 3.5;
    grid.z.resize(static_cast<std::size_t>(side) * side);
    for (int j = 0; j < side; ++j)
        for (int i = 0; i < side; ++i) {
            const double x = -3 + 6 * (i + 0.5) / side, y = -3 + 6 * (j + 0.5) / side;
            const double hills =
                3 * std::exp(-((x + 1) * (x + 1) + (y - 0.5) * (y - 0.5))) +
                2 * std::exp(-((x - 1.4) * (x - 1.4) + (y + 0.8) * (y + 0.8)) / 0.6) -
                1.5 * std::exp(-((x - 0.8) * (x - 0.8) + (y - 1.3) * (y - 1.3)) / 0.4);
            const double ripples = 0.25 * std::sin(4 * x + 1.5 * y) * std::cos(3 * y - x);
            grid.z[static_cast<std::size_t>(j) * side + i] = static_cast<float>(hills + ripples);
        }
    return grid;
}

// Ten levels evenly inside the range.
std::vector<double> levelsOf(const peers::Grid& grid) {
    std::vector<double> levels;
    for (int k = 1; k <= 10; ++k)
        levels.push_back(grid.zmin + (grid.zmax - grid.zmin) * k / 11.0);
    return levels;
}

void initMapBox(boxclass& box, const peers::Grid& grid) {
    box.init(16, 14, 100, 89, 1, 1);
    box.dim(static_cast<float>(grid.x1), static_cast<float>(grid.x2), static_cast<float>(grid.y1),
            static_cast<float>(grid.y2), 0, 0, 1, boxclass::TICKS_INSIDE);
    box.label(xCaption, yCaption, 0.5f, 0, FONT_ROMAN, FONT_SANS);
}

// The seconds of one figure from opening the desk on `device` to closing it, a box of the grid
// drawn by `draw`.
template <typename Draw>
double veloraFigure(int device, const char* name, const peers::Grid& grid, Draw draw) {
    const auto start = peers::Clock::now();
    desk page;
    page.setfontpath(VELORA_FONT_DIR);
    page.open(device, name);
    {
        boxclass box(page);
        initMapBox(box, grid);
        draw(box);
    }
    page.close();
    return peers::secondsSince(start);
}

double veloraMap(int device, const char* name, const peers::Grid& grid) {
    return veloraFigure(device, name, grid, [&grid](boxclass& box) {
        box.showmap(grid.x1, grid.y1, grid.x2, grid.y2, grid.z.data(), grid.nx, grid.ny, grid.zmin,
                    grid.zmax, MAP_VIRIDIS);
        box.colorbar(grid.zmin, grid.zmax, MAP_VIRIDIS, zCaption, 0.5f);
    });
}

double veloraContour(const char* name, const peers::Grid& grid, const std::vector<float>& levels) {
    return veloraFigure(PDF, name, grid, [&](boxclass& box) {
        box.contour(grid.z.data(), grid.nx, grid.ny, grid.x1, grid.y1, grid.x2, grid.y2,
                    levels.data(), static_cast<int>(levels.size()), 7, 0);
    });
}

// The best of `runs` runs of a peer, or its one run when that was slow.
double peerBest(const std::function<double()>& measure) {
    const double first = measure();
    if (first < 0 || first > slowPeerSeconds) return first;
    const double rest = bestOf(runs - 1, measure);
    return rest >= 0 && rest < first ? rest : first;
}

peers::PythonSeconds pythonBest(const std::function<peers::PythonSeconds()>& measure) {
    peers::PythonSeconds best;
    for (int i = 0; i < runs; ++i) {
        const peers::PythonSeconds one = measure();
        if (one.process < 0) return best;
        if (best.process < 0 || one.process < best.process) best.process = one.process;
        if (best.drawing < 0 || one.drawing < best.drawing) best.drawing = one.drawing;
        if (one.process > slowPeerSeconds) break;
    }
    return best;
}

// One line of figures, the file removed after; the ratio to ours where both were measured.
void row(const char* who, double seconds, const std::string& file, double ours = -1) {
    if (seconds < 0) {
        std::printf("  %-44s not available here\n", who);
        return;
    }
    const long bytes = peers::fileSize(file.c_str());
    std::printf("  %-44s %7.3f s %11ld bytes (%.2f MB)", who, seconds, bytes, bytes / 1e6);
    if (ours > 0) std::printf("  %6.1f x ours", seconds / ours);
    std::printf("\n");
    std::remove(file.c_str());
}

void pythonRows(const char* who, const peers::PythonSeconds& seconds, const std::string& file,
                double ours) {
    if (seconds.process < 0) {
        std::printf("  %-44s not available here\n", who);
        return;
    }
    const long bytes = peers::fileSize(file.c_str());
    std::printf("  %-44s %7.3f s %11ld bytes (%.2f MB)  %6.1f x ours\n", who, seconds.process,
                bytes, bytes / 1e6, seconds.process / ours);
    std::printf("  %-44s %7.3f s %33s %6.1f x ours\n", "  of it figure + savefig, inside python",
                seconds.drawing, "", seconds.drawing / ours);
    std::remove(file.c_str());
}

// Our figure against its target: prints the verdict, and whether it kept it.
bool target(const char* what, double seconds, double limit, long bytes = -1, double byteLimit = 0) {
    const bool inTime = seconds >= 0 && seconds <= limit;
    const bool inSize = bytes < 0 || bytes <= byteLimit;
    std::printf("  target: %s at most %.2f s", what, limit);
    if (bytes >= 0) std::printf(" and %.1f MB", byteLimit / 1e6);
    std::printf("%s%s\n", inTime ? "" : "  over the time limit",
                inSize ? "" : "  over the size limit");
    return inTime && inSize;
}

bool mapCase(const peers::Grid& grid, const char* gridFile, bool gnuplot, bool matplotlib) {
    std::printf("(a) a map of %d x %d values with a colour bar, in a box with ticks and labels\n",
                grid.nx, grid.ny);
    const std::string base = "bench_map";
    const unsigned char* viridis = velora::ColourMap(MAP_VIRIDIS).rgbTriples();
    const double pdf = bestOf(runs, [&] { return veloraMap(PDF, base.c_str(), grid); });
    const long pdfBytes = peers::fileSize((base + ".pdf").c_str());
    row("velora PDF", pdf, base + ".pdf");
    const double svg = bestOf(runs, [&] { return veloraMap(SVG, base.c_str(), grid); });
    row("velora SVG", svg, base + ".svg");
    bool kept = target("PDF", pdf, 0.05, pdfBytes, 1.2e6);
    kept &= target("SVG", svg, 0.1);

    if (matplotlib) {
        for (const char* suffix : {".pdf", ".svg"}) {
            const std::string file = base + "_matplotlib" + suffix;
            const double ours = suffix[1] == 'p' ? pdf : svg;
            const std::string who =
                std::string("matplotlib imshow ") + (suffix + 1) + ", whole process";
            pythonRows(who.c_str(), pythonBest([&] {
                           return peers::matplotlibMap(gridFile, grid, file.c_str());
                       }),
                       file, ours);
        }
    } else {
        row("matplotlib", -1, "");
    }
    if (gnuplot) {
        for (const char* terminal : {"pdfcairo", "svg"}) {
            const std::string file = base + "_gnuplot" + (terminal[0] == 'p' ? ".pdf" : ".svg");
            const std::string who =
                std::string("gnuplot with image ") + terminal + " (from a file)";
            row(who.c_str(), peerBest([&] {
                    return peers::gnuplotMapOn(terminal, gridFile, grid, viridis, file.c_str());
                }),
                file, terminal[0] == 'p' ? pdf : svg);
        }
    } else {
        row("gnuplot", -1, "");
    }
    for (const char* device : {"pdfcairo", "svg"}) {
        const std::string file = base + "_plplot" + (device[0] == 'p' ? ".pdf" : ".svg");
        const std::string who = std::string("PLplot plimage ") + device;
        row(who.c_str(),
            peerBest([&] { return peers::plplotMapOn(device, grid, viridis, file.c_str()); }), file,
            device[0] == 'p' ? pdf : svg);
    }
    return kept;
}

bool contourCase(const peers::Grid& grid, const char* gridFile, bool matplotlib) {
    std::printf(
        "(b) contour lines of the same grid at 10 levels, in a box with ticks and labels\n");
    const std::string base = "bench_contour";
    const std::vector<double> levels = levelsOf(grid);
    const std::vector<float> ourLevels(levels.begin(), levels.end());
    const double pdf = bestOf(runs, [&] { return veloraContour(base.c_str(), grid, ourLevels); });
    row("velora PDF", pdf, base + ".pdf");
    const bool kept = target("PDF", pdf, 0.2);
    if (matplotlib) {
        const std::string file = base + "_matplotlib.pdf";
        pythonRows("matplotlib contour pdf, whole process", pythonBest([&] {
                       return peers::matplotlibContour(gridFile, grid, levels, file.c_str());
                   }),
                   file, pdf);
    } else {
        row("matplotlib", -1, "");
    }
    const std::string file = base + "_plplot.pdf";
    row("PLplot plcont pdfcairo",
        peerBest([&] { return peers::plplotContourOn("pdfcairo", grid, levels, file.c_str()); }),
        file, pdf);
    return kept;
}

} // namespace

int main() {
    const peers::Grid grid = field();
    const bool gnuplot = peers::haveGnuplot(), matplotlib = peers::haveMatplotlib();
    const char* gridFile = "bench_map_grid.f32";
    if (gnuplot || matplotlib) peers::writeGridFloats(grid, gridFile);
    bool kept = mapCase(grid, gridFile, gnuplot, matplotlib);
    kept &= contourCase(grid, gridFile, matplotlib);
    std::remove(gridFile);
    return kept ? 0 : 1;
}
