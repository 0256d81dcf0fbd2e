// Plot boxes against PLplot and gnuplot on the same data in memory, each writing EPS: (a) a
// polyline of 1,000,000 points with connectpoints in a box with ticks and labels, (b) 1,000,000
// squares with showpoints. Prints seconds, file sizes, the ratios and the peak memory of our
// runs. gnuplot reads its data from a text file written beforehand, outside the measurement.
// Every figure is the best of three runs, so that other work on the machine weighs less.
#include <velora.h>

#include "bestof.h"
#include "boxfigure.h"
#include "peers.h"
#include "processfigures.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int points = 1000000;
constexpr int runs = 3;

struct Run {
    double seconds;
    long peak;
};

// Our figure: the benchmark box (or `setup`'s) around the series.
Run velora(const std::function<void(boxclass&)>& series, const char* name,
           const std::function<void(boxclass&)>& setup = initBenchmarkBox) {
    peers::restartPeak();
    const auto start = peers::Clock::now();
    {
        desk page;
        page.setfontpath(VELORA_FONT_DIR);
        page.open(EPS, name);
        {
            boxclass box(page);
            setup(box);
            series(box);
        }
        page.close();
    }
    return {peers::secondsSince(start), peers::peakKilobytes()};
}

void row(const char* who, double seconds, const char* file) {
    if (seconds < 0) {
        std::printf("  %-40s not available here\n", who);
        return;
    }
    std::printf("  %-40s %7.3f s %12ld bytes\n", who, seconds, peers::fileSize(file));
}

void ratio(const char* peer, double peerSeconds, double ours) {
    if (peerSeconds > 0)
        std::printf("  velora is %.1f times as fast as %s\n", peerSeconds / ours, peer);
}

void memory(const Run& run) {
    const double inputMB = 2.0 * points * sizeof(double) / 1e6;
    std::printf("  velora peak memory %.1f MB (input arrays %.0f MB; bound 2 x input + 16 MB = "
                "%.0f MB)\n",
                run.peak / 1e3, inputMB, 2 * inputMB + 16);
    if (!peers::peakRestarts())
        std::printf(
            "  (the private bytes' peak of the whole process so far: Windows never restarts "
            "it)\n");
}

// One case: ours, PLplot's and gnuplot's, then the files are removed. Returns our seconds.
double compare(const char* title, const std::vector<double>& x, const std::vector<double>& y,
               bool squares, double target) {
    std::printf("%s\n", title);
    const std::string base = squares ? "bench_box_squares" : "bench_box_line";
    const std::string ours = base + ".eps", plplot = base + "_plplot.eps",
                      gnuplot = base + "_gnuplot.eps", data = base + ".dat";
    Run run{-1, 0};
    for (int i = 0; i < runs; ++i) {
        const Run one = velora(
            [&](boxclass& box) {
                if (squares)
                    box.showpoints(x.data(), y.data(), points, 3, 1, 0.3f);
                else
                    box.connectpoints(x.data(), y.data(), points, 3, 1);
            },
            base.c_str());
        if (run.seconds < 0 || one.seconds < run.seconds) run.seconds = one.seconds;
        if (one.peak > run.peak) run.peak = one.peak;
    }
    const double plplotSeconds = bestOf(runs, [&] {
        return squares ? peers::plplotBoxSquares(x, y, plplot.c_str())
                       : peers::plplotBoxPolyline(x, y, plplot.c_str());
    });
    double gnuplotSeconds = -1;
    if (peers::haveGnuplot()) {
        peers::writeGnuplotData(x, y, data.c_str());
        gnuplotSeconds =
            bestOf(runs, [&] { return peers::gnuplotBox(data.c_str(), squares, gnuplot.c_str()); });
    }
    row("velora boxclass", run.seconds, ours.c_str());
    row("PLplot psc", plplotSeconds, plplot.c_str());
    row("gnuplot postscript eps (data from a file)", gnuplotSeconds, gnuplot.c_str());
    std::printf("  target: under %.1f s\n", target);
    ratio("PLplot", plplotSeconds, run.seconds);
    ratio("gnuplot", gnuplotSeconds, run.seconds);
    memory(run);
    for (const std::string& file : {ours, plplot, gnuplot, data})
        std::remove(file.c_str());
    return run.seconds;
}

// The same polyline with both axes logarithmic (seven decades across, four up), beside the linear
// one: the mapping through the logarithm is all that differs.
void logLog(const std::vector<double>& x, const std::vector<double>& y, double linearSeconds) {
    std::printf("(a') the polyline on log-log axes\n");
    const char* name = "bench_box_loglog";
    std::vector<double> lx(x.size()), ly(y.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        lx[i] = std::pow(10.0, x[i] * 0.7 - 3);
        ly[i] = std::pow(10.0, y[i] + 1.5);
    }
    const auto setup = [](boxclass& box) {
        box.init(16, 14, 126, 89, 1, 1);
        box.setscale(boxclass::X_AXIS, boxclass::LOG10);
        box.setscale(boxclass::Y_AXIS, boxclass::LOG10);
        box.dim(1e-3f, 1e4f, 1, 1e3f, 0, 0, 1, boxclass::TICKS_INSIDE);
        box.label("f (Hz)", "P (W/Hz)", 0.5f, 0, FONT_ROMAN, FONT_SANS);
    };
    double best = -1;
    for (int i = 0; i < runs; ++i) {
        const Run one =
            velora([&](boxclass& box) { box.connectpoints(lx.data(), ly.data(), points, 3, 1); },
                   name, setup);
        if (best < 0 || one.seconds < best) best = one.seconds;
    }
    const std::string file = std::string(name) + ".eps";
    row("velora boxclass, log-log", best, file.c_str());
    std::printf("  %.2f times the linear polyline's time (bound 1.3)\n", best / linearSeconds);
    std::remove(file.c_str());
}

} // namespace

int main() {
    std::vector<double> x(points), y(points);
    // (a) A noisy damped wave across the box.
    for (int i = 0; i < points; ++i) {
        const double t = 10.0 * i / points;
        x[i] = t;
        y[i] = std::exp(-t / 4) * std::cos(6 * t) + 0.2 * std::sin(i * 0.7);
    }
    const double linear = compare("(a) polyline of 1,000,000 points in a box with ticks and labels",
                                  x, y, false, 0.1);
    logLog(x, y, linear);

    // (b) A cloud of points: a deterministic scatter around the same wave.
    scatterAroundWave(x, y);
    compare("(b) 1,000,000 squares in a box with ticks and labels", x, y, true, 0.5);
    return 0;
}
