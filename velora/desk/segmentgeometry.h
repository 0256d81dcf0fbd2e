// The segment geometry behind the desk's clipping: an orientation test, a segment intersection
// test and the intersection point of two lines. Pure functions on page coordinates, no devices.
#pragma once

#include "common/api.h"

namespace velora {

// Orientation of p0, p1, p2: +1 when p2 lies to the left of p0->p1 or, on the line, beyond p1;
// -1 when it lies to the right or behind p0; 0 when it lies on the segment p0-p1, ends included.
VELORA_API int ccw(float x0, float y0, float x1, float y1, float x2, float y2);

// Whether segment (x1, y1)-(x2, y2) meets segment (x3, y3)-(x4, y4): -1 for yes, 0 for no.
// Parallel segments, collinear ones and segments of zero length never meet; touching ends do.
VELORA_API int intersect(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                         float y4);

// The intersection point of the two lines through the segments; only meaningful after
// intersect has answered -1 (the lines are then not parallel).
VELORA_API float intersectx(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                            float y4);
VELORA_API float intersecty(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                            float y4);

} // namespace velora
