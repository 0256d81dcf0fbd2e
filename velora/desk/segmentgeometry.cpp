#include "desk/segmentgeometry.h"

namespace velora {

// Differences are rounded to single precision as the coordinates are; the products are compared
// in double, where the product of two floats is exact.
int ccw(float x0, float y0, float x1, float y1, float x2, float y2) {
    const float dx1 = x1 - x0;
    const float dy1 = y1 - y0;
    const float dx2 = x2 - x0;
    const float dy2 = y2 - y0;
    const double left = static_cast<double>(dx1) * dy2;
    const double right = static_cast<double>(dy1) * dx2;
    if (left > right) return 1;
    if (left < right) return -1;
    // Collinear: behind p0, beyond p1, or on the segment.
    if (static_cast<double>(dx1) * dx2 < 0.0 || static_cast<double>(dy1) * dy2 < 0.0) return -1;
    const double lengthP1 = static_cast<double>(dx1) * dx1 + static_cast<double>(dy1) * dy1;
    const double lengthP2 = static_cast<double>(dx2) * dx2 + static_cast<double>(dy2) * dy2;
    if (lengthP1 < lengthP2) return 1;
    return 0;
}

int intersect(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4) {
    const float dx1 = x2 - x1;
    const float dy1 = y2 - y1;
    const float dx2 = x4 - x3;
    const float dy2 = y4 - y3;
    if (static_cast<double>(dx1) * dy2 == static_cast<double>(dx2) * dy1) return 0;
    if (ccw(x1, y1, x2, y2, x3, y3) * ccw(x1, y1, x2, y2, x4, y4) > 0) return 0;
    if (ccw(x3, y3, x4, y4, x1, y1) * ccw(x3, y3, x4, y4, x2, y2) > 0) return 0;
    return -1;
}

namespace {

// Cramer's rule for the lines through p1-p2 and p3-p4, in double.
struct LineCrossing {
    double dx1, dy1, dx2, dy2, a, b, d;
    LineCrossing(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4)
        : dx1(x2 - x1), dy1(y2 - y1), dx2(x4 - x3), dy2(y4 - y3) {
        a = x1 * dy1 - y1 * dx1;
        b = x3 * dy2 - y3 * dx2;
        d = dx1 * dy2 - dy1 * dx2;
    }
};

} // namespace

float intersectx(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4) {
    const LineCrossing c(x1, y1, x2, y2, x3, y3, x4, y4);
    return static_cast<float>((c.b * c.dx1 - c.a * c.dx2) / c.d);
}

float intersecty(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4) {
    const LineCrossing c(x1, y1, x2, y2, x3, y3, x4, y4);
    return static_cast<float>((c.b * c.dy1 - c.a * c.dy2) / c.d);
}

} // namespace velora
