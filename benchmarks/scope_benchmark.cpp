// Live plotting on the screen under Wine or Windows, in a 1040 x 820 window: a plot box redrawn
// frame after frame (clear to its viewport, then a polyline of N noisy sine points) at N = 10,000
// and 100,000, in frames per second; then 1,000,000 segments appended with live drawing. Each
// figure is printed beside the time of one full repaint of the same display lists. Every frame is
// put on the window before the next one starts; the screen counts as up to date when the
// window's thread has answered a message sent after the last command.
#include <velora.h>

#include "devices/selector/winscr.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// A desk that lets the benchmark reach its window.
class ScreenDesk : public desk {
public:
    HWND window() { return winscr ? static_cast<HWND>(*winscr) : nullptr; }
    // Puts the frame on the window now, not at the window's next timer tick.
    void show() {
        if (winscr) winscr->flushLive();
    }
};

void upToDate(HWND hwnd) {
    SendMessageA(hwnd, WM_NULL, 0, 0);
}

// One repaint of the whole window from its display lists, on the window's thread.
double repaintSeconds(HWND hwnd) {
    upToDate(hwnd);
    const auto start = Clock::now();
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    upToDate(hwnd);
    return secondsSince(start);
}

// The acquired signal, as a scope's ring buffer holds it: a sine of three periods a sweep with
// a little deterministic noise, a few sweeps long; each frame shows the next N samples.
class RingBuffer {
public:
    explicit RingBuffer(int sweepLength) : samples(4 * sweepLength + 1000), next(0) {
        for (std::size_t i = 0; i < samples.size(); ++i) {
            const double t = 6.283185307179586 * 3.0 * static_cast<double>(i) / sweepLength;
            samples[i] = static_cast<float>(std::sin(t) + 0.1 * std::sin(i * 12.9898));
        }
    }
    // The next sweep of `n` samples, shifted a little against the last one.
    const float* sweep(int n) {
        if (next + n > samples.size()) next = 0;
        const float* start = samples.data() + next;
        next += 997;
        return start;
    }

private:
    std::vector<float> samples;
    std::size_t next;
};

void framesPerSecond(int n, double minimumSeconds) {
    ScreenDesk page;
    page.setfontpath(VELORA_FONT_DIR);
    page.open(SCREEN, "scope benchmark", desk::MakePosSize(0, 0, 1040, 820));
    HWND hwnd = page.window();
    boxclass box(page);
    box.init(12, 10, 128, 94, 1, 1);
    box.dim(0, static_cast<float>(n), -1.5f, 1.5f, 0, 0, 1, boxclass::TICKS_INSIDE);
    std::vector<float> x(n);
    for (int i = 0; i < n; ++i)
        x[i] = static_cast<float>(i);
    RingBuffer ring(n);
    upToDate(hwnd);

    int frames = 0;
    const auto start = Clock::now();
    double seconds = 0;
    while (seconds < minimumSeconds || frames < 10) {
        box.clear(CLEAR_TO_VIEWPORT);
        box.connectpoints(x.data(), ring.sweep(n), n, 3, 1);
        page.show(); // every frame reaches the window
        ++frames;
        if (frames % 10 == 0) {
            upToDate(hwnd);
            seconds = secondsSince(start);
        }
    }
    const double repaint = repaintSeconds(hwnd);
    std::printf("scope, N = %6d: %7.1f frames/s (%d frames in %.2f s); one repaint %.4f s\n", n,
                frames / seconds, frames, seconds, repaint);
    page.close();
}

void appendSegments(int segments) {
    ScreenDesk page;
    page.open(SCREEN, "scope benchmark", desk::MakePosSize(0, 0, 1040, 820));
    HWND hwnd = page.window();
    upToDate(hwnd);
    const auto start = Clock::now();
    page.setcolor(3);
    page.move(0, 50);
    for (int i = 1; i <= segments; ++i) {
        const double x = 133.0 * i / segments;
        const double y = 50.0 + 30.0 * std::sin(i * 0.002) + 4.0 * std::sin(i * 0.37);
        page.draw(static_cast<float>(x), static_cast<float>(y), -1);
    }
    upToDate(hwnd);
    const double append = secondsSince(start);
    const double repaint = repaintSeconds(hwnd);
    std::printf("scope, %d segments appended with live drawing: %.3f s; one repaint %.3f s\n",
                segments, append, repaint);
    page.close();
}

} // namespace

int main() {
    framesPerSecond(10000, 3.0);
    framesPerSecond(100000, 3.0);
    appendSegments(1000000);
    return 0;
}
