#include "desk/desk.h"

#include "image/bitmap.h"

#include "desk/polygonclip.h"
#include "desk/segmentgeometry.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// The page is 133.33 units wide and 100 (or 200 in double size) high.
constexpr float pageWidth = 133.33f;
constexpr float pageHeight = 100.0f;
const char defaultFontDirectory[] = "C:/grafik/velora/lib";
const char fontFileName[] = "Velfont.bin";

bool isFinitePoint(float x, float y) {
    return std::isfinite(x) && std::isfinite(y);
}

} // namespace

desk::desk(HINSTANCE instance, HINSTANCE, char*, int)
    : deviceselect(instance), epscolours(nullptr), polygonClip(new velora::PolygonClip),
      fillopacity(1.0f), fontpath(nullptr), ebene(0), opened(0) {
    initialise();
}

desk::desk() : desk(nullptr, nullptr, nullptr, 0) {}

desk::~desk() {
    cl();
    delete[] epscolours;
    delete[] fontpath;
    delete polygonClip;
}

void desk::initialise() {
    penwidth = 0.3f;
    color = 0;
    curx = cury = 0.0f;
    vxmin = vymin = 0.0f;
    vxmax = pageWidth;
    vymax = pageHeight;
    setfontpath(defaultFontDirectory);
}

void desk::open(int device, const char* name, const char* posSize) {
    // The selector only reads both texts.
    in(device, const_cast<char*>(name), const_cast<char*>(posSize));
    // New devices start with their pen at the origin; the current point starts there too, so a
    // draw before any move begins at the same place on every device.
    curx = cury = 0.0f;
    resetviewport();
    opened = 1;
}

void desk::close() {
    opened = 0;
    cl1();
    keptPictures.clear();
}

char* desk::MakePosSize(int x, int y, int w, int h) {
    // Shared by the whole library: the screen window reads the placement from it. Room for four
    // values of any size, signs included.
    static char sharedPosSizeText[64];
    std::snprintf(sharedPosSizeText, sizeof sharedPosSizeText, "pos=(%04i,%04i) size=(%04u,%04u)",
                  x, y, static_cast<unsigned>(w), static_cast<unsigned>(h));
    return sharedPosSizeText;
}

void desk::setcolor(int col) {
    sp(col);
    color = col;
}

void desk::fill(const float* x, const float* y, int n, int col) {
    if (!x || !y || n < 3) return;
    for (int i = 0; i < n; ++i)
        if (!isFinitePoint(x[i], y[i])) return;
    // Two viewports that did not overlap leave an empty one.
    if (!(vxmin <= vxmax && vymin <= vymax)) return;
    const velora::PolygonClip::Polygon part =
        polygonClip->clip(x, y, n, vxmin, vymin, vxmax, vymax);
    if (part.count < 3) return;
    const unsigned alpha = static_cast<unsigned>(static_cast<double>(fillopacity) * 255.0 + 0.5);
    fp(part.x, part.y, part.count, col >= 0 ? col : color, alpha);
}

void desk::setfillopacity(float a) {
    if (a != a) return;
    fillopacity = a < 0.0f ? 0.0f : a > 1.0f ? 1.0f : a;
}

void desk::setpenwidth(float w) {
    // The devices keep their width for a value that is no usable number; so does the desk.
    if (!usableWidth(w)) return;
    pw(w);
    penwidth = w;
}

void desk::setfontpath(const char* dir) {
    if (!dir || !*dir) return;
    const std::size_t dirLength = std::strlen(dir);
    char* path = new char[dirLength + 1 + sizeof fontFileName];
    std::memcpy(path, dir, dirLength);
    path[dirLength] = '/';
    std::memcpy(path + dirLength + 1, fontFileName, sizeof fontFileName);
    delete[] fontpath;
    fontpath = path;
}

void desk::move(float x, float y) {
    curx = x;
    cury = y;
    if (inside(x, y)) {
        pu();
        pa(x, y);
    }
}

void desk::draw(float x, float y, int col) {
    selectColour(col);
    const float x0 = curx;
    const float y0 = cury;
    curx = x;
    cury = y;
    // Every operation that leaves the current point inside leaves the device pen there.
    if (inside(x0, y0) && inside(x, y)) {
        pd();
        pa(x, y);
        return;
    }
    drawClipped(x0, y0, x, y);
}

void desk::drawClipped(float x0, float y0, float x1, float y1) {
    // The start, one point per edge and the end: at most 6 points.
    float px[10];
    float py[10];
    int n = 0;
    const auto collect = [&](float x, float y) {
        px[n] = x;
        py[n] = y;
        ++n;
    };
    // Two viewports that did not overlap leave an empty one: nothing is visible in it, although
    // the segment may still cross the lines of its swapped edges.
    if (vxmin <= vxmax && vymin <= vymax) {
        if (inside(x0, y0)) collect(x0, y0);
        const float edges[4][4] = {{vxmin, vymin, vxmin, vymax},
                                   {vxmax, vymin, vxmax, vymax},
                                   {vxmin, vymin, vxmax, vymin},
                                   {vxmin, vymax, vxmax, vymax}};
        for (const auto& e : edges) {
            if (!velora::intersect(x0, y0, x1, y1, e[0], e[1], e[2], e[3])) continue;
            const float x = velora::intersectx(x0, y0, x1, y1, e[0], e[1], e[2], e[3]);
            const float y = velora::intersecty(x0, y0, x1, y1, e[0], e[1], e[2], e[3]);
            // Segments reaching to infinity give no usable crossing.
            if (isFinitePoint(x, y)) collect(x, y);
        }
        if (inside(x1, y1)) collect(x1, y1);
    }
    for (int i = 0; i + 1 < n; ++i) {
        pu();
        pa(px[i], py[i]);
        pd();
        pa(px[i + 1], py[i + 1]);
    }
    pu();
    if (n > 0) pa(px[n - 1], py[n - 1]);
}

void desk::pset(float x, float y, int col) {
    selectColour(col);
    curx = x;
    cury = y;
    if (inside(x, y)) {
        np();
        pu();
        pa(x, y);
        pd();
        pa(x, y);
        st_cp();
    }
}

void desk::line(float x1, float y1, float x2, float y2, int col) {
    np();
    move(x1, y1);
    draw(x2, y2, col);
    st_cp();
}

void desk::rec(float x1, float y1, float x2, float y2, int col) {
    np();
    move(x1, y1);
    draw(x1, y2, col);
    draw(x2, y2, col);
    draw(x2, y1, col);
    draw(x1, y1, col);
    cp();
    st();
}

void desk::vector(float x1, float y1, float x2, float y2, int col, float size) {
    const float previousWidth = penwidth;
    if (!(size <= 4.0f)) // NaN too
        size = 4.0f;
    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    const float length = static_cast<float>(std::sqrt(dx * dx + dy * dy));
    // A negative colour means the current one, as in every drawing call.
    setcolor(col >= 0 ? col : color);
    line(x1, y1, x2, y2, -1);
    // Without a length there is no direction for a head: the shaft alone is a dot.
    if (!(length > 0.0f) || !std::isfinite(length)) return;
    const float ux = static_cast<float>(dx / length);
    const float uy = static_cast<float>(dy / length);
    // The normal points to the right of the arrow.
    const float nx = uy;
    const float ny = -ux;
    const double s = size;
    const auto headPoint = [&](double along, double across, float& x, float& y) {
        x = static_cast<float>(x2 - s * (along * ux + across * nx));
        y = static_cast<float>(y2 - s * (along * uy + across * ny));
    };
    float bx, by, ax, ay, cx, cy;

    np();
    setpenwidth(static_cast<float>(0.9 * s));
    // The inner triangle fills the head ...
    headPoint(0.8, 0.0, bx, by);
    move(bx, by);
    headPoint(1.7, 0.5, ax, ay);
    draw(ax, ay, col);
    headPoint(1.7, -0.5, cx, cy);
    draw(cx, cy, col);
    draw(bx, by, -1);
    // ... the outer one outlines it.
    move(x2, y2);
    headPoint(2.0, 1.0, ax, ay);
    draw(ax, ay, col);
    headPoint(2.0, -1.0, cx, cy);
    draw(cx, cy, col);
    draw(x2, y2, col);
    st_cp();
    setpenwidth(previousWidth);
}

void desk::showbmp(float x1, float y1, float x2, float y2, const char* name) {
    sb(x1, y1, x2, y2, const_cast<char*>(name));
}

void desk::putbmp(float x1, float y1, float x2, float y2, bitmap& b) {
    pb(x1, y1, x2, y2, b);
}

void desk::putbmp(float x1, float y1, float x2, float y2, bitmap24& b) {
    pb(x1, y1, x2, y2, b);
}

void desk::keeppicture(std::unique_ptr<bitmap> picture) {
    if (picture) keptPictures.push_back(std::move(picture));
}

void desk::setviewport(float x1, float y1, float x2, float y2) {
    if (!(x1 < x2 && y1 < y2)) return;
    vxmin = x1 > vxmin ? x1 : vxmin;
    vxmax = x2 < vxmax ? x2 : vxmax;
    vymin = y1 > vymin ? y1 : vymin;
    vymax = y2 < vymax ? y2 : vymax;
}

void desk::resetviewport() {
    vxmin = vymin = 0.0f;
    vxmax = pageWidth;
    vymax = pageHeight * isdoublesize();
}

void desk::clearviewport(ClearFlag f) {
    cr(vxmin, vymin, vxmax, vymax, f);
}

void desk::frameviewport(int col) {
    rec(vxmin, vymin, vxmax, vymax, col);
}

float desk::getviewportheight() const {
    return static_cast<float>((static_cast<double>(vymax) - vymin) / isdoublesize());
}

void desk::setviewportbegin() {
    svb();
}

void desk::addEbene() {
    ebene = static_cast<unsigned short>(gsppe() + 1);
    setPlotPuffer(ebene);
}

PlotPuffer* desk::setPlotPuffer(unsigned int n) {
    return spp(n);
}

unsigned short desk::newBoxInstance() {
    // One counter for the whole process, shared by all desks.
    static unsigned short sharedBoxCounter = 0;
    return sharedBoxCounter++;
}

void desk::setdeskposition(int x, int y) {
    sdp(x, y);
}
