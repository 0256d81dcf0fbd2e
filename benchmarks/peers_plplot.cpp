#include "peers.h"

#include <cstdio>
#include <cstdlib>

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

bool commandRuns(const std::string& command) {
#ifdef _WIN32
    const char* quiet = " >NUL 2>&1";
#else
    const char* quiet = " >/dev/null 2>&1";
#endif
    return std::system((command + quiet).c_str()) == 0;
}

#ifdef VELORA_HAVE_PLPLOT

namespace {

// Times one figure through PLplot's colour PostScript driver, from choosing the device to the
// closed file, so that every peer figure pays the same set-up as ours.
template <typename Draw>
double timeDevice(const char* device, const char* file, const char* driverOptions, Draw draw) {
    const auto start = Clock::now();
    plsdev(device);
    plsfnam(file);
    if (driverOptions) plsetopt("drvopt", driverOptions);
    plinit();
    draw();
    plend();
    return secondsSince(start);
}

template <typename Draw> double timePsc(const char* file, const char* driverOptions, Draw draw) {
    return timeDevice("psc", file, driverOptions, draw);
}

PLINT count(const std::vector<double>& x) {
    return static_cast<PLINT>(x.size());
}

} // namespace

double plplotPolyline(const std::vector<double>& x, const std::vector<double>& y,
                      const char* file) {
    return timePsc(file, nullptr, [&] {
        plenv(0.0, 133.33, 0.0, 100.0, 0, -2);
        plline(count(x), x.data(), y.data());
    });
}

double plplotBoxPolyline(const std::vector<double>& x, const std::vector<double>& y,
                         const char* file) {
    return plplotBoxPolylineOn("psc", x, y, file);
}

double plplotBoxPolylineOn(const char* device, const std::vector<double>& x,
                           const std::vector<double>& y, const char* file) {
    return timeDevice(device, file, nullptr, [&] {
        plenv(0.0, 10.0, -1.5, 1.5, 0, 0);
        pllab("time t (s)", "signal U (V)", "");
        plcol0(9);
        plline(count(x), x.data(), y.data());
    });
}

double plplotBoxSquares(const std::vector<double>& x, const std::vector<double>& y,
                        const char* file) {
    return plplotBoxSquaresOn("psc", x, y, file);
}

double plplotBoxSquaresOn(const char* device, const std::vector<double>& x,
                          const std::vector<double>& y, const char* file, bool filled) {
    return timeDevice(device, file, nullptr, [&] {
        plenv(0.0, 10.0, -1.5, 1.5, 0, 0);
        pllab("x", "y", "");
        plssym(0.0, 0.3);
        // Code 6 is PLplot's open square, 16 its filled one.
        plpoin(count(x), x.data(), y.data(), filled ? 16 : 6);
    });
}

double plplotText(const std::vector<std::string>& lines, const char* file) {
    // Hershey strokes rather than PostScript fonts, as our text is stroked too.
    return timePsc(file, "text=0", [&] {
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
    });
}

#else // Without PLplot every peer figure reports that it was not measured.

double plplotPolyline(const std::vector<double>&, const std::vector<double>&, const char*) {
    return -1.0;
}
double plplotBoxPolyline(const std::vector<double>&, const std::vector<double>&, const char*) {
    return -1.0;
}
double plplotBoxSquares(const std::vector<double>&, const std::vector<double>&, const char*) {
    return -1.0;
}
double plplotText(const std::vector<std::string>&, const char*) {
    return -1.0;
}
double plplotBoxPolylineOn(const char*, const std::vector<double>&, const std::vector<double>&,
                           const char*) {
    return -1.0;
}
double plplotBoxSquaresOn(const char*, const std::vector<double>&, const std::vector<double>&,
                          const char*, bool) {
    return -1.0;
}

#endif

} // namespace peers
