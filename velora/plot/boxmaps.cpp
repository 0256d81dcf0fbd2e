// The pictures of data on a box: 2D arrays through a colour map, the colour bar that reads them,
// and contour lines. A map is an 8-bit picture whose palette is the colour map, so that every
// device shows it as it shows any picture, with its cells crisp.
#include "plot/boxclass.h"

#include "devices/selector/palette.h"
#include "image/bitmap.h"
#include "plot/contourlevels.h"
#include "plot/contourtracer.h"
#include "plot/logticks.h"
#include "plot/tickformat.h"
#include "text/fontclass.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <numeric>

namespace {

// Pictures are rows of a whole number of 8 pixels; a map as large as this (a side of 16,384
// pixels, 64 million in all) is the most a box draws.
constexpr long long largestSide = 1 << 14;
constexpr long long largestPicture = 1 << 26;

// The entry of the colour for values that are not finite, when there are any: the map's 256
// colours then share the 255 others.
constexpr int invalidEntry = 255;

void setPaletteEntry(bitmap& picture, int entry, COLOR colour) {
    unsigned char red, green, blue;
    if (velora::isTrueColour(colour)) {
        red = static_cast<unsigned char>(velora::redOf(colour));
        green = static_cast<unsigned char>(velora::greenOf(colour));
        blue = static_cast<unsigned char>(velora::blueOf(colour));
    } else {
        const PaletteColour c = Palette::of(static_cast<unsigned>(colour));
        red = c.red;
        green = c.green;
        blue = c.blue;
    }
    // The file's palette holds blue, green, red and a spare byte.
    unsigned char* slot = picture.GetInfoHeader() + 40 + 4 * entry;
    slot[0] = blue;
    slot[1] = green;
    slot[2] = red;
    slot[3] = 0;
}

// The palette of a map: its 256 colours, or 255 of them and the invalid colour.
void setMapPalette(bitmap& picture, const velora::ColourMap& map, bool withInvalid, COLOR invalid) {
    picture.setcolourpalette(true);
    const int shades = withInvalid ? velora::ColourMap::entries - 1 : velora::ColourMap::entries;
    for (int k = 0; k < shades; ++k) {
        // The middle of the entries that share this shade.
        const int entry = withInvalid ? (k * 256 + 128) / 255 : k;
        setPaletteEntry(picture, k, map.colour(entry));
    }
    if (withInvalid) setPaletteEntry(picture, invalidEntry, invalid);
}

// The smallest positive finite value and the largest: the range of a log map.
template <typename T> bool positiveRange(const T* z, long long count, double& lo, double& hi) {
    bool found = false;
    for (long long i = 0; i < count; ++i) {
        const double v = z[i];
        if (!(v > 0.0) || !std::isfinite(v)) continue;
        if (!found || v < lo) lo = v;
        if (!found || v > hi) hi = v;
        found = true;
    }
    return found;
}

} // namespace

template <typename T>
void boxclass::mapOf(double x1, double y1, double x2, double y2, const T* z, int nx, int ny,
                     double zmin, double zmax, const velora::ColourMap& map) {
    if (!z || nx <= 0 || ny <= 0) return;
    const float left = bx(x1), right = bx(x2), bottom = by(y1), top = by(y2);
    if (!std::isfinite(left) || !std::isfinite(right) || !std::isfinite(bottom) ||
        !std::isfinite(top) || left == right || bottom == top)
        return;
    // Each cell is as many columns wide as make the rows whole multiples of 8.
    const int repeat = 8 / std::gcd(nx, 8);
    const long long width = static_cast<long long>(nx) * repeat;
    if (width > largestSide || ny > largestSide || width * ny > largestPicture) return;
    const long long cells = static_cast<long long>(nx) * ny;
    const bool logScale = zLog;
    if (!(zmin < zmax) && !(zmin > zmax)) {
        // No range given: the data's.
        const bool found = logScale ? positiveRange(z, cells, zmin, zmax)
                                    : velora::finiteRange(z, cells, zmin, zmax);
        if (!found) zmin = zmax = 0.0;
    }
    if (zmin > zmax) std::swap(zmin, zmax);

    std::vector<unsigned char> entries(static_cast<std::size_t>(cells));
    bool anyInvalid = false;
    for (long long i = 0; i < cells; ++i) {
        const int entry = map.index(z[i], zmin, zmax, logScale);
        anyInvalid |= entry < 0;
        entries[static_cast<std::size_t>(i)] = static_cast<unsigned char>(entry < 0 ? 0 : entry);
    }
    // After the box was cleared no record shows its last map any more: a map of the same size
    // takes its picture over, so that a map redrawn frame after frame (a waterfall) costs no
    // memory more than the first.
    std::unique_ptr<bitmap> made;
    bitmap* picture = mapPicture;
    if (!picture || !mapReusable || picture->getwidth() != width || picture->getheight() != ny) {
        made = std::make_unique<bitmap>(static_cast<int>(width), ny);
        picture = made.get();
    }
    setMapPalette(*picture, map, anyInvalid, invalidColour);
    // The picture's bottom row is the lower one on the page; a box whose axis runs the other
    // way turns the rows (or columns) round.
    const bool rowsDown = bottom > top, columnsBack = left > right;
    for (int j = 0; j < ny; ++j) {
        unsigned char* row = (*picture)[rowsDown ? ny - 1 - j : j];
        const long long first = static_cast<long long>(j) * nx;
        for (int i = 0; i < nx; ++i) {
            const long long k = first + i;
            int entry = entries[static_cast<std::size_t>(k)];
            if (anyInvalid)
                entry = std::isfinite(static_cast<double>(z[k])) ? entry * 255 / 256 : invalidEntry;
            const int column = columnsBack ? nx - 1 - i : i;
            std::fill(row + column * repeat, row + (column + 1) * repeat,
                      static_cast<unsigned char>(entry));
        }
    }
    beginData();
    theDesk->putbmp(std::min(left, right), std::min(bottom, top), std::max(left, right),
                    std::max(bottom, top), *picture);
    if (made) theDesk->keeppicture(std::move(made));
    mapPicture = picture;
    mapReusable = false;
    theDesk->resetviewport();
    // The map covers frame and ticks.
    redrawFrame();
    returnToLayer();
}

void boxclass::showmap(double x1, double y1, double x2, double y2, const float* z, int nx, int ny,
                       double zmin, double zmax, COLORMAPS map) {
    mapOf(x1, y1, x2, y2, z, nx, ny, zmin, zmax, velora::ColourMap(map));
}
void boxclass::showmap(double x1, double y1, double x2, double y2, const double* z, int nx, int ny,
                       double zmin, double zmax, COLORMAPS map) {
    mapOf(x1, y1, x2, y2, z, nx, ny, zmin, zmax, velora::ColourMap(map));
}
void boxclass::showmap(double x1, double y1, double x2, double y2, const float* z, int nx, int ny,
                       double zmin, double zmax, const velora::ColourMap& map) {
    mapOf(x1, y1, x2, y2, z, nx, ny, zmin, zmax, map);
}
void boxclass::showmap(double x1, double y1, double x2, double y2, const double* z, int nx, int ny,
                       double zmin, double zmax, const velora::ColourMap& map) {
    mapOf(x1, y1, x2, y2, z, nx, ny, zmin, zmax, map);
}

void boxclass::setinvalidcolor(COLOR c) {
    if (c >= 0) invalidColour = c;
}

void boxclass::colorbar(double zmin, double zmax, COLORMAPS map, const char* caption, float size,
                        FONT captionFont, FONT tickFont) {
    colorbar(zmin, zmax, velora::ColourMap(map), caption, size, captionFont, tickFont);
}

void boxclass::colorbar(double zmin, double zmax, const velora::ColourMap& map, const char* caption,
                        float size, FONT captionFont, FONT tickFont) {
    if (!std::isfinite(zmin) || !std::isfinite(zmax) || zmin == zmax) return;
    if (zmin > zmax) std::swap(zmin, zmax);
    const bool logScale = zLog && zmin > 0.0;
    selectLayer();
    // A gap of a tick length and a half, then a bar as wide as three tick lengths, the full
    // height of the frame.
    const double gap = 1.5 * tickLength, barWidth = 3.0 * tickLength;
    const float left = static_cast<float>(frameX2 + gap);
    const float right = static_cast<float>(left + barWidth);
    auto picture = std::make_unique<bitmap>(8, velora::ColourMap::entries);
    setMapPalette(*picture, map, false, invalidColour);
    for (int k = 0; k < velora::ColourMap::entries; ++k)
        std::fill((*picture)[k], (*picture)[k] + 8, static_cast<unsigned char>(k));
    theDesk->putbmp(left, frameY1, right, frameY2, *picture);
    theDesk->keeppicture(std::move(picture));
    theDesk->setpenwidth(penWidth);
    theDesk->rec(left, frameY1, right, frameY2, 0);

    // Ticks on the right of the bar at round values, labelled as an axis labels them; a log
    // bar at its whole decades.
    const float hs = static_cast<float>(size * 1.5 * tickLength);
    const double h = font->getheight("X", 0, 1.0f);
    const float labelX = static_cast<float>(right + tickLength + 0.5 * h * hs);
    const double low = logScale ? std::log10(zmin) : zmin,
                 high = logScale ? std::log10(zmax) : zmax;
    std::vector<double> ticks;
    if (logScale) {
        for (double d = std::ceil(low); d <= high; d += 1.0)
            ticks.push_back(d);
        if (ticks.size() > 10) ticks = velora::contourLevels(low, high);
    } else {
        ticks = velora::contourLevels(zmin, zmax);
    }
    const double step = ticks.size() > 1 ? ticks[1] - ticks[0] : high - low;
    const int digits = velora::labelDigits(0.0f, static_cast<float>(step), false);
    float widest = 0.0f;
    char text[velora::tickTextCapacity];
    for (double t : ticks) {
        const float y =
            static_cast<float>(frameY1 + (t - low) / (high - low) * (frameY2 - frameY1));
        theDesk->line(right, y, static_cast<float>(right + tickLength), y, 0);
        if (logScale)
            velora::logLabel(t, -1.0f, text, sizeof text);
        else
            std::snprintf(text, sizeof text, "%s",
                          velora::skipBlanks(velora::tickText(static_cast<float>(t), digits)));
        widest = std::max(widest, font->getlength(text, tickFont, 1.0f));
        font->hwrite(labelX, y, text, 0, tickFont, hs, 1, 0);
    }
    if (caption && *caption) {
        const double h2 = font->getheight("X", captionFont, 1.0f);
        font->vwrite(static_cast<float>(labelX + (widest + 1.5 * h2) * hs),
                     static_cast<float>((static_cast<double>(frameY1) + frameY2) / 2.0), caption, 0,
                     captionFont, hs, 0, -1);
    }
    // The bar belongs to the box as its labels do: clearing the box keeps it.
    theDesk->setviewportbegin();
    returnToLayer();
}

template <typename T>
void boxclass::contourOf(const T* z, int nx, int ny, double x1, double y1, double x2, double y2,
                         const T* levels, int nlevels, COLOR c, float dash) {
    if (!z || nx < 2 || ny < 2) return;
    std::vector<T> chosen;
    if (nlevels <= 0 || !levels) {
        double lo = 0.0, hi = 0.0;
        if (!velora::finiteRange(z, static_cast<long long>(nx) * ny, lo, hi)) return;
        for (double v : velora::contourLevels(lo, hi))
            chosen.push_back(static_cast<T>(v));
    } else {
        chosen.assign(levels, levels + nlevels);
    }
    beginData();
    velora::ContourTracer tracer;
    std::vector<float> px, py;
    for (T level : chosen) {
        for (const velora::ContourPolyline& line : tracer.trace(z, nx, ny, x1, y1, x2, y2, level)) {
            px.resize(line.x.size());
            py.resize(line.y.size());
            for (std::size_t i = 0; i < line.x.size(); ++i) {
                px[i] = bx(line.x[i]);
                py[i] = by(line.y[i]);
            }
            strokeInPage(px.data(), py.data(), static_cast<int>(px.size()), c, dash);
        }
    }
    endData();
}

void boxclass::contour(const float* z, int nx, int ny, double x1, double y1, double x2, double y2,
                       const float* levels, int nlevels, COLOR c, float dash) {
    contourOf(z, nx, ny, x1, y1, x2, y2, levels, nlevels, c, dash);
}
void boxclass::contour(const double* z, int nx, int ny, double x1, double y1, double x2, double y2,
                       const double* levels, int nlevels, COLOR c, float dash) {
    contourOf(z, nx, ny, x1, y1, x2, y2, levels, nlevels, c, dash);
}
