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

// PLplot's matrices are columns of rows, f[i][j] the value at column i of row j, as doubles.
class PlplotMatrix {
public:
    explicit PlplotMatrix(const Grid& grid)
        : values(static_cast<std::size_t>(grid.nx) * grid.ny), columns(grid.nx) {
        for (int i = 0; i < grid.nx; ++i) {
            columns[i] = &values[static_cast<std::size_t>(i) * grid.ny];
            for (int j = 0; j < grid.ny; ++j)
                columns[i][j] = grid.z[static_cast<std::size_t>(j) * grid.nx + i];
        }
    }
    PLFLT_MATRIX matrix() const { return columns.data(); }

private:
    std::vector<PLFLT> values;
    std::vector<PLFLT*> columns;
};

// A viewport that leaves room for a colour bar on the right, the data window and the box with
// ticks and labels.
void mapBox(const Grid& grid) {
    pladv(0);
    plvpor(0.1, 0.78, 0.12, 0.9);
    plwind(grid.x1, grid.x2, grid.y1, grid.y2);
    plcol0(15);
    plbox("bcnst", 0.0, 0, "bcnstv", 0.0, 0);
    pllab("x (mm)", "y (mm)", "");
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

double plplotMapOn(const char* device, const Grid& grid, const unsigned char* rgb,
                   const char* file) {
    const PlplotMatrix f(grid);
    PLINT red[256], green[256], blue[256];
    for (int k = 0; k < 256; ++k) {
        red[k] = rgb[3 * k];
        green[k] = rgb[3 * k + 1];
        blue[k] = rgb[3 * k + 2];
    }
    return timeDevice(device, file, nullptr, [&] {
        plscmap1(red, green, blue, 256);
        mapBox(grid);
        plimage(f.matrix(), grid.nx, grid.ny, grid.x1, grid.x2, grid.y1, grid.y2, grid.zmin,
                grid.zmax, grid.x1, grid.x2, grid.y1, grid.y2);
        PLFLT width, height;
        const PLINT labelOptions[] = {PL_COLORBAR_LABEL_RIGHT};
        const char* labels[] = {"height (mm)"};
        const char* axisOptions[] = {"bcvtm"};
        const PLFLT ticks[] = {0.0};
        const PLINT subTicks[] = {0};
        const PLINT valueCounts[] = {2};
        const PLFLT range[] = {grid.zmin, grid.zmax};
        const PLFLT* values[] = {range};
        plcolorbar(&width, &height, PL_COLORBAR_IMAGE, PL_POSITION_RIGHT, 0.02, 0.0, 0.04, 0.78, 0,
                   15, 1, 0.0, 0.0, 0, 0.0, 1, labelOptions, labels, 1, axisOptions, ticks,
                   subTicks, valueCounts, values);
    });
}

double plplotContourOn(const char* device, const Grid& grid, const std::vector<double>& levels,
                       const char* file) {
    const PlplotMatrix f(grid);
    // Each value at the centre of its cell, as ours places it.
    std::vector<PLFLT> xs(grid.nx), ys(grid.ny);
    for (int i = 0; i < grid.nx; ++i)
        xs[i] = grid.x1 + (grid.x2 - grid.x1) * (i + 0.5) / grid.nx;
    for (int j = 0; j < grid.ny; ++j)
        ys[j] = grid.y1 + (grid.y2 - grid.y1) * (j + 0.5) / grid.ny;
    PLcGrid centres{xs.data(), ys.data(), nullptr, grid.nx, grid.ny, 0};
    return timeDevice(device, file, nullptr, [&] {
        mapBox(grid);
        plcol0(15);
        plcont(f.matrix(), grid.nx, grid.ny, 1, grid.nx, 1, grid.ny, levels.data(),
               static_cast<PLINT>(levels.size()), pltr1, &centres);
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

double plplotMapOn(const char*, const Grid&, const unsigned char*, const char*) {
    return -1.0;
}
double plplotContourOn(const char*, const Grid&, const std::vector<double>&, const char*) {
    return -1.0;
}

#endif

} // namespace peers
