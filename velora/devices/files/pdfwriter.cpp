#include "devices/files/pdfwriter.h"

#include "common/numberformat.h"
#include "devices/files/flate.h"
#include "devices/files/numbertext.h"
#include "devices/files/picturepixels.h"

#include <zlib.h>

#include <cmath>
#include <cstring>

using velora::integerText;
// PDF's numbers have no exponent form.
using velora::plainNumberText;

namespace {

// The objects before the pictures and forms: the content stream, its length, the catalogue,
// the page tree and the page.
constexpr int contentObject = 1, lengthObject = 2, catalogObject = 3, pagesObject = 4,
              pageObject = 5, firstFreeObject = 6;

// A shape is stroked by reference from its second stroke on when it has at most this many
// points; more distinct shapes than this are written out each time.
constexpr std::size_t shapePointLimit = 64;
constexpr std::size_t shapeLimit = 4096;

// Rectangles painted one after another in one colour go into one path, painted once, up to
// this many: a scatter of squares is then four numbers per square and no form placement.
constexpr int rectangleRunLimit = 1024;

// An outline of four corners (a fifth may repeat the first) joined by horizontal and vertical
// edges is a rectangle: its lower left corner and its size, both positive, so that the
// rectangles of one path all turn the same way and the winding rule fills their union.
bool asRectangle(const std::vector<velora::GridPoint>& points, std::size_t first, std::size_t count,
                 long long rectangle[4]) {
    if (count == 5 &&
        (points[first + 4].x != points[first].x || points[first + 4].y != points[first].y))
        return false;
    if (count != 4 && count != 5) return false;
    const velora::GridPoint* p = &points[first];
    const bool acrossFirst =
        p[0].y == p[1].y && p[1].x == p[2].x && p[2].y == p[3].y && p[3].x == p[0].x;
    const bool upFirst =
        p[0].x == p[1].x && p[1].y == p[2].y && p[2].x == p[3].x && p[3].y == p[0].y;
    if (!acrossFirst && !upFirst) return false;
    const long long x0 = std::min(p[0].x, p[2].x), x1 = std::max(p[0].x, p[2].x);
    const long long y0 = std::min(p[0].y, p[2].y), y1 = std::max(p[0].y, p[2].y);
    if (x0 == x1 || y0 == y1) return false;
    rectangle[0] = x0;
    rectangle[1] = y0;
    rectangle[2] = x1 - x0;
    rectangle[3] = y1 - y0;
    return true;
}

std::string objectName(char kind, int number) {
    char text[velora::numberTextCapacity + 2] = {'/', kind};
    return std::string(text, velora::formatInt(text + 2, number));
}

} // namespace

pdfwriter::pdfwriter(char* name) : VectorPage("pdfwriter", name ? name : "") {
    // The comment of bytes above 127 marks the file as binary for programs that look.
    emit("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n");
    offsets.assign(firstFreeObject, 0);
    offsets[contentObject] = written;
    emit("1 0 obj\n<< /Length 2 0 R /Filter /FlateDecode >>\nstream\n");
    content = std::make_unique<velora::FlateStream>(out, written, Z_BEST_SPEED);
    // Round caps and joins and the miter limit of the EPS file.
    content->put("1 J 1 j 10 M\n");
}

pdfwriter::~pdfwriter() noexcept(false) {
    finish();
}

void pdfwriter::endRectangleRun() {
    if (rectangleRun == 0) return;
    content->write(rectanglePainting, 2);
    rectangleRun = 0;
}

bool pdfwriter::paintAsRectangle(const std::vector<velora::GridPoint>& points,
                                 const std::vector<Subpath>& subpaths, const char* painting) {
    long long rectangle[4];
    if (subpaths.size() != 1 ||
        !asRectangle(points, subpaths[0].first, subpaths[0].count, rectangle))
        return false;
    if (rectangleRun > 0 && (rectanglePainting != painting || rectangleRun == rectangleRunLimit))
        endRectangleRun();
    rectanglePainting = painting;
    ++rectangleRun;
    char* at = content->reserve(4 * velora::numberTextCapacity + 8);
    for (long long v : rectangle) {
        at = velora::formatThousandths(at, v);
        *at++ = ' ';
    }
    *at++ = 'r';
    *at++ = 'e';
    *at++ = '\n';
    content->commit(at);
    return true;
}

void pdfwriter::selectPen() {
    if (colour != writtenColour) {
        endRectangleRun();
        writtenColour = colour;
        double rgb[3];
        components(colour, rgb);
        std::string line = plainNumberText(rgb[0]) + ' ' + plainNumberText(rgb[1]) + ' ' +
                           plainNumberText(rgb[2]) + " RG\n";
        content->write(line.data(), line.size());
    }
    if (penwidth != writtenWidth) {
        endRectangleRun();
        writtenWidth = penwidth;
        std::string line = plainNumberText(std::fabs(penwidth * 1.75)) + " w\n";
        content->write(line.data(), line.size());
    }
}

void pdfwriter::writePath(const std::vector<velora::GridPoint>& points,
                          const std::vector<Subpath>& subpaths, velora::GridPoint origin,
                          const char* painting) {
    endRectangleRun();
    for (const Subpath& s : subpaths) {
        for (std::size_t i = 0; i < s.count; ++i) {
            const velora::GridPoint& p = points[s.first + i];
            char* at = content->reserve(2 * velora::numberTextCapacity + 4);
            at = velora::formatThousandths(at, p.x - origin.x);
            *at++ = ' ';
            at = velora::formatThousandths(at, p.y - origin.y);
            *at++ = ' ';
            *at++ = i == 0 ? 'm' : 'l';
            *at++ = '\n';
            content->commit(at);
        }
        if (s.closed) content->write("h\n", 2);
    }
    content->write(painting, std::strlen(painting));
}

bool pdfwriter::paintByReference(const std::vector<velora::GridPoint>& points,
                                 const std::vector<Subpath>& subpaths, const char* painting) {
    if (points.size() > shapePointLimit) return false;
    // The outline relative to the first point, as bytes, after the painting operator: a filled
    // shape is another form than the same shape stroked.
    const velora::GridPoint origin = points.front();
    shapeKey.assign(painting);
    for (const Subpath& s : subpaths) {
        const long long header[2] = {static_cast<long long>(s.count), s.closed ? 1 : 0};
        shapeKey.append(reinterpret_cast<const char*>(header), sizeof header);
        for (std::size_t i = 0; i < s.count; ++i) {
            const long long xy[2] = {points[s.first + i].x - origin.x,
                                     points[s.first + i].y - origin.y};
            shapeKey.append(reinterpret_cast<const char*>(xy), sizeof xy);
        }
    }
    auto found = shapes.find(shapeKey);
    if (found == shapes.end()) {
        if (shapes.size() < shapeLimit) shapes.emplace(shapeKey, Shape{});
        return false;
    }
    endRectangleRun();
    Shape& shape = found->second;
    if (shape.form < 0) {
        // Seen before: from now on drawn once as a form, which takes the colour and width
        // current where it is placed.
        const int object = static_cast<int>(offsets.size() + pending.size());
        shape.form = ++forms;
        std::string outline;
        for (const Subpath& s : subpaths) {
            for (std::size_t i = 0; i < s.count; ++i) {
                const velora::GridPoint& p = points[s.first + i];
                char text[2 * velora::numberTextCapacity + 4];
                char* at = velora::formatThousandths(text, p.x - origin.x);
                *at++ = ' ';
                at = velora::formatThousandths(at, p.y - origin.y);
                *at++ = ' ';
                *at++ = i == 0 ? 'm' : 'l';
                *at++ = '\n';
                outline.append(text, at);
            }
            if (s.closed) outline += "h\n";
        }
        outline += painting;
        // The form's box: the outline's extent widened by the widest pen a page might use.
        long long minx = 0, miny = 0, maxx = 0, maxy = 0;
        for (const velora::GridPoint& p : points) {
            minx = std::min(minx, p.x - origin.x);
            maxx = std::max(maxx, p.x - origin.x);
            miny = std::min(miny, p.y - origin.y);
            maxy = std::max(maxy, p.y - origin.y);
        }
        const long long margin = 1000000; // 1000 points
        char box[4 * velora::numberTextCapacity + 8];
        char* at = box;
        for (long long v : {minx - margin, miny - margin, maxx + margin, maxy + margin}) {
            at = velora::formatThousandths(at, v);
            *at++ = ' ';
        }
        pending.push_back({
            "/Type /XObject /Subtype /Form /BBox [" + std::string(box, at - 1) +
                "] /Filter /FlateDecode",
            velora::deflateBytes(reinterpret_cast<const unsigned char*>(outline.data()),
                                 outline.size(), Z_BEST_SPEED),
        });
        xobjects += objectName('F', shape.form) + ' ' + integerText(object) + " 0 R ";
    }
    char text[3 * velora::numberTextCapacity + 32];
    char* at = text;
    std::memcpy(at, "q 1 0 0 1 ", 10);
    at += 10;
    at = velora::formatThousandths(at, origin.x);
    *at++ = ' ';
    at = velora::formatThousandths(at, origin.y);
    std::memcpy(at, " cm /F", 6);
    at = velora::formatInt(at + 6, shape.form);
    std::memcpy(at, " Do Q\n", 6);
    content->write(text, static_cast<std::size_t>(at + 6 - text));
    return true;
}

void pdfwriter::strokePath(const std::vector<velora::GridPoint>& points,
                           const std::vector<Subpath>& subpaths) {
    selectPen();
    if (paintAsRectangle(points, subpaths, "S\n")) return;
    if (paintByReference(points, subpaths, "S\n")) return;
    writePath(points, subpaths, {0, 0}, "S\n");
}

void pdfwriter::placePicture(const velora::PicturePixels& picture, double a, double d, double e,
                             double f) {
    endRectangleRun();
    ++images;
    const int object = static_cast<int>(offsets.size() + pending.size());
    std::string dictionary = "/Type /XObject /Subtype /Image /Width " + integerText(picture.width) +
                             " /Height " + integerText(picture.height) + " /BitsPerComponent 8";
    if (picture.indexed) {
        dictionary += " /ColorSpace [/Indexed /DeviceRGB 255 <";
        static const char digits[] = "0123456789abcdef";
        for (unsigned char byte : picture.palette) {
            dictionary += digits[byte >> 4];
            dictionary += digits[byte & 15];
        }
        dictionary += ">]";
    } else {
        dictionary += " /ColorSpace /DeviceRGB";
    }
    dictionary += " /Filter /FlateDecode";
    // A map's million cells would take most of the page's time at the default level; the
    // fastest takes a quarter of it, for about twice the bytes of a smooth map.
    const int level = picture.colourMap ? Z_BEST_SPEED : Z_DEFAULT_COMPRESSION;
    pending.push_back(
        {dictionary, velora::deflateBytes(picture.rows.data(), picture.rows.size(), level)});
    xobjects += objectName('I', images) + ' ' + integerText(object) + " 0 R ";
    const std::string line = "q " + plainNumberText(a) + " 0 0 " + plainNumberText(d) + ' ' +
                             plainNumberText(e) + ' ' + plainNumberText(f) + " cm " +
                             objectName('I', images) + " Do Q\n";
    content->write(line.data(), line.size());
}

void pdfwriter::fillPath(const std::vector<velora::GridPoint>& points, int colour, unsigned alpha) {
    // The fill colour is the page's non-stroking colour: the strokes never use it, so it is
    // written only when it changes. An opacity below 1 lives between q and Q, so that the
    // pictures placed later stay opaque.
    fillSubpath.assign(1, Subpath{0, points.size(), true});
    if (colour != writtenFillColour) {
        endRectangleRun();
        writtenFillColour = colour;
        double rgb[3];
        components(colour, rgb);
        const std::string line = plainNumberText(rgb[0]) + ' ' + plainNumberText(rgb[1]) + ' ' +
                                 plainNumberText(rgb[2]) + " rg\n";
        content->write(line.data(), line.size());
    }
    // Rectangles of one opaque colour share a path; a translucent one is painted alone, since
    // where two overlap the page shows both.
    if (alpha == 255 && paintAsRectangle(points, fillSubpath, "f\n")) return;
    if (alpha < 255) {
        endRectangleRun();
        if (!opacityUsed[alpha]) {
            opacityUsed[alpha] = true;
            opacityStates +=
                "/A" + integerText(alpha) + " << /ca " + plainNumberText(alpha / 255.0) + " >> ";
        }
        const std::string line = "q /A" + integerText(alpha) + " gs\n";
        content->write(line.data(), line.size());
    }
    if (!paintByReference(points, fillSubpath, "f\n"))
        writePath(points, fillSubpath, {0, 0}, "f\n");
    if (alpha < 255) content->write("Q\n", 2);
}

void pdfwriter::finish() {
    strokeRemainder();
    endRectangleRun();
    content->finish();
    const long long streamLength =
        written - offsets[contentObject] -
        static_cast<long long>(
            std::strlen("1 0 obj\n<< /Length 2 0 R /Filter /FlateDecode >>\nstream\n"));
    emit("\nendstream\nendobj\n");
    offsets[lengthObject] = written;
    emit("2 0 obj\n" + integerText(streamLength) + "\nendobj\n");
    offsets[catalogObject] = written;
    emit("3 0 obj\n<< /Type /Catalog /Pages 4 0 R >>\nendobj\n");
    offsets[pagesObject] = written;
    emit("4 0 obj\n<< /Type /Pages /Kids [5 0 R] /Count 1 >>\nendobj\n");
    const PageBox box = pageBox();
    offsets[pageObject] = written;
    emit("5 0 obj\n<< /Type /Page /Parent 4 0 R /MediaBox [" + plainNumberText(box.llx) + ' ' +
         plainNumberText(box.lly) + ' ' + plainNumberText(box.urx) + ' ' +
         plainNumberText(box.ury) + "] /Resources << /XObject << " + xobjects + ">> " +
         (opacityStates.empty() ? "" : "/ExtGState << " + opacityStates + ">> ") +
         ">> /Contents 1 0 R >>\nendobj\n");
    for (const PendingObject& object : pending) {
        offsets.push_back(written);
        const std::string number = integerText(static_cast<long long>(offsets.size() - 1));
        emit(number + " 0 obj\n<< " + object.dictionary + " /Length " +
             integerText(static_cast<long long>(object.data.size())) + " >>\nstream\n");
        emit(object.data);
        emit("\nendstream\nendobj\n");
    }
    const long long xref = written;
    emit("xref\n0 " + integerText(static_cast<long long>(offsets.size())) +
         "\n0000000000 65535 f\r\n");
    for (std::size_t i = 1; i < offsets.size(); ++i) {
        char entry[21];
        std::snprintf(entry, sizeof entry, "%010lld 00000 n\r\n", offsets[i]);
        emit(entry, 20);
    }
    emit("trailer\n<< /Size " + integerText(static_cast<long long>(offsets.size())) +
         " /Root 3 0 R >>\nstartxref\n" + integerText(xref) + "\n%%EOF\n");
    closeAndPublish();
}
