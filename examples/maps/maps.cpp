// A field on a grid, the second most common plot after the x-y curve: a map of the values
// through a colour map with contour lines over it and a colour bar beside it, and the same kind
// of data on a log colour scale (a diffraction pattern whose intensity spans five decades).
// Usage: maps [name [font folder]] writes name.eps, name.pdf and name.svg (name "maps" if none);
// on Windows the figure is shown on the screen too and saved as name-screen.png.
#include <velora.h>

#include "../common/figurefiles.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr int nx = 120, ny = 90;

// Two hills and a valley over (-3, 3) x (-2, 2), with a hole where a sensor failed.
std::vector<double> field() {
    std::vector<double> z(nx * ny);
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i) {
            const double x = -3 + 6 * (i + 0.5) / nx, y = -2 + 4 * (j + 0.5) / ny;
            z[j * nx + i] = 3 * std::exp(-((x + 1) * (x + 1) + (y - 0.5) * (y - 0.5))) +
                            2 * std::exp(-((x - 1.4) * (x - 1.4) + (y + 0.8) * (y + 0.8)) / 0.6) -
                            1.5 * std::exp(-((x - 0.8) * (x - 0.8) + (y - 1.3) * (y - 1.3)) / 0.4);
        }
    for (int j = 10; j < 16; ++j)
        for (int i = 90; i < 98; ++i)
            z[j * nx + i] = std::nan("");
    return z;
}

// The intensity behind a square aperture: sinc squared in both directions.
std::vector<float> diffraction() {
    std::vector<float> z(nx * ny);
    const auto sinc = [](double u) { return u == 0 ? 1.0 : std::sin(u) / u; };
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i) {
            const double u = (-20 + 40 * (i + 0.5) / nx), v = (-15 + 30 * (j + 0.5) / ny);
            const double s = sinc(u) * sinc(v);
            z[j * nx + i] = static_cast<float>(s * s + 1e-5);
        }
    return z;
}

void fieldPlot(desk& page) {
    const std::vector<double> z = field();
    boxclass box(page);
    box.init(14, 16, 45, 92, 0.95f, 0.95f);
    box.dim(-3, 3, -2, 2, 2, 1, 1.5f, boxclass::TICKS_INSIDE);
    box.label("x // mm", "y // mm", 0.55f, 0, FONT_ROMAN, FONT_SANS);
    box.showmap(-3, -2, 3, 2, z.data(), nx, ny, -1.5, 3.0, MAP_VIRIDIS);
    box.contour(z.data(), nx, ny, -3, -2, 3, 2, static_cast<const double*>(nullptr), 0,
                velora::rgb(255, 255, 255), 0, 0.4f);
    box.colorbar(-1.5, 3.0, MAP_VIRIDIS, "height // $m$m", 0.45f);
}

void diffractionPlot(desk& page) {
    const std::vector<float> z = diffraction();
    boxclass box(page);
    box.init(86, 16, 110, 92, 0.95f, 0.95f);
    box.dim(-20, 20, -15, 15, 20, 5, 1.5f, boxclass::TICKS_INSIDE);
    box.label("k_x // mm^{-1}", "k_y // mm^{-1}", 0.55f, 0, FONT_ROMAN, FONT_SANS);
    box.setscale(boxclass::Z_AXIS, boxclass::LOG10);
    box.showmap(-20, -15, 20, 15, z.data(), nx, ny, 1e-5, 1.0, MAP_MAGMA);
    box.colorbar(1e-5, 1.0, MAP_MAGMA, "intensity", 0.45f);
}

} // namespace

int main(int argc, char** argv) {
    return velora_examples::drawFigureFiles(argc, argv, "maps", VELORA_FONT_DIR, [](desk& page) {
        fieldPlot(page);
        diffractionPlot(page);
    });
}
