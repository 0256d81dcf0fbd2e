// svgwriter: the drawing of a desk as an SVG 1.1 file, beside the EPS file. Every stroke is one
// <path> element, consecutive strokes of one pen share a group that carries the stroke
// attributes, so a vector editor shows one object per stroke; pictures are embedded as PNG. The
// page is the EPS file's bounding box, patched into the root element's reserved blanks at the
// end. The file is written under a temporary name and given its final name when the writer is
// deleted.
#pragma once

#include "devices/files/vectorpage.h"

#include <string>
#include <vector>

class VELORA_API svgwriter : public VectorPage {
public:
    // `name` is the final file name ("figure.svg").
    explicit svgwriter(char* name);
    ~svgwriter() override;

protected:
    void strokePath(const std::vector<velora::GridPoint>& points,
                    const std::vector<Subpath>& subpaths) override;
    void placePicture(const velora::PicturePixels& picture, double a, double d, double e,
                      double f) override;

private:
    void closeGroup();
    void finish();

    long long reservedAt = 0;
    bool groupOpen = false;
    int groupColour = -1;
    float groupWidth = -1.0f;
};
