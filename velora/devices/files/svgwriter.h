// svgwriter: the drawing of a desk as an SVG 1.1 file, beside the EPS file. Every stroke is one
// <path> element, consecutive strokes of one pen share a group that carries the stroke
// attributes, so a vector editor shows one object per stroke; pictures are embedded as PNG. The
// page is the EPS file's bounding box, patched into the root element's reserved blanks at the
// end. The file is written under a temporary name and given its final name when the writer is
// deleted.
#pragma once

#include "devices/files/vectorpage.h"

#include <string>
#include <unordered_map>
#include <vector>

class VELORA_API svgwriter : public VectorPage {
public:
    // `name` is the final file name ("figure.svg").
    explicit svgwriter(char* name);
    ~svgwriter() noexcept(false) override;

protected:
    void strokePath(const std::vector<velora::GridPoint>& points,
                    const std::vector<Subpath>& subpaths) override;
    void placePicture(const velora::PicturePixels& picture, double a, double d, double e,
                      double f) override;
    void fillPath(const std::vector<velora::GridPoint>& points, int colour,
                  unsigned alpha) override;

private:
    void closeGroup();
    // Ends the run of placed shapes, if one is open.
    void closeRun();
    // Places a small filled shape seen before as a marker on one more vertex of the open run;
    // false when the shape is new or too large (then it is written out).
    bool fillByReference(const std::vector<velora::GridPoint>& points, int colour, unsigned alpha);
    void finish();

    long long reservedAt = 0;
    bool groupOpen = false;
    int groupColour = -1;
    float groupWidth = -1.0f;
    // Filled shapes by their outline (relative to the first point), colour and opacity: 0 once
    // seen, then the number of the marker that draws it. The shape repeated goes on vertices of
    // one unstroked path whose markers draw it, each vertex a few bytes.
    std::unordered_map<std::string, int> fillShapes;
    std::string fillKey;
    int markers = 0;
    int runMarker = -1;
    long long runVertices = 0;
    velora::GridPoint runLast{0, 0};
    std::string run;
};
