// The filled items of a box: bands between two curves, areas down to a level, and filled bars.
// Values are taken as floats first, as the polylines take them, so that a band's edges lie on
// the curves drawn over it.
#include "plot/boxclass.h"

#include <cmath>

namespace {

bool finitePoint(float x, float y) {
    return std::isfinite(x) && std::isfinite(y);
}

} // namespace

template <typename T>
void boxclass::bandOf(const T* x, const T* ylow, const T* yhigh, double base, int n, COLOR c) {
    if (n <= 0 || !x || !(ylow || yhigh)) return;
    beginData();
    // fillto has no lower curve: its level stands in for it at every point.
    // On a log axis a level <= 0 lies below everything: the area reaches down to the frame.
    float level = by(static_cast<float>(base));
    if (!std::isfinite(level) && yRange().isLog()) level = innerY1;
    const auto lower = [&](int i) { return ylow ? by(static_cast<float>(ylow[i])) : level; };
    std::vector<float> px, py;
    int i = 0;
    while (i < n) {
        // One piece: the points from i on whose values all map to the page.
        px.clear();
        py.clear();
        int end = i;
        for (; end < n; ++end) {
            const float ax = bx(static_cast<float>(x[end]));
            const float top = by(static_cast<float>(yhigh[end]));
            if (!finitePoint(ax, top) || !std::isfinite(lower(end))) break;
            px.push_back(ax);
            py.push_back(top);
        }
        // Along the upper curve, back along the lower one.
        for (int k = end - 1; k >= i; --k) {
            px.push_back(px[k - i]);
            py.push_back(lower(k));
        }
        if (end - i >= 2) theDesk->fill(px.data(), py.data(), static_cast<int>(px.size()), c);
        i = end + 1;
    }
    endData();
}

template <typename T> void boxclass::barsOf(const T* x, const T* y, int n, COLOR fill, COLOR line) {
    if (n <= 0) return;
    beginData();
    BarPlaces bars;
    barPlaces(x, y, n, bars);
    for (int i = 0; i < n; ++i) {
        const float left = bars.edges[i], right = bars.edges[i + 1], top = bars.tops[i];
        const float px[4] = {left, right, right, left};
        const float py[4] = {bars.base, bars.base, top, top};
        theDesk->fill(px, py, 4, fill);
    }
    endData();
    histogramOf(x, y, n, line);
}

void boxclass::fillbetween(const int* x, const int* ylow, const int* yhigh, int n, COLOR c) {
    bandOf(x, ylow, yhigh, 0.0, n, c);
}
void boxclass::fillbetween(const float* x, const float* ylow, const float* yhigh, int n, COLOR c) {
    bandOf(x, ylow, yhigh, 0.0, n, c);
}
void boxclass::fillbetween(const double* x, const double* ylow, const double* yhigh, int n,
                           COLOR c) {
    bandOf(x, ylow, yhigh, 0.0, n, c);
}

void boxclass::fillto(const int* x, const int* y, int n, double base, COLOR c) {
    bandOf(x, static_cast<const int*>(nullptr), y, base, n, c);
}
void boxclass::fillto(const float* x, const float* y, int n, double base, COLOR c) {
    bandOf(x, static_cast<const float*>(nullptr), y, base, n, c);
}
void boxclass::fillto(const double* x, const double* y, int n, double base, COLOR c) {
    bandOf(x, static_cast<const double*>(nullptr), y, base, n, c);
}

void boxclass::showbars(const int* x, const int* y, int n, COLOR fill, COLOR line) {
    barsOf(x, y, n, fill, line);
}
void boxclass::showbars(const float* x, const float* y, int n, COLOR fill, COLOR line) {
    barsOf(x, y, n, fill, line);
}
void boxclass::showbars(const double* x, const double* y, int n, COLOR fill, COLOR line) {
    barsOf(x, y, n, fill, line);
}
