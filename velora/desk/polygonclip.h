// PolygonClip: the part of a polygon inside a rectangle, as one polygon again, for fills. The
// polygon is cut by one edge of the rectangle after the other (Sutherland and Hodgman); a cut
// polygon may run along the rectangle's edges twice, which fills nothing there, so that every
// point inside keeps its winding number and the non-zero rule fills what it filled before.
#pragma once

#include <vector>

namespace velora {

class PolygonClip {
public:
    struct Polygon {
        const float* x;
        const float* y;
        int count;
    };

    // A polygon wholly inside comes back as it was given, vertex for vertex.
    Polygon clip(const float* x, const float* y, int count, float xmin, float ymin, float xmax,
                 float ymax);

private:
    // Keeps the side of one edge: `axis` 0 for x, 1 for y; `keepAbove` keeps values >= `limit`.
    void cut(int axis, float limit, bool keepAbove);

    std::vector<float> fromX, fromY, toX, toY;
};

} // namespace velora
