// The waterfall: the spectrogram of a chirp, live. Every frame takes the next 2,048 samples of a
// tone sweeping up and down through the band, in noise, windows them, transforms them and
// shifts the 1,024 levels (in dB) in as the newest row of a 1,024 x 512 colour map, with its
// colour bar beside it. The frames per second are shown in the window's title. Close the window
// to end.
// Usage: waterfall [seconds [name]]: with a number, the waterfall stops after that many
// seconds, saves the screen as name-screen.png ("waterfall" if no name is given) and ends.
#include <velora.h>

#include <chrono>
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int bins = 1024, rows = 512, samples = 2 * bins;
constexpr double pi = 3.14159265358979323846;

// In-place radix-2 transform of a power-of-two length.
void transform(std::vector<std::complex<double>>& a) {
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (std::size_t length = 2; length <= n; length <<= 1) {
        const std::complex<double> turn = std::polar(1.0, -2 * pi / static_cast<double>(length));
        for (std::size_t i = 0; i < n; i += length) {
            std::complex<double> w = 1;
            for (std::size_t k = 0; k < length / 2; ++k, w *= turn) {
                const std::complex<double> even = a[i + k], odd = a[i + k + length / 2] * w;
                a[i + k] = even + odd;
                a[i + k + length / 2] = even - odd;
            }
        }
    }
}

// The signal: a chirp whose frequency swings between 5 % and 90 % of the band every 400 frames,
// its second harmonic, and noise.
class Chirp {
public:
    void next(std::vector<float>& levels) {
        for (int i = 0; i < samples; ++i, ++n) {
            const double sweep = 0.5 - 0.5 * std::cos(2 * pi * n / (400.0 * samples));
            phase += pi * (0.05 + 0.85 * sweep);
            noise = noise * 1664525u + 1013904223u;
            const double window = 0.5 - 0.5 * std::cos(2 * pi * i / samples);
            buffer[i] = window * (std::sin(phase) + 0.1 * std::sin(2 * phase) +
                                  0.05 * ((noise >> 8) / 8388608.0 - 1.0));
        }
        transform(buffer);
        levels.resize(bins);
        for (int k = 0; k < bins; ++k)
            levels[k] = static_cast<float>(20 * std::log10(std::abs(buffer[k]) / bins + 1e-9));
    }

private:
    std::vector<std::complex<double>> buffer = std::vector<std::complex<double>>(samples);
    double phase = 0;
    unsigned long long n = 0;
    unsigned noise = 1;
};

// A desk that tells whether its window is still open and sets its title.
class WaterfallDesk : public desk {
public:
    bool windowOpen() { return winscr && IsWindow(static_cast<HWND>(*winscr)); }
    void title(const char* text) {
        if (winscr) SetWindowTextA(static_cast<HWND>(*winscr), text);
    }
};

} // namespace

int main(int argc, char** argv) {
    using Clock = std::chrono::steady_clock;
    const double runSeconds = argc > 1 ? std::atof(argv[1]) : 0.0;
    const std::string name = argc > 2 ? argv[2] : "waterfall";

    WaterfallDesk page;
    page.setfontpath(VELORA_FONT_DIR);
    page.open(SCREEN, "velora waterfall", desk::MakePosSize(0, 0, 1040, 820));
    boxclass box(page);
    box.init(14, 12, 108, 94, 1, 1);
    box.dim(0, 1, 0, static_cast<float>(rows), 0.1f, 64, 1, boxclass::TICKS_INSIDE);
    box.label("frequency f // f_{Nyquist}", "frames ago", 0.5f, 0, FONT_ROMAN, FONT_SANS);
    box.colorbar(-100, 0, MAP_MAGMA, "level // dB", 0.5f);

    // Row 0 is the oldest, at the top; the newest enters at the bottom, 0 frames ago.
    std::vector<float> map(static_cast<std::size_t>(bins) * rows, -100.0f), levels;
    Chirp chirp;
    const auto start = Clock::now();
    auto second = start;
    int frames = 0;
    while (page.windowOpen()) {
        chirp.next(levels);
        std::copy(map.begin() + bins, map.end(), map.begin());
        std::copy(levels.begin(), levels.end(), map.end() - bins);
        box.clear(CLEAR_TO_VIEWPORT);
        box.showmap(0, rows, 1, 0, map.data(), bins, rows, -100, 0, MAP_MAGMA);
        ++frames;

        const auto now = Clock::now();
        const double elapsed = std::chrono::duration<double>(now - second).count();
        if (elapsed >= 1.0) {
            char text[96];
            std::snprintf(text, sizeof text, "velora waterfall - %d x %d: %.1f frames/s", bins,
                          rows, frames / elapsed);
            page.title(text);
            std::printf("%s\n", text);
            std::fflush(stdout);
            frames = 0;
            second = now;
        }
        if (runSeconds > 0 && std::chrono::duration<double>(now - start).count() > runSeconds) {
            page.savescreen((name + "-screen.png").c_str());
            break;
        }
    }
    page.close();
    return 0;
}
