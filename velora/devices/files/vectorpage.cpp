#include "devices/files/vectorpage.h"

#include "common/colour.h"
#include "common/endprocess.h"
#include "devices/files/bmpname.h"
#include "devices/files/picturepixels.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>

namespace {

// Page units to points, as the EPS writer maps them.
double pointsX(float x) {
    return 4.0 * x + 35.0;
}
double pointsY(float y) {
    return 4.0 * y + 430.0;
}

bool finite(float x, float y) {
    return std::isfinite(x) && std::isfinite(y);
}

} // namespace

// Hue, saturation and brightness of the EPS writer's table, as red, green and blue.
const double VectorPage::colourTable[16][3] = {{0, 0, 0},
                                               {1, 0, 0},
                                               {0, 1, 0},
                                               {0, 0, 1},
                                               {1, 1, 0},
                                               {0, 1, 1},
                                               {1, 0, 1},
                                               {0, 0, 0},
                                               {0.125, 0.125, 0.125},
                                               {0.25, 0.25, 0.25},
                                               {0.375, 0.375, 0.375},
                                               {0.5, 0.5, 0.5},
                                               {0.625, 0.625, 0.625},
                                               {0.75, 0.75, 0.75},
                                               {0.875, 0.875, 0.875},
                                               {1, 1, 1}};

VectorPage::VectorPage(const char* prefix, const std::string& finalName)
    : prefix(prefix), finalName(finalName), temporary(finalName + ".tmp") {
    if (!out.openReplacing(temporary.c_str(), finalName.c_str())) {
        std::cerr << finalName << " nicht geöffnet\r\n";
        velora::endProcess();
    }
    out.describeFailure((this->prefix + "::error : ").c_str(), finalName.c_str(), "\r\n");
}

VectorPage::~VectorPage() noexcept(false) = default;

void VectorPage::emit(const char* text, std::size_t length) {
    out.write(text, length);
    written += static_cast<long long>(length);
}

void VectorPage::closeAndPublish() {
    out.close();
}

void VectorPage::setdoublesize() {
    // The pen starts at page (0, 0); on a double page that point lies 100 units lower.
    if (yshift == 0.0f && !hasCurrentPoint && lastx == 0.0f && lasty == 0.0f) lasty = -100.0f;
    yshift = -100.0f;
}

void VectorPage::checkbb(float x, float y) {
    bbxmin = std::min(bbxmin, x);
    bbymin = std::min(bbymin, y);
    bbxmax = std::max(bbxmax, x);
    bbymax = std::max(bbymax, y);
}

VectorPage::PageBox VectorPage::pageBox() const {
    if (!(bbxmin <= bbxmax && bbymin <= bbymax)) {
        // Nothing drawn: the whole page.
        return {35.0f, yshift != 0.0f ? 30.0f : 430.0f, 568.32f, 830.0f};
    }
    const auto clamped = [](double points) {
        return static_cast<float>(std::clamp(points, -9999.0, 99999.0));
    };
    return {clamped(4.0 * bbxmin + 35.0 - 2.0), clamped(4.0 * bbymin + 430.0 - 2.0),
            clamped(4.0 * bbxmax + 35.0 + 2.0), clamped(4.0 * bbymax + 430.0 + 2.0)};
}

void VectorPage::finishSubpath() {
    if (!inSubpath) return;
    simplifier.finish();
    subpaths.back().count = points.size() - subpaths.back().first;
    inSubpath = false;
}

void VectorPage::startSubpath(float x, float y) {
    finishSubpath();
    subpaths.push_back({points.size(), 0, false});
    simplifier.start(pointsX(x), pointsY(y));
    subpathx = x;
    subpathy = y;
    inSubpath = true;
    atClosedStart = false;
}

void VectorPage::moveto(float x, float y) {
    if (!finite(x, y)) {
        finishSubpath();
        broken = true;
        return;
    }
    y = static_cast<float>(static_cast<double>(y) + yshift);
    // A move to where the line stands continues it: with round caps and joins the ink is the
    // same, and the polyline can be thinned across the segments the desk sends one by one.
    if (!(inSubpath && x == lastx && y == lasty)) finishSubpath();
    lastx = x;
    lasty = y;
    hasCurrentPoint = true;
    broken = false;
    atClosedStart = false;
}

void VectorPage::lineto(float x, float y) {
    if (!finite(x, y)) {
        finishSubpath();
        broken = true;
        return;
    }
    if (broken) {
        // The segments to and from a point that is no number are left out: the line goes on
        // from here.
        moveto(x, y);
        return;
    }
    y = static_cast<float>(static_cast<double>(y) + yshift);
    if (!inSubpath) {
        if (atClosedStart) {
            lastx = subpathx;
            lasty = subpathy;
        }
        startSubpath(lastx, lasty);
    }
    checkbb(lastx, lasty);
    checkbb(x, y);
    simplifier.add(pointsX(x), pointsY(y));
    lastx = x;
    lasty = y;
    hasCurrentPoint = true;
}

void VectorPage::pw(float w) {
    // A width that is no number keeps the last one.
    if (std::isfinite(w)) penwidth = w;
}

void VectorPage::setColor(int col) {
    colour = velora::isTrueColour(col) || (col >= 0 && col <= 15) ? col : 15;
}

void VectorPage::components(int colour, double rgb[3]) {
    if (velora::isTrueColour(colour)) {
        rgb[0] = velora::redOf(colour) / 255.0;
        rgb[1] = velora::greenOf(colour) / 255.0;
        rgb[2] = velora::blueOf(colour) / 255.0;
        return;
    }
    const double* table = colourTable[colour >= 0 && colour <= 15 ? colour : 15];
    for (int k = 0; k < 3; ++k)
        rgb[k] = table[k];
}

void VectorPage::fill(const float* x, const float* y, int n, int col, unsigned alpha) {
    if (n < 3) return;
    st();
    fillPoints.clear();
    // Every vertex is placed from the first on the grid by its distance from it, so that one
    // shape filled anywhere has the same outline, to be written once and placed by reference.
    const float firstY = static_cast<float>(static_cast<double>(y[0]) + yshift);
    const velora::GridPoint first = velora::toGrid(pointsX(x[0]), pointsY(firstY));
    for (int i = 0; i < n; ++i) {
        if (!finite(x[i], y[i])) return;
        const float py = static_cast<float>(static_cast<double>(y[i]) + yshift);
        checkbb(x[i], py);
        const velora::GridPoint step = velora::toGrid(4.0 * (static_cast<double>(x[i]) - x[0]),
                                                      4.0 * (static_cast<double>(py) - firstY));
        fillPoints.push_back({first.x + step.x, first.y + step.y});
    }
    fillPath(fillPoints, velora::isTrueColour(col) || (col >= 0 && col <= 15) ? col : 15,
             alpha > 255 ? 255 : alpha);
}

void VectorPage::np() {
    finishSubpath();
    points.clear();
    subpaths.clear();
    hasCurrentPoint = false;
    atClosedStart = false;
}

void VectorPage::cp() {
    if (!inSubpath) return;
    finishSubpath();
    subpaths.back().closed = true;
    atClosedStart = true;
}

void VectorPage::st() {
    finishSubpath();
    if (!subpaths.empty()) strokePath(points, subpaths);
    points.clear();
    subpaths.clear();
    hasCurrentPoint = false;
    atClosedStart = false;
}

void VectorPage::st_cp() {
    // The close after the stroke finds no path.
    st();
}

void VectorPage::strokeRemainder() {
    st();
}

void VectorPage::place(const velora::PicturePixels& picture, float x1, float y1, float x2,
                       float y2) {
    if (!finite(x1, y1) || !finite(x2, y2)) return;
    y1 = static_cast<float>(static_cast<double>(y1) + yshift);
    y2 = static_cast<float>(static_cast<double>(y2) + yshift);
    checkbb(x1, y1);
    checkbb(x2, y2);
    if (picture.width <= 0 || picture.height <= 0) return;
    const double left = pointsX(x1), bottom = pointsY(y1);
    placePicture(picture, pointsX(x2) - left, pointsY(y2) - bottom, left, bottom);
}

void VectorPage::pb(float x1, float y1, float x2, float y2, bitmap& b) {
    place(velora::picturePixels(b), x1, y1, x2, y2);
}

void VectorPage::pb(float x1, float y1, float x2, float y2, bitmap24& b) {
    place(velora::picturePixels(b), x1, y1, x2, y2);
}

void VectorPage::sb(float x1, float y1, float x2, float y2, char name[]) {
    place(velora::readBmpPicture(velora::bmpName(name), prefix), x1, y1, x2, y2);
}
