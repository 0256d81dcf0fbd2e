// The whole drawing interface: the input is a short program of calls (drawingprogram.h) on a
// desk opened on every file device at once, on a plot box and on a text renderer. After the
// desk is closed, every file is read as its readers read it (filechecks.h) and its size held
// against what the calls may legitimately write; a fault ends the process with a line on the
// standard error stream, which libFuzzer reports as a crash of the input.
#include "desk/desk.h"
#include "image/bitmap.h"
#include "image/bitmap24.h"
#include "plot/boxclass.h"
#include "text/fontclass.h"

#include "calltrace.h"
#include "drawingprogram.h"
#include "filechecks.h"
#include "fuzzsupport.h"
#include "outputwatch.h"
#include "programreader.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace {

using drawing::Range;
using drawing::trace;
using drawing::tracing;

const char outputName[] = "output";
const char pictureName[] = "picture";

// The usual ranges of the arguments. Box data are given relative to the box's range instead.
constexpr Range pageRange{-20, 160};
constexpr Range sizeRange{0, 4};
constexpr Range widthRange{0, 3};
constexpr Range alignRange{-1.5, 1.5};
constexpr Range fillRange{0, 1};
// A plotting area of a tenth of its frame at least: in a thinner one, data of a few units lie so
// far outside that a dashed polyline legitimately walks its 100,000 pieces a segment there, each
// of which sends its colour to the files.
constexpr Range boxFillRange{0.1, 1};
constexpr Range boxWidthRange{10, 140};
constexpr Range boxHeightRange{20, 100};
constexpr Range spanRange{0.01, 100};
constexpr Range tickCountRange{1, 20};
// Dashes below 0.3 of the period in boxes lower than 20 units would make periods so short that
// one segment across a box legitimately gives thousands of pieces.
constexpr Range dashRange{0.3, 1};
constexpr int maxDashedPoints = 16;

// The size bound of the files. Each call is charged what it may legitimately write: a unit of
// 1 KB for a primitive, and for series, texts, ticks and pictures units in proportion to their
// items. The weights are about three times the most that one item wrote on the largest
// legitimate calls of the generator above (64 symbols of 8 circles at scale 4, inside the box
// and clipped at its edge, 16-point dashed polylines from corner to corner of a low box, 4096
// bytes of bold text, 20 ticks an axis with labels of 7 decimals); its ranges, and the clamping
// of raw values to them, are what keep those calls that small. A file beyond the bound comes
// from a drawing that ran away.
constexpr long long bytesPerUnit = 1024;
constexpr long long baseBytes = 64 * 1024;
constexpr long long symbolUnits = 8;    // 2.6 KB: a symbol of 8 outlines, clipped
constexpr long long errorBarUnits = 20; // two half-bars and their symbols
// A dashed segment to a point far outside the box walks up to 100,000 pieces there before the
// rest is passed over by arithmetic, and each piece sends its colour to the files (some 14 bytes
// in the EPS file): 1.4 MB. A walk that never ends outgrows this within a second.
constexpr long long dashedSegmentUnits = 1536;
constexpr long long glyphUnits = 2;    // 0.8 KB: one glyph
constexpr long long tickUnits = 32;    // 10 KB: the ticks of both axes, both sides
constexpr long long labelUnits = 64;   // the tick labels of both axes
constexpr long long pictureUnits = 16; // the hex rows, PNG and image of a small picture

// A code fragment in a traced call, printed as it is.
struct Code {
    const char* text;
};

std::string argument(float v) {
    return drawing::literal(v);
}
std::string argument(double v) {
    return drawing::literal(v);
}
std::string argument(int v) {
    return std::to_string(v);
}
std::string argument(const std::string& v) {
    return drawing::literal(v);
}
std::string argument(Code v) {
    return v.text;
}

template <typename... Args> void traceCall(const char* function, const Args&... args) {
    if (!tracing()) return;
    std::string line = std::string(function) + "(";
    const char* separator = "";
    ((line += separator + argument(args), separator = ", "), ...);
    trace(line + ");");
}

// One run of a program. The desk is the first member, so the box and the renderer go before it
// when a fatal end of the library unwinds the run.
class Drawing {
public:
    // `bound` follows the calls as they are read: it holds the bound of the calls made so far.
    Drawing(const std::uint8_t* data, std::size_t size, const std::filesystem::path& folder,
            long long& bound)
        : in(data, size), folder(folder), bound(bound) {
        bound = baseBytes;
        fuzz::watchOutput(folder, bound);
    }

    void run() {
        const int flags =
            EPS | PLT | PDF | SVG | (in.byte() & drawing::doubleSizeFlag ? DOUBLESIZE : 0);
        traceCall("d.open", flags, Code{"\"output\""});
        d.open(flags, outputName);
        d.setfontpath(VELORA_FONT_DIR);
        for (int calls = 0; calls < drawing::maxCalls && !in.atEnd(); ++calls)
            step(static_cast<drawing::Call>(in.byte() % drawing::CallCount));
        theBox.reset();
        renderer.reset();
        trace("d.close();");
        d.close();
    }

private:
    void step(drawing::Call call);
    // The units of the next call: the watch holds the files to them while it runs.
    void charge(long long units) {
        bound += units * bytesPerUnit;
        fuzz::watchOutput(folder, bound);
    }

    float page() { return in.number(pageRange); }
    int colour() { return in.smallInt(2, 20); }
    std::string text() { return in.text(); }

    boxclass& box() {
        if (!theBox) {
            trace("boxclass box(d);");
            theBox = std::make_unique<boxclass>(d);
        }
        return *theBox;
    }
    fontclass& font() {
        if (!renderer) {
            trace("fontclass text(d);");
            renderer = std::make_unique<fontclass>(d);
        }
        return *renderer;
    }
    // Box data: from half a range below the box's range to half a range above it.
    Range around(Range r) const {
        const double half = (r.high - r.low) / 2;
        return {r.low - half, r.high + half};
    }
    Range dataX() const { return around(xRange); }
    Range dataY() const { return around(yRange); }

    void primitive(drawing::Call call);
    void picture(bool colour);
    void showBmpFile();
    void boxInit();
    void boxDim();
    float tickStep(double span);
    void boxLabel();
    void boxSeries(drawing::Call call);
    void boxLine(bool arrow);
    void boxText();
    void textWrite();
    void textLength();

    desk d;
    std::unique_ptr<boxclass> theBox;
    std::unique_ptr<fontclass> renderer;
    drawing::ProgramReader in;
    std::filesystem::path folder;
    long long& bound;
    // The range of the box as its last dim set it (the box starts on 0 to 1).
    Range xRange{0, 1}, yRange{0, 1};
};

void Drawing::step(drawing::Call call) {
    using namespace drawing;
    // The box and the renderer come into being before the call that first uses them, so that
    // a printed program declares them first.
    if (call >= BoxInit && call <= BoxUseRight && call != TextWrite && call != TextLength) box();
    if (call == TextWrite || call == TextLength) font();
    switch (call) {
    case Move:
    case Draw:
    case Line:
    case Rec:
    case Pset:
    case Vector:
    case SetColor:
    case SetPenWidth:
    case SetViewport:
    case ResetViewport:
        charge(1);
        primitive(call);
        break;
    case PutGreyPicture:
    case PutColourPicture:
        charge(pictureUnits);
        picture(call == PutColourPicture);
        break;
    case ShowBmpFile:
        charge(pictureUnits + tickUnits);
        showBmpFile();
        break;
    case BoxInit:
        charge(1);
        boxInit();
        break;
    case BoxDim:
        charge(tickUnits);
        boxDim();
        break;
    case BoxLabel:
        boxLabel();
        break;
    case BoxAccuracy: {
        charge(1);
        const float ax = in.number(fillRange), ay = in.number(fillRange);
        traceCall("box.setaccuracy", ax, ay);
        box().setaccuracy(ax, ay);
        break;
    }
    case BoxModulo: {
        charge(1);
        const int axis = in.byte() & 1, m = in.integer({0, 720});
        traceCall("box.setAxisModulo", axis, m);
        box().setAxisModulo(axis, m);
        break;
    }
    case BoxPoints:
    case BoxErrorBars:
    case BoxHistogram:
    case BoxPolyline:
    case BoxVectors:
        boxSeries(call);
        break;
    case BoxLine:
    case BoxVector:
        boxLine(call == BoxVector);
        break;
    case BoxText:
        boxText();
        break;
    case TextWrite:
        textWrite();
        break;
    case TextLength:
        charge(1);
        textLength();
        break;
    case BoxClear: {
        charge(tickUnits);
        const int f = in.byte() % 3;
        traceCall("box.clear", f);
        box().clear(static_cast<ClearFlag>(f));
        break;
    }
    case BoxScale: {
        charge(1);
        const int axis = in.byte() % 3, scale = in.byte() % 3;
        traceCall("box.setscale", axis, scale);
        box().setscale(axis, scale);
        break;
    }
    case BoxTimeFrame: {
        charge(1);
        const double origin = in.doubleNumber({-1e10, 1e12});
        const int zone = in.integer({-1500, 1500});
        traceCall("box.settimeorigin", origin);
        box().settimeorigin(origin);
        traceCall("box.settimezone", zone);
        box().settimezone(zone);
        break;
    }
    case BoxRange: {
        charge(1);
        const int axis = in.byte() % 3;
        const double min = in.doubleNumber({-10, 1000}), max = min + in.doubleNumber({0, 1e6});
        traceCall("box.setrange", axis, min, max);
        box().setrange(axis, min, max);
        break;
    }
    case BoxDimRight: {
        charge(tickUnits);
        const float ymin = page(), ymax = static_cast<float>(ymin + in.number(spanRange));
        const float ystep = tickStep(static_cast<double>(ymax) - ymin);
        traceCall("box.dimright", ymin, ymax, ystep);
        box().dimright(ymin, ymax, ystep);
        break;
    }
    case BoxLabelRight: {
        const std::string caption = text();
        const float size = in.number(sizeRange);
        const int captionFont = in.byte(), tickFont = in.byte();
        charge(labelUnits + glyphUnits * static_cast<long long>(caption.size()));
        traceCall("box.labelright", caption, size, captionFont, tickFont);
        box().labelright(caption.c_str(), size, captionFont, tickFont);
        break;
    }
    case BoxUseRight: {
        charge(1);
        const int on = in.byte() & 1;
        traceCall("box.useright", on);
        box().useright(on != 0);
        break;
    }
    case CallCount:
        break;
    }
}

void Drawing::primitive(drawing::Call call) {
    using namespace drawing;
    switch (call) {
    case Move: {
        const float x = page(), y = page();
        traceCall("d.move", x, y);
        d.move(x, y);
        break;
    }
    case Draw: {
        const float x = page(), y = page();
        const int c = colour();
        traceCall("d.draw", x, y, c);
        d.draw(x, y, c);
        break;
    }
    case Line:
    case Rec:
    case SetViewport: {
        const float x1 = page(), y1 = page(), x2 = page(), y2 = page();
        if (call == SetViewport) {
            traceCall("d.setviewport", x1, y1, x2, y2);
            d.setviewport(x1, y1, x2, y2);
            break;
        }
        const int c = colour();
        traceCall(call == Line ? "d.line" : "d.rec", x1, y1, x2, y2, c);
        if (call == Line)
            d.line(x1, y1, x2, y2, c);
        else
            d.rec(x1, y1, x2, y2, c);
        break;
    }
    case Pset: {
        const float x = page(), y = page();
        const int c = colour();
        traceCall("d.pset", x, y, c);
        d.pset(x, y, c);
        break;
    }
    case Vector: {
        const float x1 = page(), y1 = page(), x2 = page(), y2 = page();
        const int c = colour();
        const float size = in.number(sizeRange);
        traceCall("d.vector", x1, y1, x2, y2, c, size);
        d.vector(x1, y1, x2, y2, c, size);
        break;
    }
    case SetColor: {
        const int c = colour();
        traceCall("d.setcolor", c);
        d.setcolor(c);
        break;
    }
    case SetPenWidth: {
        const float w = in.number(widthRange);
        traceCall("d.setpenwidth", w);
        d.setpenwidth(w);
        break;
    }
    default:
        trace("d.resetviewport();");
        d.resetviewport();
        break;
    }
}

// Pictures of 8 to 32 pixels by 1 to 8, their pixels a pattern of the input's byte.
struct PictureSize {
    int width, height;
    unsigned char seed;
};

PictureSize pictureSize(drawing::ProgramReader& in) {
    const std::uint8_t b = in.byte();
    return {8 * (1 + (b & 3)), 1 + (b >> 2 & 7), in.byte()};
}

void fill(bitmap& b, PictureSize size) {
    for (int k = 0; k < size.width * size.height; ++k)
        b[k / size.width][k % size.width] = static_cast<unsigned char>(k * size.seed);
}

void fill(bitmap24& b, PictureSize size) {
    for (short r = 0; r < size.height; ++r)
        for (short c = 0; c < size.width; ++c)
            for (int i = 0; i < 3; ++i)
                b(r, c)[i] = static_cast<unsigned char>(size.seed * (r + 3 * c + i));
}

void Drawing::picture(bool colour) {
    const PictureSize size = pictureSize(in);
    const float x1 = page(), y1 = page(), x2 = page(), y2 = page();
    if (tracing())
        trace(std::string(colour ? "bitmap24" : "bitmap") + " b(" + std::to_string(size.width) +
              ", " + std::to_string(size.height) + "); /* pattern " + std::to_string(size.seed) +
              " */");
    traceCall("d.putbmp", x1, y1, x2, y2, Code{"b"});
    if (colour) {
        bitmap24 b(size.width, size.height);
        fill(b, size);
        d.putbmp(x1, y1, x2, y2, b);
    } else {
        bitmap b(size.width, size.height);
        fill(b, size);
        d.putbmp(x1, y1, x2, y2, b);
    }
}

// A BMP file the harness saves, shown on the desk or, in data coordinates, in the box.
void Drawing::showBmpFile() {
    const std::uint8_t kind = in.byte();
    const PictureSize size = pictureSize(in);
    std::string name = std::string(pictureName) + ".bmp";
    if (kind & 1) {
        bitmap24 b(size.width, size.height);
        fill(b, size);
        b.save(&name[0]);
    } else {
        bitmap b(size.width, size.height);
        fill(b, size);
        b.save(&name[0]);
    }
    if (tracing())
        trace(std::string(kind & 1 ? "bitmap24" : "bitmap") + " b(" + std::to_string(size.width) +
              ", " + std::to_string(size.height) + "); /* pattern " + std::to_string(size.seed) +
              " */ b.save(\"picture.bmp\");");
    if (kind & 2) {
        const float x1 = in.number(dataX(), true), y1 = in.number(dataY(), true),
                    x2 = in.number(dataX(), true), y2 = in.number(dataY(), true);
        boxclass& b = box();
        traceCall("box.showbmp", x1, y1, x2, y2, Code{"\"picture\""});
        b.showbmp(x1, y1, x2, y2, pictureName);
    } else {
        const float x1 = page(), y1 = page(), x2 = page(), y2 = page();
        traceCall("d.showbmp", x1, y1, x2, y2, Code{"\"picture\""});
        d.showbmp(x1, y1, x2, y2, pictureName);
    }
}

void Drawing::boxInit() {
    const float x1 = page(), y1 = page();
    const float x2 = static_cast<float>(x1 + in.number(boxWidthRange, true));
    const float y2 = static_cast<float>(y1 + in.number(boxHeightRange, true));
    const float fillX = in.number(boxFillRange, true), fillY = in.number(boxFillRange, true);
    traceCall("box.init", x1, y1, x2, y2, fillX, fillY);
    box().init(x1, y1, x2, y2, fillX, fillY);
}

// 0 (chosen by the box), -1 (no ticks) or a step of 1 to 20 intervals of the range. A hostile
// count is passed on as the step itself.
float Drawing::tickStep(double span) {
    const std::uint8_t kind = in.byte() % 3;
    if (kind == 0) return 0.0f;
    if (kind == 1) return -1.0f;
    const float count = in.number(tickCountRange);
    if (!std::isfinite(count) || count == 0) return count;
    return static_cast<float>(span / std::clamp(count, 1.0f, 20.0f));
}

void Drawing::boxDim() {
    const float xmin = page(), xmax = static_cast<float>(xmin + in.number(spanRange));
    const float ymin = page(), ymax = static_cast<float>(ymin + in.number(spanRange));
    const float xstep = tickStep(static_cast<double>(xmax) - xmin);
    const float ystep = tickStep(static_cast<double>(ymax) - ymin);
    const float factor = in.number(sizeRange);
    const int side = in.byte() % 4;
    traceCall("box.dim", xmin, xmax, ymin, ymax, xstep, ystep, factor, side);
    box().dim(xmin, xmax, ymin, ymax, xstep, ystep, factor, side);
    xRange = {xmin, xmax};
    yRange = {ymin, ymax};
}

void Drawing::boxLabel() {
    const std::string xtext = text(), ytext = text();
    const float size = in.number(sizeRange);
    const int ywidth = in.smallInt(2, 12);
    const int captionFont = in.byte(), tickFont = in.byte();
    charge(labelUnits + glyphUnits * static_cast<long long>(xtext.size() + ytext.size()));
    traceCall("box.label", xtext, ytext, size, ywidth, captionFont, tickFont);
    box().label(xtext.c_str(), ytext.c_str(), size, ywidth, captionFont, tickFont);
}

const char* typeName(int type) {
    return type == drawing::IntArray ? "int" : type == drawing::FloatArray ? "float" : "double";
}

template <typename T> std::vector<T> converted(const std::vector<double>& values) {
    std::vector<T> result(values.size());
    std::transform(values.begin(), values.end(), result.begin(),
                   [](double v) { return static_cast<T>(v); });
    return result;
}

void Drawing::boxSeries(drawing::Call call) {
    using namespace drawing;
    const int type = call == BoxVectors ? FloatArray : in.byte() % 3;
    const std::size_t n = in.arrayLength();
    const std::vector<double> x = in.values(type, n, dataX());
    const std::vector<double> y = in.values(type, n, dataY());
    const std::vector<double> err = call == BoxErrorBars
                                        ? in.values(type, n, {0, (xRange.high - xRange.low) / 4})
                                        : std::vector<double>();
    const int c = colour();
    const int count = static_cast<int>(n);
    if (tracing()) {
        trace("{");
        trace(arrayLiteral(typeName(type), "x", x));
        trace(arrayLiteral(typeName(type), "y", y));
        if (call == BoxErrorBars) trace(arrayLiteral(typeName(type), "err", err));
    }
    // Each series passes the arrays in the element type the program chose.
    const auto draw = [&](auto tag, const auto& function) {
        using T = decltype(tag);
        const std::vector<T> xs = converted<T>(x), ys = converted<T>(y), es = converted<T>(err);
        function(xs.data(), ys.data(), es.data());
    };
    const auto forType = [&](const auto& function) {
        if (type == IntArray)
            draw(int(), function);
        else if (type == FloatArray)
            draw(float(), function);
        else
            draw(double(), function);
    };
    switch (call) {
    case BoxPoints: {
        const int s = in.smallInt(2, 130);
        const float scale = in.number(sizeRange);
        charge(1 + count * symbolUnits);
        traceCall("box.showpoints", Code{"x"}, Code{"y"}, count, c, s, scale);
        forType([&](auto xs, auto ys, auto) { box().showpoints(xs, ys, count, c, s, scale); });
        break;
    }
    case BoxErrorBars: {
        const int s = in.smallInt(2, 130);
        const float scale = in.number(sizeRange);
        charge(1 + count * errorBarUnits);
        traceCall("box.showerrorbars", Code{"x"}, Code{"y"}, Code{"err"}, count, s, c, scale);
        forType([&](auto xs, auto ys, auto es) {
            box().showerrorbars(xs, ys, es, count, s, c, scale);
        });
        break;
    }
    case BoxHistogram:
        charge(1 + count);
        traceCall("box.showhistogram", Code{"x"}, Code{"y"}, count, c);
        forType([&](auto xs, auto ys, auto) { box().showhistogram(xs, ys, count, c); });
        break;
    case BoxPolyline: {
        const float dash = in.number(dashRange, true);
        const bool dashed = dash > 0 && dash < 1;
        const int points = dashed ? std::min(count, maxDashedPoints) : count;
        charge(1 + points * (dashed ? dashedSegmentUnits : 1));
        traceCall("box.connectpoints", Code{"x"}, Code{"y"}, points, c, dash);
        forType([&](auto xs, auto ys, auto) { box().connectpoints(xs, ys, points, c, dash); });
        break;
    }
    default: {
        // Arrows take floats only.
        const float size = in.number(sizeRange);
        charge(1 + count);
        traceCall("box.showvectors", Code{"x"}, Code{"y"}, count, c, size);
        const std::vector<float> xs = converted<float>(x), ys = converted<float>(y);
        box().showvectors(xs.data(), ys.data(), count, c, size);
        break;
    }
    }
    trace("}");
}

void Drawing::boxLine(bool arrow) {
    const float x1 = in.number(dataX(), true), y1 = in.number(dataY(), true),
                x2 = in.number(dataX(), true), y2 = in.number(dataY(), true);
    const int c = colour();
    if (arrow) {
        const float size = in.number(sizeRange);
        charge(1);
        traceCall("box.vector", x1, y1, x2, y2, c, size);
        box().vector(x1, y1, x2, y2, c, size);
        return;
    }
    const float dash = in.number(dashRange, true);
    charge(dashedSegmentUnits);
    traceCall("box.line", x1, y1, x2, y2, c, dash);
    box().line(x1, y1, x2, y2, c, dash);
}

void Drawing::boxText() {
    const bool upwards = in.byte() & 1;
    const float x = in.number(dataX(), true), y = in.number(dataY(), true);
    const std::string t = text();
    const int c = colour(), f = in.byte();
    const float size = in.number(sizeRange), h = in.number(alignRange), v = in.number(alignRange);
    charge(1 + glyphUnits * static_cast<long long>(t.size()));
    traceCall(upwards ? "box.vwrite" : "box.hwrite", x, y, t, c, f, size, h, v);
    if (upwards)
        box().vwrite(x, y, t.c_str(), c, f, size, h, v);
    else
        box().hwrite(x, y, t.c_str(), c, f, size, h, v);
}

void Drawing::textWrite() {
    const bool upwards = in.byte() & 1;
    const float x = page(), y = page();
    const std::string t = text();
    const int c = colour(), f = in.byte();
    const float size = in.number(sizeRange), h = in.number(alignRange), v = in.number(alignRange);
    charge(1 + glyphUnits * static_cast<long long>(t.size()));
    traceCall(upwards ? "text.vwrite" : "text.hwrite", x, y, t, c, f, size, h, v);
    if (upwards)
        font().vwrite(x, y, t.c_str(), c, f, size, h, v);
    else
        font().hwrite(x, y, t.c_str(), c, f, size, h, v);
}

void Drawing::textLength() {
    const std::string t = text();
    const int f = in.byte();
    const float size = in.number(sizeRange);
    traceCall("text.getlength", t, f, size);
    font().getlength(t.c_str(), f, size);
}

std::string fileText(const std::string& name) {
    std::ifstream file(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "drawing: %s\n", what.c_str());
    std::abort();
}

// With DRAWING_KEEP=<folder> in the environment, the files of each input are copied there
// before they are checked, to be read or opened in the programs of their formats.
const char* keptFolder = nullptr;

void keepFiles(const std::filesystem::path& folder) {
    if (!keptFolder) return;
    std::error_code ignored;
    std::filesystem::create_directories(keptFolder, ignored);
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored))
        std::filesystem::copy_file(entry.path(),
                                   std::filesystem::path(keptFolder) / entry.path().filename(),
                                   std::filesystem::copy_options::overwrite_existing, ignored);
}

// The files of the run, finished (the desk closed, or deleted by a fatal end's unwinding).
void checkFiles(const std::filesystem::path& folder, long long bound) {
    keepFiles(folder);
    const fuzz::LargestFile largest = fuzz::largestFile(folder);
    if (tracing())
        trace("/* largest file " + largest.path.filename().string() + ": " +
              std::to_string(largest.size) + " bytes of a bound of " + std::to_string(bound) +
              " */");
    if (largest.size > bound)
        fail(largest.path.filename().string() + " has " + std::to_string(largest.size) +
             " bytes, beyond the bound of " + std::to_string(bound) + " for this input");
    const struct {
        const char* extension;
        std::string (*check)(std::string_view);
    } formats[] = {{".eps", fuzz::checkEps},
                   {".plt", fuzz::checkHpgl},
                   {".pdf", fuzz::checkPdf},
                   {".svg", fuzz::checkSvg}};
    for (const auto& format : formats) {
        const std::string name = std::string(outputName) + format.extension;
        if (!std::filesystem::exists(folder / name)) continue;
        const std::string fault = format.check(fileText((folder / name).string()));
        if (!fault.empty()) fail(name + ": " + fault);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::prepare("drawing");
    const char* print = std::getenv("DRAWING_PRINT");
    drawing::setTracing(print && *print && *print != '0');
    keptFolder = std::getenv("DRAWING_KEEP");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::run([&] {
        const std::filesystem::path folder = std::filesystem::current_path();
        long long bound = 0;
        try {
            // The run is a temporary: its desk is closed or deleted, its files finished, before
            // they are checked.
            Drawing(data, size, folder, bound).run();
        } catch (...) {
            // A fatal end of the library ends the input; the files it leaves are checked too.
            fuzz::stopWatching();
            trace("/* the library ended the process here */");
            checkFiles(folder, bound);
            throw;
        }
        fuzz::stopWatching();
        checkFiles(folder, bound);
    });
    return 0;
}
