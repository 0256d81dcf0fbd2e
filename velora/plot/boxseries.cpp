// The data series of a box: points, error bars, histograms and polylines for int, float, double
// and long double arrays, and chains of arrows. Points and error bars map each value in double;
// histograms and polylines take each value as a float first.
#include "plot/boxclass.h"

#include "plot/dashedline.h"

#include <cmath>

namespace {

// The width between two neighbouring x values of a histogram: in the element type, which for int
// means whole numbers (formed without overflow).
double widthBetween(int left, int right) {
    return static_cast<double>(static_cast<long long>(right) - left);
}
template <typename T> double widthBetween(T left, T right) {
    return static_cast<double>(static_cast<float>(right)) - static_cast<float>(left);
}

} // namespace

template <typename T>
void boxclass::pointsOf(const T* x, const T* y, int n, COLOR c, SYMBOL s, float scale) {
    if (n <= 0) return;
    beginData();
    const float w = theDesk->getpenwidth();
    theDesk->setpenwidth(static_cast<float>(unitX * 0.2 * w / 0.3));
    for (int i = 0; i < n; ++i)
        sym->put(bx(static_cast<double>(x[i])), by(static_cast<double>(y[i])), s, c, scale);
    theDesk->setpenwidth(w);
    endData();
}

template <typename T>
void boxclass::errorBarsOf(const T* x, const T* y, const T* err, int n, SYMBOL s, COLOR c,
                           float scale) {
    if (n <= 0) return;
    beginData();
    const float w = theDesk->getpenwidth();
    theDesk->setpenwidth(static_cast<float>(scale * 0.1 * unitX * w / 0.3));
    const float capScale = static_cast<float>(scale * 8.0);
    for (int i = 0; i < n; ++i) {
        const double px = static_cast<double>(x[i]);
        const double py = static_cast<double>(y[i]);
        const double e = static_cast<double>(err[i]);
        double ax = px, ay = py, bx_ = px, by_ = py;
        if (s == 8) {
            ax = px + e;
            bx_ = px - e;
        } else if (s == 9) {
            ay = py + e;
            by_ = py - e;
        }
        const float pointX = bx(px), pointY = by(py);
        const float endAX = bx(ax), endAY = by(ay);
        float endBX = bx(bx_), endBY = by(by_);
        // On a log axis a lower end <= 0 runs to the frame's edge, without a cross stroke.
        bool cut = false;
        if (s == 8 && axisX.isLog() && !(bx_ > 0.0) && px > 0.0) {
            endBX = frameX1;
            cut = true;
        } else if (s == 9 && yRange().isLog() && !(by_ > 0.0) && py > 0.0) {
            endBY = frameY1;
            cut = true;
        }
        // Each half-bar takes the colour the symbol before it left on the desk.
        theDesk->line(pointX, pointY, endAX, endAY, -1);
        sym->put(endAX, endAY, s, c, capScale);
        theDesk->line(pointX, pointY, endBX, endBY, -1);
        if (!cut) sym->put(endBX, endBY, s, c, capScale);
    }
    theDesk->setpenwidth(w);
    endData();
}

template <typename T>
void boxclass::barPlaces(const T* x, const T* y, int n, BarPlaces& bars) const {
    const velora::AxisRange& ys = yRange();
    // The bars stand on the lower end of the range; on a log axis one of height <= 0 has none.
    bars.base = ys.isLog() ? innerY1 : by(ys.min);
    const auto topOf = [&](float y) {
        const float top = by(y);
        return std::isnan(top) && ys.isLog() ? bars.base : top;
    };
    bars.edges.resize(static_cast<std::size_t>(n) + 1);
    bars.tops.resize(static_cast<std::size_t>(n));
    float sum = 0.0f;
    int count = 0;
    for (int i = 0; i < n; ++i) {
        bars.edges[i] = bx(static_cast<float>(x[i]));
        bars.tops[i] = topOf(static_cast<float>(y[i]));
        if (i + 1 == n) break;
        // On a log axis the widths are averaged in decades.
        sum = static_cast<float>(sum + (axisX.isLog()
                                            ? velora::decimalLog(static_cast<float>(x[i + 1])) -
                                                  velora::decimalLog(static_cast<float>(x[i]))
                                            : widthBetween(x[i], x[i + 1])));
        ++count;
    }
    // The last bar is as wide as the others on average; alone, it has no width.
    const float width = count > 0 ? static_cast<float>(static_cast<double>(sum) / count) : 0.0f;
    const float left = static_cast<float>(x[n - 1]);
    bars.edges[n] = axisX.isLog()
                        ? axisX.placeUnit(velora::decimalLog(left) + width, innerX1, innerX2)
                        : bx(static_cast<float>(static_cast<double>(left) + width));
}

template <typename T> void boxclass::histogramOf(const T* x, const T* y, int n, COLOR c) {
    if (n <= 0) return;
    beginData();
    const float w = theDesk->getpenwidth();
    theDesk->setpenwidth(static_cast<float>(unitX * 0.2 * w / 0.3));
    BarPlaces bars;
    barPlaces(x, y, n, bars);
    theDesk->np();
    theDesk->move(bars.edges[0], bars.base);
    // Up the left edge of each bar, across its top and down to the base, where the next begins.
    for (int i = 0; i < n; ++i) {
        theDesk->draw(bars.edges[i], bars.tops[i], c);
        theDesk->draw(bars.edges[i + 1], bars.tops[i], c);
        theDesk->draw(bars.edges[i + 1], bars.base, c);
    }
    theDesk->cp();
    theDesk->st();
    theDesk->setpenwidth(w);
    endData();
}

namespace {

// A polyline through the page points point(0) ... point(n - 1) at the desk's pen width: dash 1
// solid, 0 < dash < 1 dashed in periods of 10 * dash tick lengths.
template <typename PointAt>
void strokePolyline(desk& d, int n, COLOR c, float dash, float tickLength, const float (&clip)[4],
                    PointAt point) {
    const double f = dash;
    const float dashLength = static_cast<float>(10.0 * f * tickLength * f);
    const float gapLength = static_cast<float>((1.0 - f) * 10.0 * tickLength * f);
    d.np();
    float px, py;
    point(0, px, py);
    if (dash == 1.0f || !(dash > 0.0f) || !DashedLine::usable(dashLength, gapLength)) {
        d.move(px, py);
        for (int i = 1; i < n; ++i) {
            point(i, px, py);
            d.draw(px, py, c);
        }
    } else {
        DashedLine pattern(d, dashLength, gapLength, c, clip[0], clip[1], clip[2], clip[3]);
        pattern.start(px, py);
        for (int i = 1; i < n; ++i) {
            point(i, px, py);
            pattern.to(px, py);
        }
    }
    d.st();
}

} // namespace

template <typename T>
void boxclass::polylineOf(const T* x, const T* y, int n, COLOR c, float dash) {
    if (n <= 0) return;
    beginData();
    const float w = theDesk->getpenwidth();
    theDesk->setpenwidth(static_cast<float>(unitX * 0.2 * w / 0.3));
    const float clip[4] = {clipX1, clipY1, clipX2, clipY2};
    strokePolyline(*theDesk, n, c, dash, tickLength, clip, [&](int i, float& px, float& py) {
        px = bx(static_cast<float>(x[i]));
        py = by(static_cast<float>(y[i]));
    });
    theDesk->setpenwidth(w);
    endData();
}

void boxclass::strokeInPage(const float* x, const float* y, int n, COLOR c, float dash) {
    if (n <= 0) return;
    const float clip[4] = {clipX1, clipY1, clipX2, clipY2};
    strokePolyline(*theDesk, n, c, dash, tickLength, clip, [&](int i, float& px, float& py) {
        px = x[i];
        py = y[i];
    });
}

void boxclass::showpoints(const int* x, const int* y, int n, COLOR c, SYMBOL s, float scale) {
    pointsOf(x, y, n, c, s, scale);
}
void boxclass::showpoints(const float* x, const float* y, int n, COLOR c, SYMBOL s, float scale) {
    pointsOf(x, y, n, c, s, scale);
}
void boxclass::showpoints(const double* x, const double* y, int n, COLOR c, SYMBOL s, float scale) {
    pointsOf(x, y, n, c, s, scale);
}
void boxclass::showpoints(const long double* x, const long double* y, int n, COLOR c, SYMBOL s,
                          float scale) {
    pointsOf(x, y, n, c, s, scale);
}

void boxclass::showerrorbars(const int* x, const int* y, const int* err, int n, SYMBOL s, COLOR c,
                             float scale) {
    errorBarsOf(x, y, err, n, s, c, scale);
}
void boxclass::showerrorbars(const float* x, const float* y, const float* err, int n, SYMBOL s,
                             COLOR c, float scale) {
    errorBarsOf(x, y, err, n, s, c, scale);
}
void boxclass::showerrorbars(const double* x, const double* y, const double* err, int n, SYMBOL s,
                             COLOR c, float scale) {
    errorBarsOf(x, y, err, n, s, c, scale);
}
void boxclass::showerrorbars(const long double* x, const long double* y, const long double* err,
                             int n, SYMBOL s, COLOR c, float scale) {
    errorBarsOf(x, y, err, n, s, c, scale);
}

void boxclass::showhistogram(const int* x, const int* y, int n, COLOR c) {
    histogramOf(x, y, n, c);
}
void boxclass::showhistogram(const float* x, const float* y, int n, COLOR c) {
    histogramOf(x, y, n, c);
}
void boxclass::showhistogram(const double* x, const double* y, int n, COLOR c) {
    histogramOf(x, y, n, c);
}
void boxclass::showhistogram(const long double* x, const long double* y, int n, COLOR c) {
    histogramOf(x, y, n, c);
}

void boxclass::connectpoints(const int* x, const int* y, int n, COLOR c, float dash) {
    polylineOf(x, y, n, c, dash);
}
void boxclass::connectpoints(const float* x, const float* y, int n, COLOR c, float dash) {
    polylineOf(x, y, n, c, dash);
}
void boxclass::connectpoints(const double* x, const double* y, int n, COLOR c, float dash) {
    polylineOf(x, y, n, c, dash);
}
void boxclass::connectpoints(const long double* x, const long double* y, int n, COLOR c,
                             float dash) {
    polylineOf(x, y, n, c, dash);
}

void boxclass::showvectors(const float* x, const float* y, int n, COLOR c, float size) {
    for (int i = 1; i < n; ++i)
        vector(x[i - 1], y[i - 1], x[i], y[i], c, size);
}

void boxclass::line(float x1, float y1, float x2, float y2, COLOR c, float dash) {
    const float x[2] = {x1, x2};
    const float y[2] = {y1, y2};
    connectpoints(x, y, 2, c, dash);
}

void boxclass::vector(float x1, float y1, float x2, float y2, COLOR c, float size) {
    beginData();
    theDesk->vector(bx(x1), by(y1), bx(x2), by(y2), c, static_cast<float>(size * tickLength));
    endData();
}

// The filled bars (boxfills.cpp) stand where the histogram's do, under its outline.
template void boxclass::barPlaces(const int*, const int*, int, BarPlaces&) const;
template void boxclass::barPlaces(const float*, const float*, int, BarPlaces&) const;
template void boxclass::barPlaces(const double*, const double*, int, BarPlaces&) const;
template void boxclass::histogramOf(const int*, const int*, int, COLOR);
template void boxclass::histogramOf(const float*, const float*, int, COLOR);
template void boxclass::histogramOf(const double*, const double*, int, COLOR);
