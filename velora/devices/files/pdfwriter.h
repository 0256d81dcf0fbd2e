// pdfwriter: the drawing of a desk as a PDF 1.4 file of one page, beside the EPS file. Strokes
// go into one Flate-compressed content stream as they come; pictures become image objects and
// a small shape stroked again and again (a plot symbol) a form drawn once and placed by
// reference. The page is the EPS file's bounding box. The file is written under a temporary
// name and given its final name when the writer is deleted.
#pragma once

#include "devices/files/vectorpage.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace velora {
class FlateStream;
}

class VELORA_API pdfwriter : public VectorPage {
public:
    // `name` is the final file name ("figure.pdf").
    explicit pdfwriter(char* name);
    ~pdfwriter() noexcept(false) override;

protected:
    void strokePath(const std::vector<velora::GridPoint>& points,
                    const std::vector<Subpath>& subpaths) override;
    void placePicture(const velora::PicturePixels& picture, double a, double d, double e,
                      double f) override;
    void fillPath(const std::vector<velora::GridPoint>& points, int colour,
                  unsigned alpha) override;

private:
    // A stream object written after the content stream: its dictionary and its data.
    struct PendingObject {
        std::string dictionary;
        std::string data;
    };
    void selectPen();
    // The path and its painting operator ("S\n" strokes, "f\n" fills).
    void writePath(const std::vector<velora::GridPoint>& points,
                   const std::vector<Subpath>& subpaths, velora::GridPoint origin,
                   const char* painting);
    // A small shape painted the second time and after as a form placed by reference.
    bool paintByReference(const std::vector<velora::GridPoint>& points,
                          const std::vector<Subpath>& subpaths, const char* painting);
    // An axis-parallel rectangle as `re`, one more in the run of rectangles painted alike.
    bool paintAsRectangle(const std::vector<velora::GridPoint>& points,
                          const std::vector<Subpath>& subpaths, const char* painting);
    // Paints the run of rectangles; every other content starts with it.
    void endRectangleRun();
    void finish();

    std::unique_ptr<velora::FlateStream> content;
    std::vector<long long> offsets;
    std::vector<PendingObject> pending;
    std::string xobjects;
    // The opacities used by fills, as graphics states /A0 ... /A255 of the page's resources.
    std::string opacityStates;
    bool opacityUsed[256] = {};
    int writtenColour = -1;
    int writtenFillColour = -1;
    std::vector<Subpath> fillSubpath;
    float writtenWidth = -1.0f;
    // Small shapes by their outline relative to their first point, once seen,
    // and the form drawing them once one is made.
    struct Shape {
        int form = -1; // its number in the names /F1, /F2 ...
    };
    std::unordered_map<std::string, Shape> shapes;
    std::string shapeKey;
    int images = 0, forms = 0;
    int rectangleRun = 0;
    const char* rectanglePainting = nullptr;
};
