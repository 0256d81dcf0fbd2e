// VectorPage: what the PDF and SVG writers share. It takes the EPS writer's commands in page
// coordinates, maps them as the EPS writer does (4 points per unit from (35, 430)), keeps its
// bounding box, and holds the current path until it is stroked, as PostScript does: a path is
// stroked in the colour and width current at `st`, `np` drops it, and the file's end strokes
// what is left. Paths are thinned by PolylineSimplifier on the way in. It also owns the file:
// opened under a temporary name, every byte counted, renamed to its final name once complete.
// The writers turn strokes and pictures into their own file format.
#pragma once

#include "common/api.h"
#include "common/outputfile.h"
#include "devices/files/polylinesimplifier.h"

#include <string>
#include <vector>

class bitmap;
class bitmap24;

namespace velora {
struct PicturePixels;
}

class VELORA_API VectorPage {
public:
    VectorPage(const VectorPage&) = delete;
    VectorPage& operator=(const VectorPage&) = delete;
    // A writer finishes its file as it goes, which may end the process; the end may unwind from
    // there (see endprocess.h).
    virtual ~VectorPage() noexcept(false);

    // Moves page y = 0 to the bottom of a page of double height.
    void setdoublesize();
    void moveto(float x, float y);
    void lineto(float x, float y);
    void pw(float w);
    // A palette index (0 ... 15) or a true colour; any other value is drawn as 15.
    void setColor(int col);
    // Fills the polygon in `col` with opacity `alpha` (0 ... 255). The path held so far is
    // stroked first, as the EPS writer does, so that the fill lies over it.
    void fill(const float* x, const float* y, int n, int col, unsigned alpha);
    void np();
    void cp();
    void st();
    void st_cp();
    void sb(float x1, float y1, float x2, float y2, char name[]);
    void pb(float x1, float y1, float x2, float y2, bitmap& b);
    void pb(float x1, float y1, float x2, float y2, bitmap24& b);

    // The path a stroke hands to the writer: subpaths of grid points (thousandths of a point,
    // PostScript orientation: y upwards).
    struct Subpath {
        std::size_t first, count;
        bool closed;
    };
    // The page's rectangle in points: the bounding box of what was drawn with the EPS writer's
    // 2-point margin, the values of its %%HiResBoundingBox line; the whole page if nothing was.
    struct PageBox {
        float llx, lly, urx, ury;
    };
    // The red, green and blue of a colour index (0 ... 15), exactly.
    static const double colourTable[16][3];
    // The red, green and blue (0 ... 1) of a palette index or a true colour.
    static void components(int colour, double rgb[3]);

protected:
    // `prefix` names the writer in its messages ("pdfwriter"), `finalName` the file it makes.
    // The file is opened at once under a temporary name; if it cannot be, the process ends.
    VectorPage(const char* prefix, const std::string& finalName);

    // A stroke of the current path in the current colour and width; the path is not empty.
    virtual void strokePath(const std::vector<velora::GridPoint>& points,
                            const std::vector<Subpath>& subpaths) = 0;
    // A picture whose unit square is mapped by (a, 0, 0, d, e, f) in points, top row first.
    virtual void placePicture(const velora::PicturePixels& picture, double a, double d, double e,
                              double f) = 0;
    // A polygon of grid points (as strokePath's) filled by the non-zero rule; at least 3.
    virtual void fillPath(const std::vector<velora::GridPoint>& points, int colour,
                          unsigned alpha) = 0;

    // Strokes what is left of the path, as the EPS writer's trailer does; call it first when
    // finishing the file.
    void strokeRemainder();
    PageBox pageBox() const;
    // Writes bytes to the file and counts them: the writers need byte offsets (PDF's
    // cross-reference table, the SVG root element patched at the end).
    void emit(const char* text, std::size_t length);
    void emit(const std::string& text) { emit(text.data(), text.size()); }
    // Closes the file and gives it its final name; a write that failed ends the process with
    // the writer's message ("pdfwriter::error : figure.pdf nicht geschrieben").
    void closeAndPublish();

    int colour = 0;
    float penwidth = 0.3f;
    velora::OutputFile out;
    // The bytes emitted so far, the offset of the next one.
    long long written = 0;

private:
    void checkbb(float x, float y);
    void finishSubpath();
    void startSubpath(float x, float y);
    void place(const velora::PicturePixels& picture, float x1, float y1, float x2, float y2);

    std::string prefix;
    std::string finalName;
    std::string temporary;
    float bbxmin = 640.0f, bbxmax = 0.0f, bbymin = 480.0f, bbymax = 0.0f;
    float yshift = 0.0f;
    float lastx = 0.0f, lasty = 0.0f;
    // An open subpath is being thinned; its start, for closepath.
    bool inSubpath = false;
    float subpathx = 0.0f, subpathy = 0.0f;
    // After closepath PostScript's current point is the subpath's start.
    bool atClosedStart = false;
    // PostScript has no current point after newpath and stroke: a line then starts at the last
    // point written, as the EPS writer writes it.
    bool hasCurrentPoint = false;
    // A point that could not be mapped (NaN, infinite) breaks the line: the next line starts
    // at its own end.
    bool broken = false;
    std::vector<velora::GridPoint> points;
    std::vector<Subpath> subpaths;
    std::vector<velora::GridPoint> fillPoints;
    velora::PolylineSimplifier simplifier{points};
};
