// Live plotting on the screen under Wine or Windows, in a 1040 x 820 window: a plot box redrawn
// frame after frame (clear to its viewport, then a polyline of N noisy sine points) at N = 10,000
// and 100,000, in frames per second; then 1,000,000 segments appended with live drawing. Each
// figure is printed beside the time of one full repaint of the same display lists. Every frame is
// put on the window before the next one starts; the screen counts as up to date when the
// window's thread has answered a message sent after the last command. Between its own runs it
// runs the peer, QCustomPlot (qcustomplot_scope, a native program of the native build), on the
// same display, and prints the ratio of the two rates.
#include <velora.h>

#include "devices/selector/winscr.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
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

// The peer's frames/s at N, -1 where it is not built. Under Wine a Unix program is started like
// any other; it writes its figure into a file that both sides can reach.
double qcustomplotFramesPerSecond(int n, double minimumSeconds) {
    const char* given = std::getenv("VELORA_QCUSTOMPLOT_SCOPE");
    const std::string peer = given ? given : VELORA_QCUSTOMPLOT_SCOPE;
    const std::string result = "/tmp/velora-qcustomplot-" + std::to_string(GetCurrentProcessId());
    std::string line = "/bin/sh -c \"test -x " + peer + " && " + peer + " " + std::to_string(n) +
                       " " + std::to_string(minimumSeconds) + " " + result + "\"";
    STARTUPINFOA start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start,
                        &process))
        return -1;
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    // Wine shows the Unix root as drive Z:.
    const std::string windowsResult = "Z:" + result;
    double rate = -1;
    if (std::FILE* file = std::fopen(windowsResult.c_str(), "r")) {
        if (std::fscanf(file, "%lf", &rate) != 1) rate = -1;
        std::fclose(file);
    }
    std::remove(windowsResult.c_str());
    return rate;
}

double framesPerSecond(int n, double minimumSeconds, int flags = 0) {
    ScreenDesk page;
    page.setfontpath(VELORA_FONT_DIR);
    page.open(SCREEN | flags, "scope benchmark", desk::MakePosSize(0, 0, 1040, 820));
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
    std::printf("scope, N = %6d%s: %7.1f frames/s (%d frames in %.2f s); one repaint %.4f s\n", n,
                flags & SMOOTH ? ", SMOOTH" : "", frames / seconds, frames, seconds, repaint);
    page.close();
    return frames / seconds;
}

// Velora and QCustomPlot take turns, twice each; the better run of each is compared.
// Velora's smooth lines are measured in the same turns; QCustomPlot antialiases its graph.
void besideQCustomPlot(int n, double minimumSeconds) {
    double ours = 0, smooth = 0, theirs = -1;
    for (int turn = 0; turn < 2; ++turn) {
        ours = std::max(ours, framesPerSecond(n, minimumSeconds));
        smooth = std::max(smooth, framesPerSecond(n, minimumSeconds, SMOOTH));
        theirs = std::max(theirs, qcustomplotFramesPerSecond(n, minimumSeconds));
    }
    if (theirs < 0)
        std::printf("  QCustomPlot: not built here (install libqcustomplot-dev, build the native "
                    "preset)\n");
    else
        std::printf("  N = %6d: velora %7.1f frames/s, QCustomPlot %7.1f frames/s: %.2f times "
                    "its rate\n",
                    n, ours, theirs, ours / theirs);
    if (theirs > 0)
        std::printf("  N = %6d: velora SMOOTH %7.1f frames/s: %.2f times QCustomPlot's rate\n", n,
                    smooth, smooth / theirs);
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
    besideQCustomPlot(10000, 3.0);
    besideQCustomPlot(100000, 3.0);
    appendSegments(1000000);
    return 0;
}
