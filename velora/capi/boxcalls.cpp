// The plot box's calls of the C interface.
#include "capi/boundary.h"

#include "plot/boxclass.h"

#include <vector>

using velora::capi::DeskState;
using velora::capi::guarded;
using velora::capi::openDesk;
using velora::capi::Refusal;
using velora::capi::requireArray;
using velora::capi::requireText;
using velora::capi::stateOf;

namespace {

// Runs a call of a box whose desk is open.
template <class Work> int onBox(velora_box* b, Work&& work) {
    DeskState* state = stateOf(b);
    return guarded(state, [&] {
        if (!state || !b->box)
            throw Refusal{VELORA_INVALID, "Velora: no box (a null handle, or one of another kind)"};
        if (state->freed || !state->open)
            throw Refusal{VELORA_CLOSED, "Velora: the box's desk is not open"};
        work(*b->box);
    });
}

// A series of arrays of n values each.
template <class Work>
int series(velora_box* b, int n, std::initializer_list<const void*> arrays, Work&& work) {
    return onBox(b, [&](boxclass& box) {
        for (const void* values : arrays)
            requireArray(values, n);
        work(box);
    });
}

void requireGrid(const void* z, int nx, int ny) {
    requireArray(z, nx < 0 || ny < 0 ? -1 : nx > 0 && ny > 0 ? 1 : 0);
}

COLORMAPS mapOf(int map) {
    if (map < MAP_VIRIDIS || map > MAP_TURBO)
        throw Refusal{VELORA_INVALID, "Velora: a colour map is 0 ... 5"};
    return static_cast<COLORMAPS>(map);
}

velora::ColourMap tableOf(const unsigned char* table) {
    if (!table) throw Refusal{VELORA_INVALID, "Velora: a colour map's table is 768 bytes"};
    return velora::ColourMap(table);
}

std::vector<LegendEntry> legendOf(const velora_legend_entry* entries, int n) {
    requireArray(entries, n);
    std::vector<LegendEntry> legend;
    for (int i = 0; i < n; ++i) {
        requireText(entries[i].text);
        legend.push_back({entries[i].text, entries[i].colour, entries[i].dash, entries[i].marker,
                          entries[i].patch});
    }
    return legend;
}

} // namespace

extern "C" {

velora_box* VELORA_CALL velora_box_new(velora_desk* d) {
    velora_box* made = nullptr;
    guarded(stateOf(d), [&] {
        DeskState& state = openDesk(d);
        auto box = std::make_unique<velora_box>();
        box->state = d->state;
        box->box = std::make_unique<boxclass>(state.page);
        made = box.release();
    });
    return made;
}

int VELORA_CALL velora_box_free(velora_box* b) {
    if (!b) return VELORA_OK;
    if (!stateOf(b)) return onBox(b, [](boxclass&) {});
    const int status = guarded(b->state.get(), [&] { b->box.reset(); });
    delete b;
    return status;
}

int VELORA_CALL velora_box_init(velora_box* b, float x1, float y1, float x2, float y2, float fillx,
                                float filly) {
    return onBox(b, [&](boxclass& box) { box.init(x1, y1, x2, y2, fillx, filly); });
}

int VELORA_CALL velora_box_dim(velora_box* b, float xmin, float xmax, float ymin, float ymax,
                               float xstep, float ystep, float tickfactor, int side) {
    return onBox(
        b, [&](boxclass& box) { box.dim(xmin, xmax, ymin, ymax, xstep, ystep, tickfactor, side); });
}

int VELORA_CALL velora_box_setscale(velora_box* b, int axis, int scale) {
    return onBox(b, [&](boxclass& box) {
        if (axis < boxclass::X_AXIS || axis > boxclass::Z_AXIS || scale < boxclass::LINEAR ||
            scale > boxclass::TIME)
            throw Refusal{VELORA_INVALID, "Velora: an axis is 0 ... 3, a scale 0 ... 2"};
        box.setscale(axis, scale);
    });
}

int VELORA_CALL velora_box_settimeorigin(velora_box* b, double seconds) {
    return onBox(b, [&](boxclass& box) { box.settimeorigin(seconds); });
}

int VELORA_CALL velora_box_settimezone(velora_box* b, int minutes) {
    return onBox(b, [&](boxclass& box) { box.settimezone(minutes); });
}

int VELORA_CALL velora_box_setrange(velora_box* b, int axis, double min, double max) {
    return onBox(b, [&](boxclass& box) {
        if (axis < boxclass::X_AXIS || axis > boxclass::Y2_AXIS)
            throw Refusal{VELORA_INVALID, "Velora: a range's axis is 0 ... 2"};
        box.setrange(axis, min, max);
    });
}

int VELORA_CALL velora_box_dimright(velora_box* b, float ymin, float ymax, float ystep) {
    return onBox(b, [&](boxclass& box) { box.dimright(ymin, ymax, ystep); });
}

int VELORA_CALL velora_box_labelright(velora_box* b, const char* text, float size, int captionfont,
                                      int tickfont) {
    return onBox(b, [&](boxclass& box) {
        requireText(text);
        box.labelright(text, size, captionfont, tickfont);
    });
}

int VELORA_CALL velora_box_useright(velora_box* b, int on) {
    return onBox(b, [&](boxclass& box) { box.useright(on != 0); });
}

int VELORA_CALL velora_box_setaccuracy(velora_box* b, float ax, float ay) {
    return onBox(b, [&](boxclass& box) { box.setaccuracy(ax, ay); });
}

int VELORA_CALL velora_box_setAxisModulo(velora_box* b, int axis, int modulo) {
    return onBox(b, [&](boxclass& box) { box.setAxisModulo(axis, modulo); });
}

int VELORA_CALL velora_box_label(velora_box* b, const char* xtext, const char* ytext, float size,
                                 int ywidth, int captionfont, int tickfont) {
    return onBox(b, [&](boxclass& box) {
        requireText(xtext);
        requireText(ytext);
        box.label(xtext, ytext, size, ywidth, captionfont, tickfont);
    });
}

int VELORA_CALL velora_box_showpoints_d(velora_box* b, const double* x, const double* y, int n,
                                        int colour, int symbol, float scale) {
    return series(b, n, {x, y},
                  [&](boxclass& box) { box.showpoints(x, y, n, colour, symbol, scale); });
}

int VELORA_CALL velora_box_showpoints_f(velora_box* b, const float* x, const float* y, int n,
                                        int colour, int symbol, float scale) {
    return series(b, n, {x, y},
                  [&](boxclass& box) { box.showpoints(x, y, n, colour, symbol, scale); });
}

int VELORA_CALL velora_box_showerrorbars_d(velora_box* b, const double* x, const double* y,
                                           const double* err, int n, int symbol, int colour,
                                           float scale) {
    return series(b, n, {x, y, err},
                  [&](boxclass& box) { box.showerrorbars(x, y, err, n, symbol, colour, scale); });
}

int VELORA_CALL velora_box_showerrorbars_f(velora_box* b, const float* x, const float* y,
                                           const float* err, int n, int symbol, int colour,
                                           float scale) {
    return series(b, n, {x, y, err},
                  [&](boxclass& box) { box.showerrorbars(x, y, err, n, symbol, colour, scale); });
}

int VELORA_CALL velora_box_showhistogram_d(velora_box* b, const double* x, const double* y, int n,
                                           int colour) {
    return series(b, n, {x, y}, [&](boxclass& box) { box.showhistogram(x, y, n, colour); });
}

int VELORA_CALL velora_box_showhistogram_f(velora_box* b, const float* x, const float* y, int n,
                                           int colour) {
    return series(b, n, {x, y}, [&](boxclass& box) { box.showhistogram(x, y, n, colour); });
}

int VELORA_CALL velora_box_connectpoints_d(velora_box* b, const double* x, const double* y, int n,
                                           int colour, float dash) {
    return series(b, n, {x, y}, [&](boxclass& box) { box.connectpoints(x, y, n, colour, dash); });
}

int VELORA_CALL velora_box_connectpoints_f(velora_box* b, const float* x, const float* y, int n,
                                           int colour, float dash) {
    return series(b, n, {x, y}, [&](boxclass& box) { box.connectpoints(x, y, n, colour, dash); });
}

int VELORA_CALL velora_box_fillbetween_d(velora_box* b, const double* x, const double* ylow,
                                         const double* yhigh, int n, int colour) {
    return series(b, n, {x, ylow, yhigh},
                  [&](boxclass& box) { box.fillbetween(x, ylow, yhigh, n, colour); });
}

int VELORA_CALL velora_box_fillbetween_f(velora_box* b, const float* x, const float* ylow,
                                         const float* yhigh, int n, int colour) {
    return series(b, n, {x, ylow, yhigh},
                  [&](boxclass& box) { box.fillbetween(x, ylow, yhigh, n, colour); });
}

int VELORA_CALL velora_box_fillto_d(velora_box* b, const double* x, const double* y, int n,
                                    double base, int colour) {
    return series(b, n, {x, y}, [&](boxclass& box) { box.fillto(x, y, n, base, colour); });
}

int VELORA_CALL velora_box_fillto_f(velora_box* b, const float* x, const float* y, int n,
                                    double base, int colour) {
    return series(b, n, {x, y}, [&](boxclass& box) { box.fillto(x, y, n, base, colour); });
}

int VELORA_CALL velora_box_showbars_d(velora_box* b, const double* x, const double* y, int n,
                                      int fill, int line) {
    return series(b, n, {x, y}, [&](boxclass& box) { box.showbars(x, y, n, fill, line); });
}

int VELORA_CALL velora_box_showbars_f(velora_box* b, const float* x, const float* y, int n,
                                      int fill, int line) {
    return series(b, n, {x, y}, [&](boxclass& box) { box.showbars(x, y, n, fill, line); });
}

int VELORA_CALL velora_box_showvectors_d(velora_box* b, const double* x, const double* y, int n,
                                         int colour, float size) {
    return series(b, n, {x, y}, [&](boxclass& box) {
        // The box draws arrows from float values only.
        const std::vector<float> fx(x, x + (n > 0 ? n : 0)), fy(y, y + (n > 0 ? n : 0));
        box.showvectors(fx.data(), fy.data(), n, colour, size);
    });
}

int VELORA_CALL velora_box_showvectors_f(velora_box* b, const float* x, const float* y, int n,
                                         int colour, float size) {
    return series(b, n, {x, y}, [&](boxclass& box) { box.showvectors(x, y, n, colour, size); });
}

int VELORA_CALL velora_box_line(velora_box* b, float x1, float y1, float x2, float y2, int colour,
                                float dash) {
    return onBox(b, [&](boxclass& box) { box.line(x1, y1, x2, y2, colour, dash); });
}

int VELORA_CALL velora_box_vector(velora_box* b, float x1, float y1, float x2, float y2, int colour,
                                  float size) {
    return onBox(b, [&](boxclass& box) { box.vector(x1, y1, x2, y2, colour, size); });
}

int VELORA_CALL velora_box_pset(velora_box* b, float x, float y, int colour) {
    return onBox(b, [&](boxclass& box) { box.pset(x, y, colour); });
}

int VELORA_CALL velora_box_rec(velora_box* b, float x1, float y1, float x2, float y2, int colour) {
    return onBox(b, [&](boxclass& box) { box.rec(x1, y1, x2, y2, colour); });
}

int VELORA_CALL velora_box_setsymbol(velora_box* b, float x, float y, int colour, int symbol,
                                     float scale) {
    return onBox(b, [&](boxclass& box) { box.setsymbol(x, y, colour, symbol, scale); });
}

int VELORA_CALL velora_box_hwrite(velora_box* b, float x, float y, const char* text, int colour,
                                  int font, float size, float halign, float valign) {
    return onBox(b, [&](boxclass& box) {
        requireText(text);
        box.hwrite(x, y, text, colour, font, size, halign, valign);
    });
}

int VELORA_CALL velora_box_vwrite(velora_box* b, float x, float y, const char* text, int colour,
                                  int font, float size, float halign, float valign) {
    return onBox(b, [&](boxclass& box) {
        requireText(text);
        box.vwrite(x, y, text, colour, font, size, halign, valign);
    });
}

int VELORA_CALL velora_box_legend(velora_box* b, const velora_legend_entry* entries, int n,
                                  int corner, float size) {
    return onBox(b, [&](boxclass& box) {
        const std::vector<LegendEntry> legend = legendOf(entries, n);
        box.legend(legend.data(), n, corner, size);
    });
}

int VELORA_CALL velora_box_legendat(velora_box* b, const velora_legend_entry* entries, int n,
                                    double x, double y, float size) {
    return onBox(b, [&](boxclass& box) {
        const std::vector<LegendEntry> legend = legendOf(entries, n);
        box.legendat(legend.data(), n, x, y, size);
    });
}

int VELORA_CALL velora_box_showmap_d(velora_box* b, double x1, double y1, double x2, double y2,
                                     const double* z, int nx, int ny, double zmin, double zmax,
                                     int map) {
    return onBox(b, [&](boxclass& box) {
        requireGrid(z, nx, ny);
        box.showmap(x1, y1, x2, y2, z, nx, ny, zmin, zmax, mapOf(map));
    });
}

int VELORA_CALL velora_box_showmap_f(velora_box* b, double x1, double y1, double x2, double y2,
                                     const float* z, int nx, int ny, double zmin, double zmax,
                                     int map) {
    return onBox(b, [&](boxclass& box) {
        requireGrid(z, nx, ny);
        box.showmap(x1, y1, x2, y2, z, nx, ny, zmin, zmax, mapOf(map));
    });
}

int VELORA_CALL velora_box_showmap_table_d(velora_box* b, double x1, double y1, double x2,
                                           double y2, const double* z, int nx, int ny, double zmin,
                                           double zmax, const unsigned char* table) {
    return onBox(b, [&](boxclass& box) {
        requireGrid(z, nx, ny);
        box.showmap(x1, y1, x2, y2, z, nx, ny, zmin, zmax, tableOf(table));
    });
}

int VELORA_CALL velora_box_showmap_table_f(velora_box* b, double x1, double y1, double x2,
                                           double y2, const float* z, int nx, int ny, double zmin,
                                           double zmax, const unsigned char* table) {
    return onBox(b, [&](boxclass& box) {
        requireGrid(z, nx, ny);
        box.showmap(x1, y1, x2, y2, z, nx, ny, zmin, zmax, tableOf(table));
    });
}

int VELORA_CALL velora_box_setinvalidcolor(velora_box* b, int colour) {
    return onBox(b, [&](boxclass& box) { box.setinvalidcolor(colour); });
}

int VELORA_CALL velora_box_colorbar(velora_box* b, double zmin, double zmax, int map,
                                    const char* caption, float size, int captionfont,
                                    int tickfont) {
    return onBox(b, [&](boxclass& box) {
        requireText(caption);
        box.colorbar(zmin, zmax, mapOf(map), caption, size, captionfont, tickfont);
    });
}

int VELORA_CALL velora_box_colorbar_table(velora_box* b, double zmin, double zmax,
                                          const unsigned char* table, const char* caption,
                                          float size, int captionfont, int tickfont) {
    return onBox(b, [&](boxclass& box) {
        requireText(caption);
        box.colorbar(zmin, zmax, tableOf(table), caption, size, captionfont, tickfont);
    });
}

int VELORA_CALL velora_box_contour_d(velora_box* b, const double* z, int nx, int ny, double x1,
                                     double y1, double x2, double y2, const double* levels,
                                     int nlevels, int colour, float dash, float labelsize) {
    return onBox(b, [&](boxclass& box) {
        requireGrid(z, nx, ny);
        requireArray(levels, nlevels);
        box.contour(z, nx, ny, x1, y1, x2, y2, levels, nlevels, colour, dash, labelsize);
    });
}

int VELORA_CALL velora_box_contour_f(velora_box* b, const float* z, int nx, int ny, double x1,
                                     double y1, double x2, double y2, const float* levels,
                                     int nlevels, int colour, float dash, float labelsize) {
    return onBox(b, [&](boxclass& box) {
        requireGrid(z, nx, ny);
        requireArray(levels, nlevels);
        box.contour(z, nx, ny, x1, y1, x2, y2, levels, nlevels, colour, dash, labelsize);
    });
}

int VELORA_CALL velora_box_showbmp(velora_box* b, float x1, float y1, float x2, float y2,
                                   const char* file) {
    return onBox(b, [&](boxclass& box) {
        requireText(file);
        box.showbmp(x1, y1, x2, y2, file);
    });
}

int VELORA_CALL velora_box_clear(velora_box* b, int flag) {
    return onBox(b, [&](boxclass& box) {
        if (flag < CLEAR_AND_EMPTY || flag > CUT_TO_VIEWPORT)
            throw Refusal{VELORA_INVALID, "Velora: a clear flag is 0, 1 or 2"};
        box.clear(static_cast<ClearFlag>(flag));
    });
}

} // extern "C"
