#include "devices/selector/winscr.h"

#include "common/colour.h"
#include "common/endprocess.h"
#include "devices/displaylist/plotrecord.h"
#include "devices/displaylist/replaymapping.h"
#include "devices/raster/canvastarget.h"
#include "image/bitmap.h"
#include "image/bitmap24.h"
#include "screen/buffertarget.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

namespace {

constexpr float flipBase = 959.0f;
constexpr int widestFile = 1024;

float flipped(float y) {
    return static_cast<float>(flipBase - static_cast<double>(y));
}

int pixels(float value, float scale) {
    return static_cast<int>(static_cast<double>(value) * scale);
}

unsigned long littleEndian(const unsigned char* bytes, int count) {
    unsigned long value = 0;
    for (int k = count - 1; k >= 0; --k)
        value = value << 8 | bytes[k];
    return value;
}

// "name" and "name.bmp" both give "name.bmp": a '.' among the last five characters starts the
// extension that ".bmp" replaces.
std::string bitmapFileName(const char* name) {
    std::string file = name ? name : "";
    const std::size_t from = file.size() > 5 ? file.size() - 5 : 0;
    const std::size_t dot = file.find('.', from);
    if (dot != std::string::npos) file.erase(dot);
    return file + ".bmp";
}

} // namespace

WinScr::WinScr(const char* title, HINSTANCE instance, char* parameters)
    : MainFrame(title, instance, parameters), hdc(nullptr), clientRect{}, bmpHeader{}, live(page) {
    HWND hwnd = *this;
    if (hwnd) {
        hdc = GetDC(hwnd);
        GetClientRect(hwnd, &clientRect);
        page.resize(clientRect.right, clientRect.bottom);
        page.showOn(hdc);
        SendMessageA(hwnd, liveBatchMessage, reinterpret_cast<WPARAM>(&page),
                     reinterpret_cast<LPARAM>(&live));
    }
    layers.payload().setHDC(hdc);
    data.xscale = static_cast<float>(clientRect.right / 1279.0);
    data.yscale = static_cast<float>(clientRect.bottom / 959.0);
    for (int& slot : penTable)
        slot = -1;
    data.penTablePtr = penTable;
    penTable[0] = static_cast<int>(firstPen.getId());
    setPenWidth(1.0f);
}

WinScr::~WinScr() {
    // The window goes first (the base waits for it); the kept context is given back before the
    // pens it may hold are deleted.
    wait();
    if (hdc) {
        SelectObject(hdc, GetStockObject(BLACK_PEN));
        ReleaseDC(*this, hdc);
        hdc = nullptr;
    }
}

bool WinScr::copyscreen() {
    flushLiveDrawing();
    return copyPage();
}

bool WinScr::savescreen(const char* name) {
    flushLiveDrawing();
    return savePage(name);
}

void WinScr::record(PlotItemCode code, float x, float yFlipped) {
    const short listX = plotrecord::listUnits(x), listY = plotrecord::listUnits(yFlipped);
    current().addRecord(static_cast<short>(code), listX, listY);
    // Mapped as the repaint maps the record, so that both show the same pixels.
    const int px = static_cast<int>(listX * (static_cast<double>(data.xscale) / data.listScale));
    const int py = static_cast<int>(listY * (static_cast<double>(data.yscale) / data.listScale));
    if (code == PI_MOVETO)
        live.moveTo(px, py);
    else
        live.lineTo(px, py);
}

void WinScr::_moveTo(float x, float y) {
    record(PI_MOVETO, x, flipped(y));
}

void WinScr::_lineTo(float x, float y) {
    record(PI_LINETO, x, flipped(y));
}

void WinScr::_line(float x1, float y1, float x2, float y2, int colour) {
    setColor(static_cast<unsigned>(colour));
    _moveTo(x1 + 1.0f, y1 + 1.0f);
    _lineTo(x2 + 1.0f, y2 + 1.0f);
}

void WinScr::rec(float x1, float y1, float x2, float y2, int colour) {
    _line(x1, y1, x2, y1, colour);
    _line(x2, y1, x2, y2, colour);
    _line(x2, y2, x1, y2, colour);
    _line(x1, y2, x1, y1, colour);
}

void WinScr::pset(float x, float y, int colour) {
    setColor(static_cast<unsigned>(colour));
    const double px = (x + 1.0) * data.xscale;
    const double py = flipped(y + 1.0f) * static_cast<double>(data.yscale);
    const int left = static_cast<int>(px), right = static_cast<int>(px + 1),
              top = static_cast<int>(py);
    // The dot in list units: each device coordinate back through its axis's scale.
    const auto units = [](int device, float scale) {
        return static_cast<float>(scale > 0 ? device / static_cast<double>(scale) : 0.0);
    };
    record(PI_MOVETO, units(left, data.xscale), units(top, data.yscale));
    record(PI_LINETO, units(right, data.xscale), units(top, data.yscale));
}

void WinScr::selectPen(unsigned colour, int step) {
    const int total = step + data.penExtra;
    const unsigned width =
        static_cast<unsigned>(ReplayMapping::scaledWidth(total < 0 ? 0 : total, data.penScale));
    const auto guard = live.hold();
    HPEN pen = firstPen.penFor(penTable, colour, width);
    if (hdc && pen) SelectObject(hdc, pen);
    CanvasTarget::selectPen(page.raster(), colour, width);
}

void WinScr::setColor(unsigned colour) {
    const unsigned col =
        colour > 15 && !velora::isTrueColour(static_cast<int>(colour)) ? 15 : colour;
    if (current().isColor(static_cast<int>(col))) return;
    const int step = plotrecord::widthStep(current().getPenWidth());
    selectPen(col, step);
    plotrecord::appendPen(current(), static_cast<int>(col), step);
}

void WinScr::fill(const float* x, const float* y, int count, int colour, unsigned alpha) {
    if (count < 3) return;
    if (colour < 0 || (colour > 15 && !velora::isTrueColour(colour))) colour = 15;
    const unsigned long n = static_cast<unsigned long>(count);
    flippedY.resize(n);
    for (unsigned long i = 0; i < n; ++i)
        flippedY[i] = flipped(y[i]);
    plotrecord::appendFill(current(), colour, alpha, x, flippedY.data(), n);
    if (!hdc) return;
    // Mapped as the repaint maps the record, so that both show the same pixels.
    polygon.resize(n);
    const double fx = static_cast<double>(data.xscale) / data.listScale;
    const double fy = static_cast<double>(data.yscale) / data.listScale;
    for (unsigned long i = 0; i < n; ++i) {
        polygon[i].x = static_cast<int>(plotrecord::listUnits(x[i]) * fx);
        polygon[i].y = static_cast<int>(plotrecord::listUnits(flippedY[i]) * fy);
    }
    const auto guard = live.hold();
    page.raster().fillPolygon(polygon.data(), n, CanvasTarget::pixelColour(colour), alpha);
    live.drawn();
}

int WinScr::getColor() {
    return current().getColor();
}

float WinScr::getPenWidth() {
    return current().getPenWidth();
}

void WinScr::setPenWidth(float width) {
    if (current().isPenWidth(width)) return;
    const int step = plotrecord::widthStep(width);
    const int col = getColor();
    selectPen(static_cast<unsigned>(col), step);
    plotrecord::appendPen(current(), col, step);
}

void WinScr::clear() {
    clearrec(0, 0, 640, 480, CLEAR_AND_EMPTY);
}

void WinScr::clearrec(float x1, float y1, float x2, float y2, ClearFlag flag) {
    const float y1f = flipped(y1), y2f = flipped(y2);
    const int savedColour = getColor();
    const float savedWidth = getPenWidth();
    setColor(15);
    PlotPuffer& layer = current();
    const auto fill = [&] {
        if (!hdc) return;
        const auto guard = live.hold();
        // Filled white and outlined with the current pen (colour 15 now).
        page.raster().rectangle(pixels(x1, data.xscale), pixels(y1f, data.yscale),
                                pixels(x2, data.xscale), pixels(y2f, data.yscale),
                                RasterCanvas::rgb(255, 255, 255));
        live.drawn();
    };
    switch (flag) {
    case CLEAR_AND_EMPTY: {
        fill();
        const unsigned long number = [&] {
            for (NumberedList<PlotPuffer>* node = &layers; node; node = node->getNext())
                if (&node->payload() == &layer) return node->getIndex();
            return 0ul;
        }();
        if (number == 0 || number == layers.lastIndex()) {
            for (NumberedList<PlotPuffer>* node = &layers; node; node = node->getNext()) {
                node->payload().setCounter(0);
                node->payload().setViewportBegin(0);
            }
        } else {
            layer.setCounter(0);
        }
        break;
    }
    case CLEAR_TO_VIEWPORT:
        fill();
        layer.setCounter(layer.getViewportBegin());
        if (HWND hwnd = *this) {
            // Only the cleared rectangle (and its outline, as far as its pen reaches) differs
            // from what the display lists show: the repaint draws it afresh from them.
            const int reach =
                ReplayMapping::scaledWidth(plotrecord::widthStep(getPenWidth()) + data.penExtra,
                                           data.penScale) +
                2;
            const int left = pixels(x1, data.xscale), right = pixels(x2, data.xscale);
            const int top = pixels(y1f, data.yscale), bottom = pixels(y2f, data.yscale);
            const RECT cleared{std::min(left, right) - reach, std::min(top, bottom) - reach,
                               std::max(left, right) + reach + 1,
                               std::max(top, bottom) + reach + 1};
            InvalidateRect(hwnd, &cleared, TRUE);
        }
        break;
    case CUT_TO_VIEWPORT:
        layer.setCounter(layer.getViewportBegin());
        break;
    }
    setColor(static_cast<unsigned>(savedColour));
    setPenWidth(savedWidth);
}

void WinScr::placeImage(float x1, float y1, float x2, float y2, bool cells, int columns, int rows,
                        const void* pixelRows, const void* infoHeader) {
    const float y1f = flipped(y1), y2f = flipped(y2);
    plotrecord::appendBitmap(current(), x1, y1f, x2, y2f, columns, rows, pixelRows, infoHeader,
                             cells);
    if (!hdc) return;
    const int h = static_cast<int>(static_cast<double>(y1f) - (y2f + 1.0));
    const int w = static_cast<int>(static_cast<int>(static_cast<double>(x2) - x1) *
                                   static_cast<double>(data.xscale));
    const int left = pixels(x1, data.xscale);
    const int top = static_cast<int>((static_cast<double>(y1f) - h) * data.yscale);
    const int height = static_cast<int>(h * static_cast<double>(data.yscale)) + 1;
    const auto guard = live.hold();
    BufferTarget::stretchImage(page, left, top, w, height, columns, rows, pixelRows, infoHeader,
                               cells);
    live.drawn();
}

void WinScr::putbmp(float x1, float y1, float x2, float y2, bitmap& image) {
    // A picture with a colour palette is a colour map's: its cells stay crisp.
    placeImage(x1, y1, x2, y2, image.hascolourpalette(), image.getwidth(), image.getheight(),
               image[0], image.GetInfoHeader());
}

void WinScr::putbmp(float x1, float y1, float x2, float y2, bitmap24& image) {
    placeImage(x1, y1, x2, y2, false, image.getwidth(), image.getheight(), image(0, 0),
               image.GetInfoHeader());
}

void WinScr::setsmooth() {
    const auto guard = live.hold();
    page.raster().setSmooth(true);
    data.smooth = true;
}

void WinScr::fail(const char* message, unsigned short id) {
    std::cout << message;
    std::cout.flush();
    errorHandel(id);
    velora::endProcess();
}

void WinScr::showbmp(float x1, float y1, float x2, float y2, const char* name) {
    const float y1f = flipped(y1), y2f = flipped(y2);
    const std::string file = bitmapFileName(name);
    std::FILE* in = std::fopen(file.c_str(), "rb");
    if (!in)
        fail(("WinScr::error : " + file +
              " nicht ge\xf6"
              "ffnet!\n")
                 .c_str(),
             0x2000);
    char type[2] = {};
    const bool isBitmap = std::fread(type, 1, 2, in) == 2 && type[0] == 'B' && type[1] == 'M';
    if (!isBitmap) {
        std::fclose(in);
        fail("WinScr::error :  Falsche Bitmap-ID!", 0x2001);
    }
    std::memset(bmpHeader, 0, sizeof bmpHeader);
    const std::size_t got = std::fread(bmpHeader, 1, sizeof bmpHeader, in);
    std::fclose(in);
    const unsigned long offset = littleEndian(bmpHeader + 8, 4);
    const unsigned long infoSize = littleEndian(bmpHeader + 12, 4);
    const long width = static_cast<long>(littleEndian(bmpHeader + 16, 4));
    const unsigned long planes = littleEndian(bmpHeader + 24, 2);
    const unsigned long bits = littleEndian(bmpHeader + 26, 2);
    const bool uncompressed = got == sizeof bmpHeader && (offset == 1078 || offset == 54) &&
                              infoSize == 40 && planes == 1 && (bits == 8 || bits == 24);
    if (!uncompressed) fail("WinScr::error : kein unkomprimiertes 256 Farben Bitmap!", 0x2002);
    if (width > widestFile) fail("WinScr::error : max 1024 Pixel Breite!\n", 0x2003);

    plotrecord::appendShowBmp(current(), x1, y1f, x2, y2f, file.c_str());
    if (!hdc) return;
    const double left = static_cast<double>(x1) * data.xscale;
    const double top = static_cast<double>(y2f) * data.yscale;
    const int w = static_cast<int>(static_cast<double>(x2) * data.xscale - left);
    const int h = static_cast<int>(static_cast<double>(y1f) * data.yscale - top);
    if (w + 1 <= 0 || h + 1 <= 0) return;
    const auto guard = live.hold();
    BufferTarget::loadFile(page, file.c_str(), static_cast<int>(left), static_cast<int>(top), w + 1,
                           h + 1);
    live.drawn();
}

PlotPuffer* WinScr::setPlotPuffer(unsigned layer) {
    if (layer > layers.lastIndex()) layers.append();
    data.currentPuffer = &layers.find(layer).payload();
    return data.currentPuffer;
}

unsigned WinScr::getPlotPufferEbenen() {
    return static_cast<unsigned>(layers.lastIndex());
}

void WinScr::setviewportbegin() {
    current().setViewportBegin(current().getCounter());
}
