// The PDF and SVG writers against PLplot's cairo devices and gnuplot's cairo and SVG terminals,
// each drawing the same data: (a) a polyline of 1,000,000 points in a box with ticks and labels,
// a smooth damped wave, and the same wave with noise on every sample, which no thinning can
// shorten much; (b) 1,000,000 squares with showpoints, (c) the same squares filled
// (SYMBOL_FILLED), beside gnuplot's EPS of them too. Prints seconds and file sizes, the best
// of three runs each. gnuplot reads its data from a text file written beforehand, outside the
// measurement.
#include <velora.h>

#include "bestof.h"
#include "boxfigure.h"
#include "peers.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int points = 1000000;
constexpr int runs = 3;

// Our figure, as the box benchmark draws it, on one device.
enum class Figure { line, squares, filledSquares };

double velora(int device, const char* name, const std::vector<double>& x,
              const std::vector<double>& y, Figure figure) {
    const auto start = peers::Clock::now();
    desk page;
    page.setfontpath(VELORA_FONT_DIR);
    page.open(device, name);
    {
        boxclass box(page);
        initBenchmarkBox(box);
        if (figure == Figure::line)
            box.connectpoints(x.data(), y.data(), points, 3, 1);
        else
            box.showpoints(x.data(), y.data(), points, 3,
                           figure == Figure::filledSquares ? SYMBOL_FILLED + 1 : 1, 0.3f);
    }
    page.close();
    return peers::secondsSince(start);
}

void row(const char* who, double seconds, const std::string& file) {
    if (seconds < 0) {
        std::printf("  %-34s not available here\n", who);
        return;
    }
    const long bytes = peers::fileSize(file.c_str());
    std::printf("  %-34s %7.3f s %11ld bytes (%.1f KB)\n", who, seconds, bytes, bytes / 1e3);
    std::remove(file.c_str());
}

void compare(const char* title, const std::vector<double>& x, const std::vector<double>& y,
             Figure figure, bool withPeers) {
    std::printf("%s\n", title);
    const bool squares = figure != Figure::line, filled = figure == Figure::filledSquares;
    const std::string base = !squares ? "bench_vector_line"
                             : filled ? "bench_vector_filled"
                                      : "bench_vector_squares";
    row("velora PDF", bestOf(runs, [&] { return velora(PDF, base.c_str(), x, y, figure); }),
        base + ".pdf");
    row("velora SVG", bestOf(runs, [&] { return velora(SVG, base.c_str(), x, y, figure); }),
        base + ".svg");
    if (!withPeers) return;
    const auto plplot = [&](const char* device, const std::string& file) {
        return bestOf(runs, [&] {
            return squares ? peers::plplotBoxSquaresOn(device, x, y, file.c_str(), filled)
                           : peers::plplotBoxPolylineOn(device, x, y, file.c_str());
        });
    };
    row("PLplot pdfcairo", plplot("pdfcairo", base + "_plplot.pdf"), base + "_plplot.pdf");
    row("PLplot svg", plplot("svg", base + "_plplot.svg"), base + "_plplot.svg");
    if (!peers::haveGnuplot()) return;
    const std::string data = base + ".dat";
    peers::writeGnuplotData(x, y, data.c_str());
    const auto gnuplot = [&](const char* terminal, const std::string& file) {
        return bestOf(runs, [&] {
            return peers::gnuplotBoxOn(terminal, data.c_str(), squares, file.c_str(), filled);
        });
    };
    row("gnuplot pdfcairo (data from a file)", gnuplot("pdfcairo", base + "_gnuplot.pdf"),
        base + "_gnuplot.pdf");
    row("gnuplot svg (data from a file)", gnuplot("svg", base + "_gnuplot.svg"),
        base + "_gnuplot.svg");
    if (squares)
        row("gnuplot eps (data from a file)",
            gnuplot("postscript eps color", base + "_gnuplot.eps"), base + "_gnuplot.eps");
    std::remove(data.c_str());
}

} // namespace

int main() {
    std::vector<double> x(points), y(points);
    for (int i = 0; i < points; ++i) {
        const double t = 10.0 * i / points;
        x[i] = t;
        y[i] = std::exp(-t / 4) * std::cos(6 * t);
    }
    compare("(a) polyline of 1,000,000 points, a damped wave, in a box with ticks and labels", x, y,
            Figure::line, true);
    std::printf("  targets: PDF and SVG each under 0.05 s and under 100 KB\n");
    for (int i = 0; i < points; ++i)
        y[i] += 0.2 * std::sin(i * 0.7);
    compare("(a') the same wave with noise on every sample (the box benchmark's data)", x, y,
            Figure::line, false);

    scatterAroundWave(x, y);
    compare("(b) 1,000,000 squares in a box with ticks and labels", x, y, Figure::squares, true);
    std::printf("  targets: PDF in less than gnuplot eps's time, under 15 MB\n");
    compare("(c) the same squares filled", x, y, Figure::filledSquares, true);
    std::printf("  targets: PDF at most 0.5 s and 10 MB; SVG at most 28.4 MB\n");
    return 0;
}
