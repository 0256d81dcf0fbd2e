#include "devices/files/polylinesimplifier.h"

#include <algorithm>
#include <cmath>

namespace velora {

namespace {
constexpr double tolerance2 = PolylineSimplifier::tolerance * PolylineSimplifier::tolerance;
} // namespace

void PolylineSimplifier::start(double x, double y) {
    hasCandidate = false;
    keptSegment = false;
    lastx = x;
    lasty = y;
    const GridPoint p = toGrid(x, y);
    out.push_back(p);
    ax = p.x / 1000.0;
    ay = p.y / 1000.0;
}

void PolylineSimplifier::keep(double x, double y) {
    const GridPoint p = toGrid(x, y);
    out.push_back(p);
    keptSegment = true;
    hasCandidate = false;
    ax = p.x / 1000.0;
    ay = p.y / 1000.0;
}

// A point ends a segment from the anchor that passes within the tolerance of every point since
// the anchor when it lies in the wedge they allow and no earlier point lies farther out.
bool PolylineSimplifier::extends(double dx, double dy, double d2) const {
    if (!hasCandidate) return true;
    return d2 >= candidateDistance2 && lox * dy - loy * dx >= 0 && dx * hiy - dy * hix >= 0;
}

void PolylineSimplifier::add(double x, double y) {
    lastx = x;
    lasty = y;
    double dx = x - ax, dy = y - ay;
    double d2 = dx * dx + dy * dy;
    // Within the tolerance of the anchor before the line has left it: any segment from the
    // anchor passes close enough. Once it has left, a point back at the anchor is a turn (a
    // spike out and back, an outline running back along itself): the line must come back to it.
    if (d2 <= tolerance2 && !hasCandidate) return;
    if (!extends(dx, dy, d2)) {
        keep(cx, cy);
        dx = x - ax;
        dy = y - ay;
        d2 = dx * dx + dy * dy;
        if (d2 <= tolerance2) return;
    }
    // The directions within the tolerance of this point lie within asin(t / d) of its own. The
    // edges are turned by atan(t / d), a little less, which only narrows the wedge: one root
    // and no division by the cosine.
    const double k = tolerance / std::sqrt(d2);
    const double plx = dx + dy * k, ply = dy - dx * k;
    const double phx = dx - dy * k, phy = dy + dx * k;
    if (!hasCandidate) {
        lox = plx;
        loy = ply;
        hix = phx;
        hiy = phy;
    } else {
        if (lox * ply - loy * plx > 0) {
            lox = plx;
            loy = ply;
        }
        if (phx * hiy - phy * hix > 0) {
            hix = phx;
            hiy = phy;
        }
    }
    cx = x;
    cy = y;
    candidateDistance2 = d2;
    hasCandidate = true;
}

void PolylineSimplifier::finish() {
    if (hasCandidate)
        keep(cx, cy);
    else if (!keptSegment)
        keep(lastx, lasty);
}

} // namespace velora
