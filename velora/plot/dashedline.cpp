#include "plot/dashedline.h"

#include "desk/desk.h"

#include <algorithm>
#include <cmath>

namespace {

// A period shorter than this (a thousandth of a desk unit, 1/250 point in EPS) cannot be seen.
constexpr double shortestPeriod = 1e-3;
// Stretches outside the visible rectangle are walked piece by piece like any other, since every
// piece sends its colour to the devices whether it is seen or not. Only a stretch of more than
// 100,000 pieces (a point astronomically far outside) is passed over, so that the walk ends.
constexpr double periodsWorthSkipping = 50000;
// Partial steps in a row that leave the current point where it was: the coordinates are too
// large for the pattern to move them, and the rest of the segment is taken in one step.
constexpr int stepsWithoutProgress = 3;

} // namespace

DashedLine::DashedLine(desk& d, float dash, float gap, int colour, float visibleX1, float visibleY1,
                       float visibleX2, float visibleY2)
    : theDesk(&d), dash(dash), gap(gap), colour(colour), vx1(visibleX1), vy1(visibleY1),
      vx2(visibleX2), vy2(visibleY2), dashLeft(dash), gapLeft(gap) {}

bool DashedLine::usable(float dash, float gap) {
    // A negative gap would walk the pattern backwards over its own dashes: the ink is that of a
    // solid line, drawn in ever so many pieces.
    return std::isfinite(dash) && std::isfinite(gap) && dash > 0 && gap >= 0 &&
           static_cast<double>(dash) + gap >= shortestPeriod;
}

void DashedLine::start(float x, float y) {
    curx = x;
    cury = y;
    drawing = true;
    dashLeft = dash;
    gapLeft = gap;
    theDesk->move(x, y);
}

void DashedLine::toggle() {
    if (drawing)
        dashLeft = dash;
    else
        gapLeft = gap;
    drawing = !drawing;
}

void DashedLine::emit() {
    if (drawing)
        theDesk->draw(curx, cury, colour);
    else
        theDesk->move(curx, cury);
}

void DashedLine::to(float x, float y) {
    int stalled = 0;
    for (;;) {
        const double dx = static_cast<double>(x) - curx;
        const double dy = static_cast<double>(y) - cury;
        const double d = std::sqrt(dx * dx + dy * dy);
        // A point that is no number, or infinitely far, breaks the line: nothing is drawn
        // towards it, and the pattern starts afresh at the next point that is a number.
        if (!std::isfinite(d)) {
            start(x, y);
            return;
        }
        // Far outside the visible part, only where the pattern stands afterwards matters.
        if (gap > 0 && d > periodsWorthSkipping * (static_cast<double>(dash) + gap)) {
            const double fraction = entryFraction(x, y);
            if (fraction * d > periodsWorthSkipping * (static_cast<double>(dash) + gap)) {
                const double along = std::min(fraction, 1.0);
                advance(along * d);
                curx = along >= 1.0 ? x : static_cast<float>(curx + dx * along);
                cury = along >= 1.0 ? y : static_cast<float>(cury + dy * along);
                emit();
                if (along >= 1.0) return;
                continue;
            }
        }
        if (d <= left()) {
            left() = static_cast<float>(left() - d);
            curx = x;
            cury = y;
            emit();
            return;
        }
        // The piece ends inside the segment: it runs its full remaining length.
        const float oldx = curx;
        const float oldy = cury;
        const double along = left() / d;
        curx = static_cast<float>(curx + dx * along);
        cury = static_cast<float>(cury + dy * along);
        emit();
        toggle();
        stalled = (curx == oldx && cury == oldy) ? stalled + 1 : 0;
        if (stalled >= stepsWithoutProgress) {
            curx = x;
            cury = y;
            emit();
            return;
        }
    }
}

void DashedLine::advance(double distance) {
    if (distance <= left()) {
        left() = static_cast<float>(left() - distance);
        return;
    }
    distance -= left();
    toggle();
    distance = std::fmod(distance, static_cast<double>(dash) + gap);
    for (int i = 0; i < 3; ++i) {
        if (distance <= left()) {
            left() = static_cast<float>(left() - distance);
            return;
        }
        distance -= left();
        toggle();
    }
}

double DashedLine::entryFraction(float x, float y) const {
    // Liang and Barsky: the segment's parameter range inside each pair of edges.
    const double x0 = curx, y0 = cury;
    const double dx = static_cast<double>(x) - x0;
    const double dy = static_cast<double>(y) - y0;
    double enter = 0.0, leave = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - vx1, vx2 - x0, y0 - vy1, vy2 - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return 2.0;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0)
            enter = std::max(enter, r);
        else
            leave = std::min(leave, r);
    }
    return enter > leave ? 2.0 : enter;
}
