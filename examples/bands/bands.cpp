// The everyday figure of a paper: measured points with solid markers, a fitted curve with its
// shaded 1-sigma band at opacity 0.3, a histogram of the residuals as filled bars, each series
// in the colour cycle, and legends on white patches.
// Usage: bands [name [font folder]] writes name.eps, name.pdf and name.svg (name "bands" if
// none); on Windows the figure is shown on the screen too and saved as name-screen.png.
#include <velora.h>

#include "../common/figurefiles.h"
#include "../common/noise.h"

#include <cmath>
#include <string>

namespace {

constexpr int n = 40;

struct Measurement {
    double t[n], u[n], fit[n], low[n], high[n];
    double binEdge[12], binCount[12];
};

// A damped oscillation, measured with noise; the fit's band widens where the data are sparse.
Measurement measure() {
    Measurement m{};
    velora_examples::Noise noise(2026u);
    for (int i = 0; i < n; ++i) {
        m.t[i] = 0.25 * i;
        m.fit[i] = 2.0 * std::exp(-m.t[i] / 5.0) * std::cos(1.3 * m.t[i]);
        const double sigma = 0.15 + 0.02 * i;
        m.low[i] = m.fit[i] - sigma;
        m.high[i] = m.fit[i] + sigma;
        m.u[i] = m.fit[i] + sigma * (noise.next() + noise.next() + noise.next()) / 1.7;
    }
    for (int k = 0; k < 12; ++k) {
        m.binEdge[k] = -1.5 + 0.25 * k;
        m.binCount[k] = 0;
    }
    for (int i = 0; i < n; ++i) {
        const double r = (m.u[i] - m.fit[i]) / (0.15 + 0.02 * i);
        const int k = static_cast<int>(std::floor((r + 1.5) / 0.25));
        if (k >= 0 && k < 12) ++m.binCount[k];
    }
    return m;
}

void fitPlot(desk& page, const Measurement& m) {
    boxclass box(page);
    box.init(14, 14, 78, 94, 0.95f, 0.95f);
    box.dim(0, 10, -2, 2.5f, 2, 1, 1.5f, boxclass::TICKS_INSIDE);
    box.label("t // s", "U // V", 0.55f, 0, FONT_ROMAN, FONT_SANS);
    const COLOR fit = velora::seriescolor(0), data = velora::seriescolor(4);
    page.setfillopacity(0.3f);
    box.fillbetween(m.t, m.low, m.high, n, fit);
    page.setfillopacity(1.0f);
    box.connectpoints(m.t, m.fit, n, fit, 1.0f);
    box.showpoints(m.t, m.u, n, data, SYMBOL_FILLED + 5, 0.8f);
    const LegendEntry entries[] = {
        LegendEntry::points("measured", data, SYMBOL_FILLED + 5),
        LegendEntry::line("fit", fit),
        LegendEntry::area("1σ band", fit, 0.3f),
    };
    box.legend(entries, 3, boxclass::LEGEND_UPPER_RIGHT, 0.5f);
}

void residualsPlot(desk& page, const Measurement& m) {
    boxclass box(page);
    box.init(90, 14, 131, 94, 0.95f, 0.95f);
    box.dim(-1.5f, 1.5f, 0, 10, 1.5f, 2, 1.5f, boxclass::TICKS_INSIDE);
    box.label("residual // σ", "count", 0.55f, 0, FONT_ROMAN, FONT_SANS);
    box.showbars(m.binEdge, m.binCount, 12, velora::seriescolor(1), 0);
    double gx[61], gy[61];
    for (int i = 0; i <= 60; ++i) {
        gx[i] = -1.5 + 0.05 * i;
        gy[i] = n * 0.25 / std::sqrt(2 * 3.14159265) * std::exp(-gx[i] * gx[i] / 2);
    }
    box.connectpoints(gx, gy, 61, velora::seriescolor(2), 0.5f);
    const LegendEntry entries[] = {
        LegendEntry::area("residuals", velora::seriescolor(1)),
        LegendEntry::line("normal", velora::seriescolor(2), 0.5f),
    };
    box.legend(entries, 2, boxclass::LEGEND_UPPER_LEFT, 0.45f);
}

} // namespace

int main(int argc, char** argv) {
    return velora_examples::drawFigureFiles(argc, argv, "bands", VELORA_FONT_DIR, [](desk& page) {
        const Measurement m = measure();
        fitPlot(page, m);
        residualsPlot(page, m);
    });
}
