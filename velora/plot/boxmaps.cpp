// The pictures of data on a box: 2D arrays through a colour map, the colour bar that reads them,
// and contour lines. A map is an 8-bit picture whose palette is the colour map, so that every
// device shows it as it shows any picture, with its cells crisp.
#include "plot/boxclass.h"

#include "common/endprocess.h"
#include "devices/selector/errortexts.h"
#include "devices/selector/palette.h"
#include "image/bitmap.h"
#include "plot/contourlabels.h"
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
#include <string>

namespace {

// Pictures are rows of a whole number of 8 pixels; a map as large as this (a side of 16,384
// pixels, 64 million in all) is the most a box draws.
constexpr long long largestSide = 1 << 14;
constexpr long long largestPicture = 1 << 26;
// The most columns (or rows) a map resampled for a log axis takes beyond its cells: 4,096 by
// 16,384 stay within the pixels of the largest picture.
constexpr long long largestLogSide = 1 << 12;

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

// Which cell of n each picture column (or row) shows, from the low end of the page up. `place`
// takes a data value to the page. On a linear axis the cells are equal on the page and each
// takes `repeat` columns; on a log axis they are not, and the picture takes enough columns (a
// multiple of `multiple`) to place their edges finely and give the narrowest cell four.
template <typename Place>
std::vector<int> cellsAlong(int n, int repeat, bool logAxis, double d1, double d2, int multiple,
                            Place place) {
    std::vector<float> edges(static_cast<std::size_t>(n) + 1);
    for (int i = 0; i <= n; ++i)
        edges[i] = place(i == n ? d2 : d1 + i * (d2 - d1) / n);
    const bool back = edges[0] > edges[n];
    std::vector<int> cells;
    if (!logAxis) {
        cells.resize(static_cast<std::size_t>(n) * repeat);
        for (std::size_t c = 0; c < cells.size(); ++c)
            cells[c] = back ? n - 1 - static_cast<int>(c / repeat) : static_cast<int>(c / repeat);
        return cells;
    }
    const double low = std::min(edges[0], edges[n]), span = std::fabs(edges[n] - edges[0]);
    double narrowest = span;
    for (int i = 0; i < n; ++i)
        narrowest = std::min<double>(narrowest, std::fabs(edges[i + 1] - edges[i]));
    // At least 2,048 columns, so that no edge is off by more than a 2,048th of the frame.
    const double wanted =
        narrowest > 0.0 ? std::ceil(4.0 * span / narrowest) : static_cast<double>(largestLogSide);
    long long count = static_cast<long long>(
        std::min<double>(largestLogSide, std::max<double>(wanted, largestLogSide / 2)));
    count = (count + multiple - 1) / multiple * multiple;
    count = std::max(count, static_cast<long long>(n) * repeat);
    cells.resize(static_cast<std::size_t>(count));
    int cell = back ? n - 1 : 0;
    for (long long c = 0; c < count; ++c) {
        const double at = low + (c + 0.5) * span / count;
        if (back) {
            while (cell > 0 && edges[cell] < at)
                --cell;
        } else {
            while (cell < n - 1 && edges[cell + 1] < at)
                ++cell;
        }
        cells[static_cast<std::size_t>(c)] = cell;
    }
    return cells;
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
    if (static_cast<long long>(nx) * repeat > largestSide || ny > largestSide ||
        static_cast<long long>(nx) * repeat * ny > largestPicture) {
        // No device could take such a picture whole: say so and end, as a picture that cannot
        // be made ends.
        theDesk->errorHandel(velora::errorMapSize);
        velora::endProcess();
    }
    // The cell of each column from the left of the page and of each row from the bottom: a
    // reversed axis turns them round, a log axis draws its cells at their places.
    const std::vector<int> columnCells =
        cellsAlong(nx, repeat, axisX.isLog(), x1, x2, 8, [this](double v) { return bx(v); });
    const std::vector<int> rowCells =
        cellsAlong(ny, 1, yRange().isLog(), y1, y2, 1, [this](double v) { return by(v); });
    const int width = static_cast<int>(columnCells.size()),
              height = static_cast<int>(rowCells.size());

    const long long cells = static_cast<long long>(nx) * ny;
    const bool logScale = zLog;
    if (!(zmin < zmax) && !(zmin > zmax)) {
        // No range given: the data's.
        const bool found = logScale ? positiveRange(z, cells, zmin, zmax)
                                    : velora::finiteRange(z, cells, zmin, zmax);
        if (!found) zmin = zmax = 0.0;
    }
    if (zmin > zmax) std::swap(zmin, zmax);
    bool anyInvalid = false;
    for (long long i = 0; i < cells && !anyInvalid; ++i)
        anyInvalid = !std::isfinite(static_cast<double>(z[i]));

    // After the box was cleared no record shows its last map any more: a map of the same size
    // takes its picture over, so that a map redrawn frame after frame (a waterfall) costs no
    // memory more than the first.
    std::unique_ptr<bitmap> made;
    bitmap* picture = mapPicture;
    if (!picture || !mapReusable || picture->getwidth() != width ||
        picture->getheight() != height) {
        made = std::make_unique<bitmap>(width, height);
        picture = made.get();
    }
    setMapPalette(*picture, map, anyInvalid, invalidColour);
    // The entries of one row of cells, made once for all the picture rows that show it.
    std::vector<unsigned char> entries(static_cast<std::size_t>(nx));
    int entriesRow = -1;
    for (int r = 0; r < height; ++r) {
        const int j = rowCells[r];
        if (j != entriesRow) {
            const T* values = z + static_cast<long long>(j) * nx;
            map.indices(values, nx, zmin, zmax, logScale, entries.data());
            // With the invalid colour the map's 256 shades share the 255 other entries.
            if (anyInvalid)
                for (int i = 0; i < nx; ++i)
                    entries[i] = static_cast<unsigned char>(
                        std::isfinite(static_cast<double>(values[i])) ? entries[i] * 255 / 256
                                                                      : invalidEntry);
            entriesRow = j;
        }
        unsigned char* row = (*picture)[r];
        for (int c = 0; c < width; ++c)
            row[c] = entries[columnCells[c]];
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

namespace {

// The text of each level, with as many decimals as the closest two levels need.
template <typename T> std::vector<std::string> levelTexts(const std::vector<T>& levels) {
    std::vector<double> sorted;
    for (T level : levels)
        if (std::isfinite(static_cast<double>(level))) sorted.push_back(level);
    std::sort(sorted.begin(), sorted.end());
    double step = 0.0;
    for (std::size_t i = 1; i < sorted.size(); ++i) {
        const double gap = sorted[i] - sorted[i - 1];
        if (gap > 0.0 && (step == 0.0 || gap < step)) step = gap;
    }
    if (step == 0.0) step = sorted.empty() || sorted[0] == 0.0 ? 1.0 : std::fabs(sorted[0]);
    const int digits = velora::labelDigits(0.0f, static_cast<float>(step), false);
    std::vector<std::string> texts;
    for (T level : levels)
        texts.emplace_back(velora::skipBlanks(velora::tickText(static_cast<float>(level), digits)));
    return texts;
}

} // namespace

template <typename T>
void boxclass::contourOf(const T* z, int nx, int ny, double x1, double y1, double x2, double y2,
                         const T* levels, int nlevels, COLOR c, float dash, float labelSize) {
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
    // In page units; with labels every line is kept until all labels are placed, since each
    // label breaks the lines of every level that pass under it.
    struct PageLine {
        std::vector<float> x, y;
        std::size_t level;
    };
    const bool labelled = labelSize > 0.0f;
    std::vector<PageLine> lines;
    PageLine one;
    for (std::size_t k = 0; k < chosen.size(); ++k) {
        for (const velora::ContourPolyline& line :
             tracer.trace(z, nx, ny, x1, y1, x2, y2, chosen[k])) {
            PageLine& page = labelled ? lines.emplace_back() : one;
            page.level = k;
            page.x.resize(line.x.size());
            page.y.resize(line.y.size());
            for (std::size_t i = 0; i < line.x.size(); ++i) {
                page.x[i] = bx(line.x[i]);
                page.y[i] = by(line.y[i]);
            }
            if (!labelled)
                strokeInPage(one.x.data(), one.y.data(), static_cast<int>(one.x.size()), c, dash);
        }
    }
    if (labelled) {
        const std::vector<std::string> texts = levelTexts(chosen);
        const float hs = static_cast<float>(labelSize * 1.5 * tickLength);
        const double h = font->getheight("X", FONT_SANS, hs);
        // A margin of a third of the height around the text; a second label only on a line
        // longer than the frame's larger side.
        const double margin = h / 3.0;
        const float spacing = static_cast<float>(
            std::max(std::fabs(frameX2 - frameX1), std::fabs(frameY2 - frameY1)));
        velora::ContourLabels labels(clipX1, clipY1, clipX2, clipY2);
        std::vector<std::pair<float, float>> centres;
        std::vector<std::size_t> centreLevels;
        for (const PageLine& line : lines) {
            const double w = font->getlength(texts[line.level].c_str(), FONT_SANS, hs);
            const std::vector<float> placed =
                labels.place(line.x.data(), line.y.data(), static_cast<int>(line.x.size()),
                             static_cast<float>(w + 2.0 * margin),
                             static_cast<float>(h + 2.0 * margin), spacing);
            for (std::size_t i = 0; i + 1 < placed.size(); i += 2) {
                centres.emplace_back(placed[i], placed[i + 1]);
                centreLevels.push_back(line.level);
            }
        }
        for (const PageLine& line : lines)
            labels.cut(
                line.x.data(), line.y.data(), static_cast<int>(line.x.size()),
                [&](const float* px, const float* py, int n) { strokeInPage(px, py, n, c, dash); });
        for (std::size_t i = 0; i < centres.size(); ++i)
            font->hwrite(centres[i].first, centres[i].second, texts[centreLevels[i]].c_str(), c,
                         FONT_SANS, hs, 0.0f, 0.0f);
    }
    endData();
}

void boxclass::contour(const float* z, int nx, int ny, double x1, double y1, double x2, double y2,
                       const float* levels, int nlevels, COLOR c, float dash, float labelSize) {
    contourOf(z, nx, ny, x1, y1, x2, y2, levels, nlevels, c, dash, labelSize);
}
void boxclass::contour(const double* z, int nx, int ny, double x1, double y1, double x2, double y2,
                       const double* levels, int nlevels, COLOR c, float dash, float labelSize) {
    contourOf(z, nx, ny, x1, y1, x2, y2, levels, nlevels, c, dash, labelSize);
}
