// A gallery of the scales a plot box offers besides the linear one, four plots on one desk: a
// Bode plot on a log frequency axis, a power-law spectrum on log-log axes with error bars, three
// hours of temperature readings against clock time, and temperature and pressure against one
// time axis with the pressure scale on the right.
// Usage: axes [name [font folder]] writes name.eps, name.pdf and name.svg (name "axes" if none).
#include <velora.h>

#include "../common/fontfolder.h"
#include "../common/noise.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr double pi = 3.14159265358979;
// 2026-12-07 14:05:17 UTC, the start of the readings.
constexpr double readingsStart = 1796652317.0;
constexpr double threeHours = 3 * 3600.0;

// A second-order low-pass at f0 = 1 kHz with Q = 2: its gain in dB and its phase in degrees.
void lowPass(double f, double& gainDb, double& phaseDeg) {
    const double r = f / 1000.0, q = 2.0;
    const double re = 1 - r * r, im = r / q;
    gainDb = -10 * std::log10(re * re + im * im);
    phaseDeg = -std::atan2(im, re) * 180 / pi;
}

void bodePlot(desk& page) {
    std::vector<double> f, gain, phase;
    for (int i = 0; i <= 200; ++i) {
        f.push_back(10 * std::pow(10.0, i / 50.0)); // 10 Hz .. 100 kHz
        double g, p;
        lowPass(f.back(), g, p);
        gain.push_back(g);
        phase.push_back(p);
    }
    const int n = static_cast<int>(f.size());
    {
        boxclass box(page);
        box.init(15, 78, 62, 94, 1, 1);
        box.setscale(boxclass::X_AXIS, boxclass::LOG10);
        box.dim(10, 1e5f, -80, 20, 0, 20, 2.5f, boxclass::TICKS_INSIDE);
        // No x caption: the phase box below labels the shared frequency axis.
        box.label("", "G // dB", 2.0f, 4, FONT_ROMAN, FONT_SANS);
        page.setpenwidth(0.6f);
        box.connectpoints(f.data(), gain.data(), n, 3, 1);
        page.setpenwidth(0.3f);
    }
    boxclass box(page);
    box.init(15, 59, 62, 75, 1, 1);
    box.setscale(boxclass::X_AXIS, boxclass::LOG10);
    box.dim(10, 1e5f, -180, 0, 0, 45, 2.5f, boxclass::TICKS_INSIDE);
    box.label("f // Hz", "φ // °", 2.0f, 4, FONT_ROMAN, FONT_SANS);
    page.setpenwidth(0.6f);
    box.connectpoints(f.data(), phase.data(), n, 1, 1);
    page.setpenwidth(0.3f);
}

void spectrumPlot(desk& page) {
    velora_examples::Noise noise(12345u);
    std::vector<double> f, power, error, law;
    for (int i = 0; i <= 24; ++i) {
        f.push_back(std::pow(10.0, i / 8.0)); // 1 Hz .. 1 kHz, eight points a decade
        law.push_back(std::pow(f.back(), -5.0 / 3.0));
        power.push_back(law.back() * (1 + 0.25 * noise.next()));
        error.push_back(0.3 * power.back());
    }
    const int n = static_cast<int>(f.size());
    boxclass box(page);
    box.init(86, 59, 126, 94, 1, 1);
    box.setscale(boxclass::X_AXIS, boxclass::LOG10);
    box.setscale(boxclass::Y_AXIS, boxclass::LOG10);
    box.dim(1, 1000, 1e-6f, 10, 0, 0, 1.5f, boxclass::TICKS_INSIDE);
    box.label("f // Hz", "P // (V^2//Hz)", 0.95f, 0, FONT_ROMAN, FONT_SANS);
    page.setpenwidth(0.4f);
    box.connectpoints(f.data(), law.data(), n, 10, 0.5f);
    box.showerrorbars(f.data(), power.data(), error.data(), n, 9, 0, 0.8f);
    box.showpoints(f.data(), power.data(), n, 3, 0x15, 0.8f);
    box.hwrite(20, 1, "P = f^{-5//3}", 0, FONT_SANS, 1.0f, 1, 0);
    page.setpenwidth(0.3f);
}

// Readings every five minutes over three hours, in seconds since the first one.
struct Readings {
    std::vector<double> t, temperature, pressure;
};

Readings takeReadings() {
    Readings r;
    velora_examples::Noise noise(12345u);
    for (int i = 0; i <= 36; ++i) {
        const double t = i * 300.0;
        r.t.push_back(t);
        r.temperature.push_back(21 + 1.5 * std::sin(2 * pi * t / 7200) + 0.15 * noise.next());
        r.pressure.push_back(1013 - 4 * t / threeHours + 0.4 * noise.next());
    }
    return r;
}

void temperaturePlot(desk& page, const Readings& r) {
    const int n = static_cast<int>(r.t.size());
    boxclass box(page);
    box.init(15, 13, 62, 47, 1, 1);
    box.settimeorigin(readingsStart);
    box.setscale(boxclass::X_AXIS, boxclass::TIME);
    box.dim(0, threeHours, 18, 24, 0, 1, 1, boxclass::TICKS_INSIDE);
    box.label("time (UTC)", "T // °C", 0.8f, 0, FONT_ROMAN, FONT_SANS);
    page.setpenwidth(0.4f);
    box.connectpoints(r.t.data(), r.temperature.data(), n, 1, 1);
    box.showpoints(r.t.data(), r.temperature.data(), n, 1, 0x13, 0.6f);
    page.setpenwidth(0.3f);
}

void twoScalesPlot(desk& page, const Readings& r) {
    const int n = static_cast<int>(r.t.size());
    boxclass box(page);
    box.init(86, 13, 117, 47, 1, 1);
    box.settimeorigin(readingsStart);
    box.setscale(boxclass::X_AXIS, boxclass::TIME);
    // Announced before dim, so that the temperature scale leaves the right side to the pressure.
    box.setscale(boxclass::Y2_AXIS, boxclass::LINEAR);
    box.dim(0, threeHours, 18, 24, 3600, 1, 1, boxclass::TICKS_INSIDE);
    box.dimright(1004, 1016, 4);
    box.label("time (UTC)", "T // °C", 0.95f, 0, FONT_ROMAN, FONT_SANS);
    box.labelright("p // hPa", 0.95f, FONT_ROMAN, FONT_SANS);
    page.setpenwidth(0.4f);
    box.connectpoints(r.t.data(), r.temperature.data(), n, 1, 1);
    box.useright(true);
    box.connectpoints(r.t.data(), r.pressure.data(), n, 3, 1);
    box.showpoints(r.t.data(), r.pressure.data(), n, 3, 0x12, 0.6f);
    box.useright(false);
    box.hwrite(6600, 18.8f, "T (left)", 1, FONT_SANS, 0.9f, 1, 0);
    box.hwrite(6600, 18.3f, "p (right)", 3, FONT_SANS, 0.9f, 1, 0);
    page.setpenwidth(0.3f);
}

} // namespace

int main(int argc, char** argv) {
    const std::string name = argc > 1 ? argv[1] : "axes";
    const std::string fonts =
        argc > 2 ? argv[2] : velora_examples::fontFolder(argv[0], VELORA_FONT_DIR);
    desk page;
    page.setfontpath(fonts.c_str());
    page.open(EPS | PDF | SVG, name.c_str());
    {
        const Readings readings = takeReadings();
        bodePlot(page);
        spectrumPlot(page);
        temperaturePlot(page, readings);
        twoScalesPlot(page, readings);
    }
    page.close();
    return 0;
}
