// The shared figure through the C++ classes, call for call: the reference the C interface's
// clients must match byte for byte.
#include "velora.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: twin <name> <font folder>\n");
        return 2;
    }
    constexpr int n = 41;
    double x[n], y[n], low[n], high[n];
    float xf[10], yf[10];
    for (int i = 0; i < n; ++i) {
        x[i] = i * 0.25;
        y[i] = ((i * 7) % 11) * 0.25 - 1.25;
        low[i] = y[i] - 0.25;
        high[i] = y[i] + 0.5;
    }
    for (int i = 0; i < 10; ++i) {
        xf[i] = static_cast<float>(i);
        yf[i] = 0.5f * static_cast<float>(i % 3) - 0.5f;
    }
    const COLOR orange = velora::rgb(200, 80, 20);
    const LegendEntry entries[] = {LegendEntry::line("fit", 3, 1.0f),
                                   LegendEntry::points("data", orange, 0x105)};

    desk page;
    page.setfontpath(argv[2]);
    page.open(EPS, argv[1]);
    {
        boxclass box(page);
        box.init(20, 15, 120, 90, 1, 1);
        box.dim(0, 10, -1.5f, 1.5f, 0, 0, 1, 0);
        box.label("t // s", "u // V", 1.0f, 0, FONT_ROMAN, FONT_SANS);
        page.setfillopacity(0.3f);
        box.fillbetween(x, low, high, n, velora::rgb(68, 119, 170));
        page.setfillopacity(1.0f);
        box.connectpoints(x, y, n, 3, 1.0f);
        box.connectpoints(x, high, n, 1, 0.5f);
        box.showpoints(xf, yf, 10, orange, 0x105, 1.0f);
        box.showerrorbars(xf, yf, yf, 10, 9, 0, 1.0f);
        box.hwrite(5, 1.2f, "Velora", 0, 0, 1.0f, 1, 1);
        box.legend(entries, 2, 0, 0.9f);
        page.line(5, 5, 30, 5, 1);
        fontclass text(page);
        text.hwrite(70, 95, "C interface", 2, 1, 1.0f, 0, 1);
    }
    page.close();
    return 0;
}
