// The scope: a plot box that shows a new sweep of N samples every frame, taken from the ring
// buffer an acquisition writes into, as fast as the screen keeps up. A slider in a small window
// of its own sets N (1,000 ... 200,000); the frames per second are printed every second and shown
// in the slider window's title. Close either window to end.
// Usage: scope [seconds]: with a number, the scope stops after that many seconds, shows its last
// sweep for three seconds more and ends.
#include <panekit.h>
#include <velora.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

const int SLIDER_ID = 1;
const int thousandsAtStart = 20;

// Samples of a noisy, slowly drifting signal; the acquisition writes, the scope reads the
// newest sweep.
class RingBuffer {
public:
    explicit RingBuffer(int capacity) : samples(capacity), written(0) {}

    // What a converter would deliver: `count` new samples of three periods a sweep.
    void acquire(int count, int sweepLength) {
        for (int i = 0; i < count; ++i, ++written) {
            const double t = 6.283185307179586 * 3.0 * (written % sweepLength) / sweepLength;
            const double drift = 0.3 * std::sin(written * 1e-6);
            const double noise = 0.08 * std::sin(written * 12.9898) * std::sin(written * 0.731);
            samples[written % samples.size()] =
                static_cast<float>((1.0 + drift) * std::sin(t) + noise);
        }
    }
    // The newest `count` samples, oldest first.
    void newest(int count, std::vector<float>& out) const {
        out.resize(count);
        const std::size_t size = samples.size();
        for (int i = 0; i < count; ++i)
            out[i] = samples[(written - count + i) % size];
    }

private:
    std::vector<float> samples;
    unsigned long long written;
};

// The slider's window: sets the thousands of samples a sweep.
class ControlWindow : public WndExClass {
public:
    ControlWindow() {
        *this << Flag(5) << "ScopeControlWindow" << Flag(6) << "Scope";
        *this << Flag(1) << 0 << Flag(2) << 830 << Flag(3) << 1040 << Flag(4) << 120;
        slider << Flag(11) << reinterpret_cast<void*>(SLIDER_ID) << Flag(15)
               << "Samples a sweep (thousands) ";
        slider << Flag(1) << 20 << Flag(2) << 10 << Flag(3) << 990 << Flag(4) << 60;
        slider << Flag(16) << 1 << Flag(17) << 200 << Flag(18) << thousandsAtStart;
        *this <= slider;
        exData.classData = this;
        setWndProc(WndProc);
    }
    ~ControlWindow() override { wait(); }

    std::atomic<int> thousands{thousandsAtStart};
    std::atomic<bool> closed{false};

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = static_cast<ControlWindow*>(getClassData(hwnd));
        switch (message) {
        case WM_CLOSE:
            if (self) self->closed = true;
            WM_CLOSE_FKT(hwnd);
            break;
        case WM_DESTROY:
            WM_DESTROY_FKT(hwnd);
            break;
        case WM_COMMAND:
            // Every slider value, tracked or committed: identifier in the high word.
            if (self && HIWORD(wParam) == SLIDER_ID)
                self->thousands = static_cast<int>(lParam) < 1 ? 1 : static_cast<int>(lParam);
            break;
        }
        return WndRetFkt(hwnd, message, wParam, lParam);
    }

    Slider slider;
};

// A desk that tells whether its window is still open.
class ScopeDesk : public desk {
public:
    bool windowOpen() { return winscr && IsWindow(static_cast<HWND>(*winscr)); }
};

} // namespace

int main(int argc, char** argv) {
    using Clock = std::chrono::steady_clock;
    const double runSeconds = argc > 1 ? std::atof(argv[1]) : 0.0;
    // "smooth" after the seconds: antialiased lines.
    const bool smooth = argc > 2 && std::strcmp(argv[2], "smooth") == 0;

    ControlWindow control;
    if (!control.open()) return 1;

    ScopeDesk page;
    page.setfontpath(VELORA_FONT_DIR);
    page.open(SCREEN | (smooth ? SMOOTH : 0), "velora scope", desk::MakePosSize(0, 0, 1040, 820));
    boxclass box(page);
    box.init(18, 12, 128, 94, 1, 1);
    box.dim(0, 10, -1.5f, 1.5f, 0, 0, 1, boxclass::TICKS_INSIDE);
    box.label("time t (ms)", "signal U (V)", 0.5f, 0, FONT_ROMAN, FONT_SANS);

    RingBuffer ring(1 << 20);
    std::vector<float> t, u;
    const auto start = Clock::now();
    auto second = start;
    int frames = 0;
    while (!control.closed && page.windowOpen()) {
        const int n = control.thousands * 1000;
        if (static_cast<int>(t.size()) != n) {
            t.resize(n);
            for (int i = 0; i < n; ++i)
                t[i] = static_cast<float>(10.0 * i / n);
        }
        ring.acquire(n, n);
        ring.newest(n, u);
        box.clear(CLEAR_TO_VIEWPORT);
        page.setpenwidth(0.3f);
        box.connectpoints(t.data(), u.data(), n, 3, 1);
        ++frames;

        const auto now = Clock::now();
        const double elapsed = std::chrono::duration<double>(now - second).count();
        if (elapsed >= 1.0) {
            char text[96];
            std::snprintf(text, sizeof text, "Scope - N = %d: %.1f frames/s", n, frames / elapsed);
            std::printf("%s\n", text);
            std::fflush(stdout);
            SetWindowTextA(control, text);
            frames = 0;
            second = now;
        }
        if (runSeconds > 0 && std::chrono::duration<double>(now - start).count() > runSeconds)
            break;
    }
    // Timed out: the last sweep stays on the screen a moment before the windows close.
    if (runSeconds > 0) Sleep(3000);
    control.close();
    page.close();
    return 0;
}
