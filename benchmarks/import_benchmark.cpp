// The EPS import: a file of a 1,000,000-point polyline in changing colours and a 256 x 256
// picture of each kind, written by the library, read back onto a desk opened on EPS and HPGL.
// Prints the time of the import (the copy's files finished) and the rate in bytes of input; for
// scale, the time Ghostscript takes to interpret the same file (bbox device), where installed.
#include "velora.h"

#include "peers.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

// Ghostscript's console program: "gs" on Linux, named for the word size on Windows.
#if defined(_WIN64)
const char ghostscript[] = "gswin64c";
#elif defined(_WIN32)
const char ghostscript[] = "gswin32c";
#else
const char ghostscript[] = "gs";
#endif

void writeOriginal(int points) {
    desk d;
    d.open(EPS, "importbench");
    d.np();
    d.move(0, 50);
    for (int i = 1; i < points; ++i) {
        const double x = 133.33 * i / points;
        const double y = 50.0 + 40.0 * std::sin(i * 0.002) + 5.0 * std::sin(i * 0.37);
        d.draw(static_cast<float>(x), static_cast<float>(y), i / 1000 % 16);
    }
    d.st();
    bitmap grey(256, 256);
    bitmap24 colour(256, 256);
    for (int r = 0; r < 256; ++r)
        for (int c = 0; c < 256; ++c) {
            grey[r][c] = static_cast<unsigned char>(r ^ c);
            colour(static_cast<short>(r), static_cast<short>(c))[1] = static_cast<unsigned char>(c);
        }
    d.putbmp(10, 10, 40, 40, grey);
    d.putbmp(50, 10, 80, 40, colour);
    d.close();
}

} // namespace

int main() {
    const int points = 1000000;
    writeOriginal(points);
    const long input = peers::fileSize("importbench.eps");

    const auto start = peers::Clock::now();
    {
        desk d;
        d.open(EPS | PLT, "importbench-copy");
        d.showeps("importbench");
        d.close();
    }
    const double seconds = peers::secondsSince(start);
    std::printf("desk::showeps, %d points and two 256 x 256 pictures (%ld bytes), onto EPS and "
                "PLT: %.3f s, %.1f MB/s of input\n",
                points, input, seconds, input / seconds / 1e6);

    if (peers::commandRuns(std::string(ghostscript) + " --version")) {
        const auto gsStart = peers::Clock::now();
        const bool interpreted =
            peers::commandRuns(std::string(ghostscript) +
                               " -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=bbox importbench.eps");
        const double gsSeconds = peers::secondsSince(gsStart);
        if (interpreted)
            std::printf("Ghostscript interpreting the same file (bbox device): %.3f s, "
                        "import / Ghostscript %.2f\n",
                        gsSeconds, seconds / gsSeconds);
    }
    return 0;
}
