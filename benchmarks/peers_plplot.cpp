#include "peers.h"

#include <cstdio>

#ifdef VELORA_HAVE_PLPLOT
#include <plplot.h>
#endif

namespace peers {

long fileSize(const char* name) {
    long bytes = 0;
    if (std::FILE* file = std::fopen(name, "rb")) {
        std::fseek(file, 0, SEEK_END);
        bytes = std::ftell(file);
        std::fclose(file);
    }
    return bytes;
}

double plplotPolyline(const std::vector<double>& x, const std::vector<double>& y,
                      const char* file) {
#ifdef VELORA_HAVE_PLPLOT
    const auto start = Clock::now();
    plsdev("psc");
    plsfnam(file);
    plinit();
    plenv(0.0, 133.33, 0.0, 100.0, 0, -2);
    plline(static_cast<PLINT>(x.size()), x.data(), y.data());
    plend();
    return secondsSince(start);
#else
    (void)x;
    (void)y;
    (void)file;
    return -1.0;
#endif
}

double plplotBoxPolyline(const std::vector<double>& x, const std::vector<double>& y,
                         const char* file) {
#ifdef VELORA_HAVE_PLPLOT
    const auto start = Clock::now();
    plsdev("psc");
    plsfnam(file);
    plinit();
    plenv(0.0, 10.0, -1.5, 1.5, 0, 0);
    pllab("time t (s)", "signal U (V)", "");
    plcol0(9);
    plline(static_cast<PLINT>(x.size()), x.data(), y.data());
    plend();
    return secondsSince(start);
#else
    (void)x;
    (void)y;
    (void)file;
    return -1.0;
#endif
}

double plplotBoxSquares(const std::vector<double>& x, const std::vector<double>& y,
                        const char* file) {
#ifdef VELORA_HAVE_PLPLOT
    const auto start = Clock::now();
    plsdev("psc");
    plsfnam(file);
    plinit();
    plenv(0.0, 10.0, -1.5, 1.5, 0, 0);
    pllab("x", "y", "");
    plssym(0.0, 0.3);
    // Code 6 is PLplot's open square.
    plpoin(static_cast<PLINT>(x.size()), x.data(), y.data(), 6);
    plend();
    return secondsSince(start);
#else
    (void)x;
    (void)y;
    (void)file;
    return -1.0;
#endif
}

double plplotText(const std::vector<std::string>& lines, const char* file) {
#ifdef VELORA_HAVE_PLPLOT
    const auto start = Clock::now();
    plsdev("psc");
    plsfnam(file);
    plsetopt("drvopt", "text=0");
    plinit();
    plenv(0.0, 133.33, 0.0, 100.0, 0, -2);
    plschr(0.0, 0.8);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double x = 2.0 + static_cast<double>(i % 7);
        const double y = 3.0 + static_cast<double>((i * 4) % 94);
        plcol0(static_cast<PLINT>(i % 16));
        if (i % 10 == 9)
            plptex(125.0, 50.0, 0.0, 1.0, 0.5, lines[i].c_str());
        else
            plptex(x, y, 1.0, 0.0, 0.0, lines[i].c_str());
    }
    plend();
    return secondsSince(start);
#else
    (void)lines;
    (void)file;
    return -1.0;
#endif
}

} // namespace peers
