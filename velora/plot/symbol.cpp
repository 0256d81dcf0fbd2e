#include "plot/symbol.h"

#include "common/endprocess.h"

#include <cmath>
#include <new>

namespace {

// An entry whose x is this byte is a command, chosen by its y.
constexpr signed char command = -128;
constexpr signed char penUp = 0;
constexpr signed char penDown = 1;
constexpr signed char programEnd = 2;

// 256 entries are read; the largest program (eight circles) puts its end on entry 256.
constexpr int codeSize = 260;
constexpr int entriesRead = 256;

constexpr int lowestSymbol = -1;
constexpr int highestSymbol = 0x79;
constexpr int squareSymbol = 1;

// One symbol unit in desk units per viewport height: the largest outline (128 units) is 1/40 of it.
constexpr double unitsPerViewportHeight = 5120.0;

// Fills the program entry by entry.
class OutlineWriter {
public:
    OutlineWriter(signed char* x, signed char* y) : x(x), y(y) {}
    void point(int px, int py) {
        x[n] = static_cast<signed char>(px);
        y[n] = static_cast<signed char>(py);
        ++n;
    }
    void up() { point(command, penUp); }
    void down() { point(command, penDown); }
    void end() { point(command, programEnd); }
    // Lifts the pen, goes to the first point of an outline and puts the pen down.
    void start(int px, int py) {
        up();
        point(px, py);
        down();
    }

private:
    signed char* x;
    signed char* y;
    int n = 0;
};

void writeRing(OutlineWriter& w, int shape, int r) {
    switch (shape) {
    case 1: // square
        w.start(-r, -r);
        w.point(r, -r);
        w.point(r, r);
        w.point(-r, r);
        w.point(-r, -r);
        break;
    case 2: // triangle, apex up
        w.start(-r, -r);
        w.point(0, r);
        w.point(r, -r);
        w.point(-r, -r);
        break;
    case 3: // diamond
        w.start(-r, 0);
        w.point(0, r);
        w.point(r, 0);
        w.point(0, -r);
        w.point(-r, 0);
        break;
    case 4: // hexagon
        w.start(-r, 0);
        w.point(-r / 2, r);
        w.point(r / 2, r);
        w.point(r, 0);
        w.point(r / 2, -r);
        w.point(-r / 2, -r);
        w.point(-r, 0);
        break;
    case 5: // circle: a 29-gon; 6.2832 is slightly above 2 pi, so it closes just short of its start
        w.start(r, 0);
        for (int j = 1; j <= 29; ++j) {
            const double a = j / 29.0 * 6.2832;
            w.point(static_cast<int>(r * std::cos(a)), static_cast<int>(r * std::sin(a)));
        }
        break;
    case 6: // triangle, apex down
        w.start(-r, r);
        w.point(0, -r);
        w.point(r, r);
        w.point(-r, r);
        break;
    case 7: // hourglass
        w.start(-r, r);
        w.point(r, -r);
        w.point(-r, -r);
        w.point(r, r);
        w.point(-r, r);
        break;
    }
}

// The shapes drawn once whatever their ring bits say.
void writeSingle(OutlineWriter& w, int shape) {
    switch (shape) {
    case 0: // plus
        w.start(-64, 0);
        w.point(64, 0);
        w.start(0, 64);
        w.point(0, -64);
        break;
    case 8: // vertical end stroke of an error bar, leaving the pen up at the centre
        w.start(0, -8);
        w.point(0, 8);
        w.up();
        w.point(0, 0);
        break;
    case 9: // horizontal end stroke
        w.start(-8, 0);
        w.point(8, 0);
        w.up();
        w.point(0, 0);
        break;
    }
}

} // namespace

symbol::symbol(desk& d)
    : xcode(nullptr), ycode(nullptr), scale(1.0f), form(squareSymbol), definedForm(-1), colour(0),
      theDesk(&d), outlineX{}, outlineY{}, outlineCount(0), outlineShape(-1) {
    xcode = new (std::nothrow) signed char[codeSize]();
    ycode = new (std::nothrow) signed char[codeSize]();
    if (!ycode || !xcode) {
        theDesk->errorHandel(0x1001);
        velora::endProcess();
    }
}

symbol::~symbol() {
    delete[] xcode;
    delete[] ycode;
}

void symbol::defform(SYMBOL s) {
    if (s < lowestSymbol || s > highestSymbol) s = squareSymbol;
    if (s == definedForm) return;
    definedForm = s;
    OutlineWriter w(xcode, ycode);
    if (s == -1) {
        w.end();
        return;
    }
    const int shape = s & 0x0f;
    if (shape >= 10) return; // no shape of its own: the last outline stays
    if (shape == 0 || shape == 8 || shape == 9) {
        writeSingle(w, shape);
    } else {
        const int rings = (s >> 4) + 1;
        for (int ring = 0; ring < rings; ++ring)
            writeRing(w, shape, 64 - 8 * ring);
    }
    w.end();
}

void symbol::defoutline(int shape) {
    if (shape == outlineShape) return;
    outlineShape = shape;
    signed char codeX[outlineCapacity], codeY[outlineCapacity];
    OutlineWriter w(codeX, codeY);
    writeRing(w, shape, 64);
    w.end();
    outlineCount = 0;
    for (int i = 0; i < outlineCapacity && outlineCount < outlineCapacity; ++i) {
        if (codeX[i] == command) {
            if (codeY[i] == programEnd) break;
            continue;
        }
        outlineX[outlineCount] = codeX[i];
        outlineY[outlineCount] = codeY[i];
        ++outlineCount;
    }
}

void symbol::putFilled(float x, float y, int shape, COLOR c, float scale) {
    defoutline(shape);
    const COLOR fillColour = c >= 0 ? c : colour;
    theDesk->setcolor(fillColour);
    const double sc = scale >= 0.0f ? scale : this->scale;
    const float unit = static_cast<float>(static_cast<double>(theDesk->getviewportheight()) *
                                          theDesk->isdoublesize() / unitsPerViewportHeight);
    const double step = unit * sc;
    float px[outlineCapacity], py[outlineCapacity];
    for (int i = 0; i < outlineCount; ++i) {
        px[i] = static_cast<float>(x + outlineX[i] * step);
        py[i] = static_cast<float>(y + outlineY[i] * step);
    }
    theDesk->fill(px, py, outlineCount, fillColour);
}

void symbol::put(float x, float y, SYMBOL s, COLOR c, float scale) {
    if (s < 0) s = form;
    if (s >= SYMBOL_FILLED && s - SYMBOL_FILLED <= highestSymbol) {
        const int shape = (s - SYMBOL_FILLED) & 0x0f;
        if (shape >= 1 && shape <= 7) {
            putFilled(x, y, shape, c, scale);
            return;
        }
        s -= SYMBOL_FILLED;
    }
    defform(s);
    theDesk->setcolor(c >= 0 ? c : colour);
    const double sc = scale >= 0.0f ? scale : this->scale;
    const float unit = static_cast<float>(static_cast<double>(theDesk->getviewportheight()) *
                                          theDesk->isdoublesize() / unitsPerViewportHeight);
    const double step = unit * sc;
    theDesk->np();
    theDesk->move(x, y);
    bool penIsDown = false;
    for (int i = 0; i < entriesRead; ++i) {
        if (xcode[i] == command) {
            if (ycode[i] == programEnd) break;
            penIsDown = ycode[i] == penDown;
            continue;
        }
        const float px = static_cast<float>(x + xcode[i] * step);
        const float py = static_cast<float>(y + ycode[i] * step);
        if (penIsDown)
            theDesk->draw(px, py, -1);
        else
            theDesk->move(px, py);
    }
    theDesk->st();
    theDesk->cp();
}
