// The figure the plot box benchmarks draw on every device, and its scattered data, so that the
// EPS, PDF and SVG figures measure the same drawing.
#pragma once

#include <velora.h>

#include <cmath>
#include <cstddef>
#include <vector>

// A box of 110 by 75 units with automatic ticks on 0 ... 10 and -1.5 ... 1.5, and axis labels.
inline void initBenchmarkBox(boxclass& box) {
    box.init(16, 14, 126, 89, 1, 1);
    box.dim(0, 10, -1.5f, 1.5f, 0, 0, 1, boxclass::TICKS_INSIDE);
    box.label("time t (s)", "signal U (V)", 0.5f, 0, FONT_ROMAN, FONT_SANS);
}

// A cloud of points: a deterministic scatter around a damped wave across the box, the same in
// every run and every benchmark. Fills x and y as far as they are long.
inline void scatterAroundWave(std::vector<double>& x, std::vector<double>& y) {
    unsigned state = 12345;
    const auto uniform = [&state] {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / 16777216.0;
    };
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double t = 10.0 * uniform();
        x[i] = t;
        y[i] = std::exp(-t / 4) * std::cos(6 * t) + 0.3 * (uniform() + uniform() - 1);
    }
}
