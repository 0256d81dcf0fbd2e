// The legend of a box: a white patch with a thin frame, one row per entry with its sample (line,
// marker, patch) on the left and its text after it. Everything is measured from the texts, in
// the units of the box's text, so that a legend fits its texts at any box size.
#include "plot/boxclass.h"

#include "text/fontclass.h"

#include <algorithm>

namespace {

// Proportions in text heights.
constexpr double rowHeight = 1.5;
constexpr double padding = 0.6;
constexpr double sampleWidth = 2.8;
constexpr double sampleGap = 0.7;
// The frame's distance from the box's frame, for a legend in a corner.
constexpr double cornerMargin = 0.8;

constexpr COLOR white = velora::rgb(255, 255, 255);
// The legend's frame: a thin mid grey.
constexpr COLOR frameGrey = velora::rgb(128, 128, 128);

} // namespace

void boxclass::legend(const LegendEntry* entries, int n, int corner, float size) {
    if (!entries || n <= 0) return;
    beginData();
    const float textSize = static_cast<float>(2.0 * size);
    const float h = font->getheight("X", FONT_SANS, textSize);
    endData();
    const float margin = static_cast<float>(cornerMargin * h);
    const bool right = corner == LEGEND_UPPER_RIGHT || corner == LEGEND_LOWER_RIGHT;
    const bool bottom = corner == LEGEND_LOWER_LEFT || corner == LEGEND_LOWER_RIGHT;
    legendAt(entries, n, right ? innerX2 - margin : innerX1 + margin,
             bottom ? innerY1 + margin : innerY2 - margin, right, bottom, size);
}

void boxclass::legendat(const LegendEntry* entries, int n, double x, double y, float size) {
    if (!entries || n <= 0) return;
    legendAt(entries, n, bx(x), by(y), false, false, size);
}

void boxclass::legendAt(const LegendEntry* entries, int n, float left, float top, bool fromRight,
                        bool fromBottom, float size) {
    beginData();
    const float textSize = static_cast<float>(2.0 * size);
    const double h = font->getheight("X", FONT_SANS, textSize);
    double widest = 0.0;
    for (int i = 0; i < n; ++i)
        if (entries[i].text)
            widest =
                std::max(widest, double(font->getlength(entries[i].text, FONT_SANS, textSize)));
    const double width = 2 * padding * h + sampleWidth * h + sampleGap * h + widest;
    const double height = 2 * padding * h + n * rowHeight * h;
    const double x1 = fromRight ? left - width : left;
    const double y2 = fromBottom ? top + height : top;
    const float box[2][2] = {{static_cast<float>(x1), static_cast<float>(y2 - height)},
                             {static_cast<float>(x1 + width), static_cast<float>(y2)}};

    // The patch covers what lies beneath at any fill opacity.
    const float opacity = theDesk->getfillopacity();
    const float penWidth = theDesk->getpenwidth();
    theDesk->setfillopacity(1.0f);
    const float patchX[4] = {box[0][0], box[1][0], box[1][0], box[0][0]};
    const float patchY[4] = {box[0][1], box[0][1], box[1][1], box[1][1]};
    theDesk->fill(patchX, patchY, 4, white);
    theDesk->setpenwidth(static_cast<float>(unitX * 0.1 * penWidth / 0.3));
    theDesk->rec(box[0][0], box[0][1], box[1][0], box[1][1], frameGrey);

    for (int i = 0; i < n; ++i) {
        const LegendEntry& e = entries[i];
        const double middle = y2 - padding * h - (i + 0.5) * rowHeight * h;
        const double s1 = x1 + padding * h, s2 = s1 + sampleWidth * h;
        const float my = static_cast<float>(middle);
        if (e.patch > 0.0f) {
            const double half = 0.4 * rowHeight * h;
            const float px[4] = {static_cast<float>(s1), static_cast<float>(s2),
                                 static_cast<float>(s2), static_cast<float>(s1)};
            const float py[4] = {
                static_cast<float>(middle - half), static_cast<float>(middle - half),
                static_cast<float>(middle + half), static_cast<float>(middle + half)};
            theDesk->setfillopacity(e.patch);
            theDesk->fill(px, py, 4, e.colour);
            theDesk->setfillopacity(1.0f);
        }
        if (e.dash >= 0.0f) {
            theDesk->setpenwidth(static_cast<float>(unitX * 0.2 * penWidth / 0.3));
            const float lx[2] = {static_cast<float>(s1), static_cast<float>(s2)};
            const float ly[2] = {my, my};
            strokeInPage(lx, ly, 2, e.colour, e.dash);
        }
        if (e.marker >= 0) {
            theDesk->setpenwidth(static_cast<float>(unitX * 0.2 * penWidth / 0.3));
            sym->put(static_cast<float>((s1 + s2) / 2), my, e.marker, e.colour, -1.0f);
        }
        if (e.text)
            font->hwrite(static_cast<float>(s2 + sampleGap * h), my, e.text, 0, FONT_SANS, textSize,
                         1.0f, 0.0f);
    }
    theDesk->setpenwidth(penWidth);
    theDesk->setfillopacity(opacity);
    endData();
}
