// The desk's hot path: a polyline of 1,000,000 points drawn with desk::draw through a viewport
// that hides about half of it, written as EPS and HPGL at once. Prints the time from opening to
// the finished files, the bytes written and the rate.
#include "velora.h"

#include "peers.h"

#include <chrono>
#include <cmath>
#include <cstdio>

int main() {
    const int points = 1000000;
    const auto start = std::chrono::steady_clock::now();
    {
        desk d;
        d.open(EPS | PLT, "deskbench");
        // The upper half of the page: the wave below y = 50 is clipped away.
        d.setviewport(0, 50, 133.33f, 100);
        d.move(0, 50);
        for (int i = 1; i < points; ++i) {
            const double x = 133.33 * i / points;
            const double y = 50.0 + 40.0 * std::sin(i * 0.002) + 5.0 * std::sin(i * 0.37);
            d.draw(static_cast<float>(x), static_cast<float>(y), -1);
        }
        d.close();
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const long bytes = peers::fileSize("deskbench.eps") + peers::fileSize("deskbench.plt");
    std::printf("desk::draw, %d points, EPS and PLT: %.3f s, %ld bytes, %.1f MB/s\n", points,
                seconds, bytes, bytes / seconds / 1e6);
    return 0;
}
