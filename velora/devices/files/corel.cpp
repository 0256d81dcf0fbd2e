#include "devices/files/corel.h"

#include "common/colour.h"
#include "common/endprocess.h"
#include "devices/selector/palette.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <string>

namespace {

// HP-GL/2 takes numbers up to 2^30 - 1 in magnitude; a plotter rejects larger ones. Pens beyond
// the palette and points far off the page are written at that limit.
constexpr long long hpglLimit = (1LL << 30) - 1;

long long withinHpglRange(long long value) {
    return std::clamp(value, -hpglLimit, hpglLimit);
}

// The widest pen in millimetres the file writes; exact as a float, unlike 2^30 - 1.
constexpr float widestPen = 1e9f;

} // namespace

corel::corel(char* name) {
    in(name);
}

corel::~corel() noexcept(false) {
    cl();
}

void corel::in(char* name) {
    const char* fileName = name ? name : "";
    // Written under a temporary name until finished, as the EPS file is; an older file of the
    // name is replaced only by the finished file.
    const std::string temporary = std::string(fileName) + ".tmp";
    if (!out.openReplacing(temporary.c_str(), fileName)) {
        std::cout << "corel::error : " << fileName
                  << " nicht ge\xf6"
                     "ffnet\r\n";
        velora::endProcess();
    }
    out.describeFailure("corel::error : ", fileName, "\r\n");
    out.put("SP1\r\nPW0.3\r\n");
}

void corel::cl() {
    out.put("\r\n");
    out.close();
}

void corel::sp(int col) {
    selectPen(Palette::nearest(col));
}

void corel::selectPen(int col) {
    pen = col;
    out.put("SP");
    out.putInt(withinHpglRange(static_cast<long long>(col) + 1));
    out.put("\r\n");
}

void corel::pw(float w) {
    penWidth = w;
    out.put("PW");
    // HPGL's numbers have no exponent.
    out.putPlain(std::clamp(w, -widestPen, widestPen));
    out.put("\r\n");
}

void corel::pu() {
    out.put("PU;\r\n");
}

void corel::pd() {
    out.put("PD;\r\n");
}

void corel::pa(float x, float y) {
    out.put("PA");
    out.putInt(withinHpglRange(velora::truncateToInt(x)));
    out.put(',');
    out.putInt(withinHpglRange(velora::truncateToInt(y)));
    out.put("\r\n");
}

void corel::frame(float x1, float y1, float x2, float y2) {
    pu();
    pa(x1, y1);
    pd();
    pa(x2, y1);
    pa(x2, y2);
    pa(x1, y2);
    pa(x1, y1);
    pu();
}

void corel::sb(float x1, float y1, float x2, float y2, char*) {
    frame(x1, y1, x2, y2);
}

void corel::pb(float x1, float y1, float x2, float y2, bitmap&) {
    frame(x1, y1, x2, y2);
}

void corel::pb(float x1, float y1, float x2, float y2, bitmap24&) {
    frame(x1, y1, x2, y2);
}

namespace {

// Plotter units per millimetre of pen width.
constexpr double unitsPerMillimetre = 40.0;
// The most hatch lines a fill draws; a finer spacing on a larger polygon is widened to this.
constexpr double mostHatchLines = 20000.0;

} // namespace

void corel::fill(const float* x, const float* y, int n, int col, unsigned alpha) {
    if (n < 3 || alpha == 0) return;
    const int kept = pen;
    const int fillPen = Palette::nearest(col);
    if (fillPen != kept) selectPen(fillPen);
    pu();
    pa(x[0], y[0]);
    pd();
    for (int i = 1; i < n; ++i)
        pa(x[i], y[i]);
    pa(x[0], y[0]);
    pu();
    edges.clear();
    double low = y[0], high = y[0];
    for (int i = 0, j = n - 1; i < n; j = i++) {
        const double y0 = y[j], y1 = y[i];
        low = std::min(low, y1);
        high = std::max(high, y1);
        if (y0 == y1) continue;
        const bool up = y0 < y1;
        const double x0 = x[j], x1 = x[i];
        const double slope = (x1 - x0) / (y1 - y0);
        edges.push_back(up ? HatchEdge{y0, y1, x0, slope, 1} : HatchEdge{y1, y0, x1, slope, -1});
    }
    std::sort(edges.begin(), edges.end(),
              [](const HatchEdge& a, const HatchEdge& b) { return a.low < b.low; });
    const double width = std::max(std::fabs(static_cast<double>(penWidth)), 0.1);
    double spacing = width * unitsPerMillimetre * 255.0 / std::min(alpha, 255u);
    spacing = std::max(spacing, (high - low) / mostHatchLines);
    // Rows from the bottom up; an edge joins the active ones at its lower end and leaves at its
    // upper one.
    active.clear();
    std::size_t next = 0;
    for (long k = 0;; ++k) {
        const double row = low + (k + 0.5) * spacing;
        if (!(row < high)) break;
        for (; next < edges.size() && edges[next].low <= row; ++next)
            active.push_back(&edges[next]);
        active.erase(std::remove_if(active.begin(), active.end(),
                                    [row](const HatchEdge* e) { return e->high <= row; }),
                     active.end());
        hatchRow(row);
    }
    if (fillPen != kept) selectPen(kept);
}

void corel::hatchRow(double row) {
    crossings.clear();
    for (const HatchEdge* e : active)
        crossings.push_back({e->xAtLow + (row - e->low) * e->slope, e->winding});
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
    int winding = 0;
    for (std::size_t k = 0; k + 1 < crossings.size(); ++k) {
        winding += crossings[k].winding;
        if (winding == 0 || crossings[k + 1].x <= crossings[k].x) continue;
        const float at = static_cast<float>(row);
        pa(static_cast<float>(crossings[k].x), at);
        pd();
        pa(static_cast<float>(crossings[k + 1].x), at);
        pu();
    }
}
