// The C++ side of the Python package's benchmark (python_line.py): one box with a line of a
// million points into a PDF file, the data made before the clock starts. Prints the fastest of
// its runs (three, or as many as the third argument says) in seconds; python_line.py draws the
// same figure through the package, its runs and these taking turns.
#include "bestof.h"
#include "peers.h"
#include "velora.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
    const char* name = argc > 1 ? argv[1] : "pdfline_cxx";
    const char* fonts = argc > 2 ? argv[2] : VELORA_FONT_DIR;
    const int runs = argc > 3 ? std::atoi(argv[3]) : 3;
    constexpr int n = 1000000;
    std::vector<double> t(n), u(n);
    for (int i = 0; i < n; ++i) {
        t[i] = 10.0 * i / (n - 1);
        u[i] = std::exp(-t[i] / 3.5) * std::cos(2 * 3.14159265358979 * 0.55 * t[i]);
    }
    const double seconds = bestOf(runs, [&] {
        const auto start = peers::Clock::now();
        desk page;
        page.setfontpath(fonts);
        page.open(PDF, const_cast<char*>(name));
        {
            boxclass box(page);
            box.init(20, 15, 120, 90, 1, 1);
            box.dim(0, 10, -1, 1, 0, 0, 1, 0);
            box.label("t // s", "u // V", 1.0f, 0, FONT_ROMAN, FONT_SANS);
            box.connectpoints(t.data(), u.data(), n, 3, 1.0f);
        }
        page.close();
        return peers::secondsSince(start);
    });
    std::printf("%.4f\n", seconds);
    return 0;
}
