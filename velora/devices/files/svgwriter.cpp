#include "devices/files/svgwriter.h"

#include "common/colour.h"
#include "common/numberformat.h"
#include "devices/files/flate.h"
#include "devices/files/numbertext.h"
#include "devices/files/picturepixels.h"

#include <cmath>
#include <cstring>

using velora::integerText;
using velora::numberText;

namespace {

const char header[] = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" "
                      "xmlns:xlink=\"http://www.w3.org/1999/xlink\" version=\"1.1\"";
// Blanks in the root element where its size and view box go at the end.
constexpr std::size_t reservedBytes = 120;

// Whole colours by name, the greys as exact percentages, true colours in hexadecimal.
std::string colourText(int colour) {
    static const char digits[] = "0123456789abcdef";
    if (velora::isTrueColour(colour)) {
        std::string text = "#";
        for (int shift = 20; shift >= 0; shift -= 4)
            text += digits[colour >> shift & 15];
        return text;
    }
    const double* rgb = VectorPage::colourTable[colour];
    if (rgb[0] == rgb[1] && rgb[1] == rgb[2] && rgb[0] != 0.0 && rgb[0] != 1.0) {
        const std::string percent = numberText(100.0 * rgb[0]) + '%';
        return "rgb(" + percent + ',' + percent + ',' + percent + ')';
    }
    std::string text = "#";
    for (int i = 0; i < 3; ++i)
        text += rgb[i] != 0.0 ? "ff" : "00";
    return text;
}

// A number of SVG path data after another: a blank only where the number has no sign.
char* pathNumber(char* at, long long thousandths) {
    if (thousandths >= 0) *at++ = ' ';
    return velora::formatThousandths(at, thousandths, false);
}

} // namespace

svgwriter::svgwriter(char* name) : VectorPage("svgwriter", name ? name : "") {
    emit(header, sizeof header - 1);
    reservedAt = written;
    emit(std::string(reservedBytes, ' ') + ">\n");
}

svgwriter::~svgwriter() noexcept(false) {
    finish();
}

void svgwriter::closeGroup() {
    closeRun();
    if (!groupOpen) return;
    emit("</g>\n", 5);
    groupOpen = false;
}

void svgwriter::strokePath(const std::vector<velora::GridPoint>& points,
                           const std::vector<Subpath>& subpaths) {
    if (!groupOpen || colour != groupColour || penwidth != groupWidth) {
        closeGroup();
        groupColour = colour;
        groupWidth = penwidth;
        // A width of 0 is PostScript's thinnest line, one device pixel: at 300 dpi 0.24 point.
        const double width = penwidth != 0.0f ? std::fabs(penwidth * 1.75) : 0.24;
        emit("<g fill=\"none\" stroke=\"" + colourText(colour) + "\" stroke-width=\"" +
             numberText(width) + "\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n");
        groupOpen = true;
    }
    std::string d = "<path d=\"";
    char text[2 * velora::numberTextCapacity + 8];
    for (const Subpath& s : subpaths) {
        // Absolute to the start, then relative: the steps of a thinned line are short. SVG's y
        // runs downwards.
        const velora::GridPoint& start = points[s.first];
        char* at = text;
        *at++ = 'M';
        at = velora::formatThousandths(at, start.x, false);
        at = pathNumber(at, -start.y);
        if (s.count > 1) *at++ = 'l';
        d.append(text, at);
        for (std::size_t i = 1; i < s.count; ++i) {
            const velora::GridPoint& from = points[s.first + i - 1];
            const velora::GridPoint& to = points[s.first + i];
            at = text;
            at = i == 1 ? velora::formatThousandths(at, to.x - from.x, false)
                        : pathNumber(at, to.x - from.x);
            at = pathNumber(at, from.y - to.y);
            d.append(text, at);
        }
        if (s.closed) d += 'Z';
    }
    d += "\"/>\n";
    emit(d);
}

void svgwriter::placePicture(const velora::PicturePixels& picture, double a, double d, double e,
                             double f) {
    closeGroup();
    // Pixel (0, 0) is the picture's top left corner; the rows go down.
    std::string element = "<image width=\"" + integerText(picture.width) + "\" height=\"" +
                          integerText(picture.height) + "\" preserveAspectRatio=\"none\" " +
                          "image-rendering=\"optimizeSpeed\" transform=\"matrix(" +
                          numberText(a / picture.width) + " 0 0 " + numberText(d / picture.height) +
                          ' ' + numberText(e) + ' ' + numberText(-f - d) +
                          ")\" xlink:href=\"data:image/png;base64,";
    velora::appendBase64(element, velora::encodePng(picture));
    element += "\"/>\n";
    emit(element);
}

namespace {

// Shapes of more points are written out each time; so are the shapes beyond this many.
constexpr std::size_t shapePointLimit = 64;
constexpr std::size_t shapeLimit = 4096;

// The outline relative to its first point as SVG path data ("M0 0l...Z").
std::string relativeOutline(const std::vector<velora::GridPoint>& points) {
    std::string d = "M0 0l";
    char text[2 * velora::numberTextCapacity + 8];
    for (std::size_t i = 1; i < points.size(); ++i) {
        char* at = text;
        at = i == 1 ? velora::formatThousandths(at, points[i].x - points[i - 1].x, false)
                    : pathNumber(at, points[i].x - points[i - 1].x);
        at = pathNumber(at, points[i - 1].y - points[i].y);
        d.append(text, at);
    }
    return d + 'Z';
}

} // namespace

void svgwriter::closeRun() {
    if (runMarker < 0) return;
    run += "\"/>\n";
    emit(run);
    run.clear();
    runMarker = -1;
}

bool svgwriter::fillByReference(const std::vector<velora::GridPoint>& points, int colour,
                                unsigned alpha) {
    if (points.size() > shapePointLimit) return false;
    const velora::GridPoint origin = points.front();
    fillKey.clear();
    const long long head[2] = {colour, alpha};
    fillKey.append(reinterpret_cast<const char*>(head), sizeof head);
    for (const velora::GridPoint& p : points) {
        const long long xy[2] = {p.x - origin.x, p.y - origin.y};
        fillKey.append(reinterpret_cast<const char*>(xy), sizeof xy);
    }
    auto found = fillShapes.find(fillKey);
    if (found == fillShapes.end()) {
        if (fillShapes.size() < shapeLimit) fillShapes.emplace(fillKey, 0);
        return false;
    }
    int& marker = found->second;
    if (marker == 0) {
        // Seen before: from now on drawn by a marker, defined once.
        closeGroup();
        marker = ++markers;
        const std::string number = integerText(marker);
        std::string defs = "<defs><path id=\"s" + number + "\" d=\"" + relativeOutline(points) +
                           "\"/><marker id=\"m" + number +
                           "\" markerUnits=\"userSpaceOnUse\" markerWidth=\"1\" "
                           "markerHeight=\"1\" orient=\"0\" overflow=\"visible\">"
                           "<use xlink:href=\"#s" +
                           number + "\" fill=\"" + colourText(colour) + '"';
        if (alpha < 255) defs += " fill-opacity=\"" + numberText(alpha / 255.0) + '"';
        defs += "/></marker></defs>\n";
        emit(defs);
    }
    char text[2 * velora::numberTextCapacity + 8];
    char* at = text;
    if (runMarker != marker) {
        closeGroup();
        const std::string url = "url(#m" + integerText(marker) + ")";
        run = "<path fill=\"none\" marker-start=\"" + url + "\" marker-mid=\"" + url +
              "\" marker-end=\"" + url + "\" d=\"M";
        at = velora::formatThousandths(at, origin.x, false);
        at = pathNumber(at, -origin.y);
        runMarker = marker;
        runVertices = 1;
    } else {
        // Each further shape is one more vertex, a step from the last.
        if (runVertices++ == 1) *at++ = 'l';
        at = pathNumber(at, origin.x - runLast.x);
        at = pathNumber(at, runLast.y - origin.y);
    }
    run.append(text, at);
    runLast = origin;
    return true;
}

void svgwriter::fillPath(const std::vector<velora::GridPoint>& points, int colour, unsigned alpha) {
    if (fillByReference(points, colour, alpha)) return;
    closeGroup();
    std::string element = "<path fill=\"" + colourText(colour) + '"';
    if (alpha < 255) element += " fill-opacity=\"" + numberText(alpha / 255.0) + '"';
    element += " d=\"M";
    char text[2 * velora::numberTextCapacity + 8];
    char* at = velora::formatThousandths(text, points[0].x, false);
    at = pathNumber(at, -points[0].y);
    *at++ = 'l';
    element.append(text, at);
    for (std::size_t i = 1; i < points.size(); ++i) {
        at = text;
        at = i == 1 ? velora::formatThousandths(at, points[i].x - points[i - 1].x, false)
                    : pathNumber(at, points[i].x - points[i - 1].x);
        at = pathNumber(at, points[i - 1].y - points[i].y);
        element.append(text, at);
    }
    element += "Z\"/>\n";
    emit(element);
}

void svgwriter::finish() {
    strokeRemainder();
    closeGroup();
    emit("</svg>\n", 7);
    const PageBox box = pageBox();
    const std::string width = numberText(static_cast<double>(box.urx) - box.llx),
                      height = numberText(static_cast<double>(box.ury) - box.lly);
    const std::string size = " width=\"" + width + "pt\" height=\"" + height + "pt\" viewBox=\"" +
                             numberText(box.llx) + ' ' + numberText(-box.ury) + ' ' + width + ' ' +
                             height + '"';
    out.seek(static_cast<long>(reservedAt));
    out.write(size.data(), std::min(size.size(), reservedBytes));
    closeAndPublish();
}
