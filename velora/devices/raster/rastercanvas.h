// RasterCanvas: lines, rectangles and filled polygons drawn straight into 32-bit pixels in memory
// (the rows of a top-down device-independent bitmap), for the screen's page buffer. A polyline here
// costs a few nanoseconds a pixel, where a window system may spend a microsecond a segment on lines
// wider than one pixel; the window then gets the changed rectangle in one copy.
//
// The pixels are those of the window system's own pens, so that the page looks as it always
// did and a metafile of it plays back the same: a one-pixel pen walks each segment from its
// first point up to, not including, its last, halves rounded by the direction of the line; a
// wider pen fills each segment as a band of its width (the band's corners rounded to whole
// pixels, its inside taken at the pixels' top left corners) and puts its round dot on every
// point. The dot's shape may come from the window system (setDotShaper).
#pragma once

#include "common/api.h"
#include "devices/raster/linebatch.h"
#include "devices/raster/smoothstroke.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// A rectangle of pixels: left and top included, right and bottom not.
struct PixelBounds {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool empty() const { return left >= right || top >= bottom; }
};

// One row of a wide pen's round dot: the pixels from `from` to `to` (both included) in row `dy`,
// relative to the point.
struct DotRow {
    int dy;
    int from;
    int to;
};

// Fills `rows` with the dot of a pen `width` pixels wide.
using DotShaper = void (*)(int width, std::vector<DotRow>& rows);

class VELORA_API RasterCanvas : public LineSink {
public:
    // Pens are drawn at most this wide; a stray width costs no more.
    static constexpr int widestPen = 64;

    // The colour as a 32-bit bitmap keeps it: blue in the low byte, then green and red.
    static constexpr std::uint32_t rgb(unsigned red, unsigned green, unsigned blue) {
        return (red & 0xffu) << 16 | (green & 0xffu) << 8 | (blue & 0xffu);
    }
    // The dot of the window systems' round pens, worked out here: the rows of an ellipse in the
    // box from -(width / 2) to (width + 1) / 2 on both axes.
    static void roundDot(int width, std::vector<DotRow>& rows);

    RasterCanvas();

    // Draws into `width` x `height` pixels, row after row from the top, `pitch` pixels apart;
    // the caller keeps them. Null or an empty size draws nothing.
    void attach(std::uint32_t* pixels, int width, int height, int pitch);
    int width() const { return columns; }
    int height() const { return rows; }

    // Where the dots of wide pens come from (roundDot unless said); dots made are kept.
    void setDotShaper(DotShaper shaper);
    // The pen of the lines that follow; widths below 1 draw as 1, above widestPen as widestPen.
    void setPen(std::uint32_t colour, int width);
    // Lines antialiased (SmoothStroke) instead of with the window system's pixels. Whatever
    // draws on the pixels besides this canvas ends the stroke first (endStroke); everything the
    // canvas draws itself besides lines ends it too.
    void setSmooth(bool on);
    bool smooth() const { return smoothLines; }
    void endStroke() {
        if (smoothLines) stroke.end();
    }
    void polylines(const LinePoint* points, const unsigned long* counts, int lines) override;
    // Fills the rectangle, clipped to the pixels.
    void fill(PixelBounds area, std::uint32_t colour);
    // A filled rectangle as a window system draws one between two corners (in either order):
    // the area up to, not including, the right and bottom corner filled with `inside`, outlined
    // with the pen along its first and last pixels (a wide pen reaching out as on a line).
    void rectangle(int x1, int y1, int x2, int y2, std::uint32_t inside);
    // Fills the polygon of `count` vertices (device pixels, closed from the last to the first) by
    // the non-zero winding rule, with the pixels the window system's Polygon fills with no pen:
    // those whose top left corner lies inside, or on an edge that has the inside to its right
    // or below it (so that polygons sharing an edge share no pixel). Fewer than 3 vertices fill
    // nothing. Coordinates beyond what the window system holds (32 bits) are brought within it.
    // `colour` is laid over what is there with `alpha` (255 covers, 0 leaves it):
    // each channel becomes (colour * alpha + old * (255 - alpha) + 127) / 255.
    void fillPolygon(const LinePoint* points, unsigned long count, std::uint32_t colour,
                     unsigned alpha);

    // An uncompressed 8-bit picture (its rows, 4-byte aligned, and its 40-byte info header with
    // 256 palette colours) of pictureWidth x pictureHeight pixels stretched into the rectangle
    // of width x height pixels at (left, top), clipped to the pixels, with the pixels the window
    // system's StretchDIBits gives in the COLORONCOLOR mode. Nothing is marked changed. False,
    // drawing nothing, for a picture or a rectangle it does not take (another kind of picture, a
    // header that disagrees with the sizes, a mirrored or empty rectangle): the window system
    // draws those.
    bool palettePicture(int left, int top, int width, int height, int pictureWidth,
                        int pictureHeight, const void* picturePixels, const void* infoHeader);

    // The pixels changed since the last call (drawn here or marked by the caller), and the
    // record of them cleared.
    PixelBounds takeChanged();
    void markChanged(PixelBounds area);

private:
    void thinLine(int x0, int y0, int x1, int y1);
    // rasterwide.cpp: a polyline of a pen wider than one pixel.
    void widePolyline(const LinePoint* points, unsigned long count);
    void band(int x0, int y0, int x1, int y1);
    void quadrilateral(const int (&corners)[4][2]);
    void stamp(int x, int y);
    // Fills with the pen's colour, clipped to the pixels.
    void penRectangle(int left, int top, int right, int bottom);
    void markSegment(int x0, int y0, int x1, int y1, int reach);
    void smoothPolyline(const LinePoint* points, unsigned long count);

    // rasterpolygon.cpp: an edge of the polygon being filled, walked down the rows it crosses;
    // in 32 bits for a polygon near the pixels (most of them, and cheaper so on a 32-bit
    // processor), in 64 for any other.
    template <typename Int> struct PolygonEdgeOf {
        Int x;          // the first pixel at or right of the edge on the current row
        Int excess;     // how far that pixel lies right of the edge, in 1/rise of a pixel
        Int step;       // whole pixels the edge moves a row (rounded down)
        Int stepExcess; // and the part of a pixel left over, in 1/rise
        Int rise;
        int first, end; // the rows crossed on the pixels, end not included
        int winding;    // +1 downwards, -1 upwards
    };
    using NearEdge = PolygonEdgeOf<std::int32_t>;
    using FarEdge = PolygonEdgeOf<std::int64_t>;
    // Keeps the edges of the polygon that cross rows of the pixels, in `edges` from its start,
    // and tells how many.
    template <typename Int>
    std::size_t polygonEdgesOf(const LinePoint* points, unsigned long count,
                               std::vector<PolygonEdgeOf<Int>>& edges);
    // Fills the polygon of those edges, walking them down the rows.
    template <typename Int>
    void fillByEdges(std::vector<PolygonEdgeOf<Int>>& edges, std::size_t count,
                     std::vector<PolygonEdgeOf<Int>*>& order,
                     std::vector<PolygonEdgeOf<Int>*>& active, std::uint32_t colour,
                     unsigned alpha);
    // Fills the polygon of the first `count` near edges, a small one: their cuts laid out by
    // row at once, each row then sorting its few.
    void fillFewEdges(std::size_t count, std::uint32_t colour, unsigned alpha);
    // Lays the colour over the row's pixels from `from` up to, not including, `to` (both on
    // the pixels).
    void fillSpan(std::uint32_t* row, int from, int to, std::uint32_t colour, unsigned alpha);

    std::uint32_t* pixels;
    int columns;
    int rows;
    int pitch;
    std::uint32_t colour;
    int penWidth;
    DotShaper shaper;
    std::vector<std::vector<DotRow>> dots; // by width, made when first needed
    const std::vector<DotRow>* dot;        // the current pen's
    int dotReach;                          // how far the dot reaches from its point
    PixelBounds changed;
    bool smoothLines = false;
    SmoothStroke stroke;
    // Kept between polygons, so that filling one allocates nothing once they have grown.
    std::vector<NearEdge> nearEdges;
    std::vector<NearEdge*> nearOrder, nearActive;
    std::vector<FarEdge> farEdges;
    std::vector<FarEdge*> farOrder, farActive;
    std::vector<std::int64_t> windingChanges; // by column, for rows that many edges cross
    std::vector<std::uint32_t> rowCuts;       // of a small polygon, a row after another
    std::vector<int> rowCutCounts;
    // rasterpicture.cpp: a picture's palette in these pixels, and the picture column each
    // pixel of the row takes; kept, so that a picture drawn frame after frame allocates nothing.
    std::uint32_t paletteColours[256] = {};
    std::vector<int> pictureColumns;
};
