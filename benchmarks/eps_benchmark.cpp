// How fast the EPS writer takes long polylines through the device selector: 1,000,000 points
// with one colour change per segment, and 1,000,000 points in one colour beside PLplot's
// PostScript driver on the same points. Prints seconds, bytes, MB/s and the ratio.
#include <velora.h>

#include "peers.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

double polyline(const std::vector<float>& x, const std::vector<float>& y, bool colourPerSegment,
                const char* name) {
    const auto start = peers::Clock::now();
    deviceselect devices(nullptr);
    devices.in(EPS, const_cast<char*>(name), nullptr);
    devices.np();
    devices.pa(x[0], y[0]);
    devices.pd();
    for (std::size_t i = 1; i < x.size(); ++i) {
        if (colourPerSegment) devices.sp(static_cast<int>(i % 16));
        devices.pa(x[i], y[i]);
    }
    devices.st();
    devices.cl();
    return peers::secondsSince(start);
}

void report(const char* what, double seconds, long bytes) {
    std::printf("%-44s %7.3f s %11ld bytes %6.0f MB/s\n", what, seconds, bytes,
                bytes / seconds / 1e6);
}

} // namespace

int main() {
    const int points = 1000000;
    std::vector<float> x(points), y(points);
    std::vector<double> xd(points), yd(points);
    for (int i = 0; i < points; ++i) {
        x[i] = 133.0f * static_cast<float>(i) / points;
        y[i] = 50.0f + 40.0f * std::sin(x[i]);
        xd[i] = x[i];
        yd[i] = y[i];
    }

    const double coloured = polyline(x, y, true, "bench_coloured");
    report("velora: 1M points, a colour per segment", coloured,
           peers::fileSize("bench_coloured.eps"));
    const double plain = polyline(x, y, false, "bench_plain");
    report("velora: 1M points, one colour", plain, peers::fileSize("bench_plain.eps"));
    const double plplot = peers::plplotPolyline(xd, yd, "bench_plplot.eps");
    if (plplot >= 0) {
        report("PLplot psc: 1M points, one colour", plplot, peers::fileSize("bench_plplot.eps"));
        std::printf("velora is %.1f times as fast as PLplot on the same polyline\n",
                    plplot / plain);
    } else {
        std::printf("PLplot was not found by the build: no comparison\n");
    }
    std::remove("bench_coloured.eps");
    std::remove("bench_plain.eps");
    std::remove("bench_plplot.eps");
    return 0;
}
