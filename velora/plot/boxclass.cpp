// The box itself: construction, placement, the data range and its mapping, the ticks and the
// frame, and the layer bracket every drawing of a box goes through.
#include "plot/boxclass.h"

#include "common/endprocess.h"
#include "devices/displaylist/plotpuffer.h"
#include "devices/selector/errortexts.h"
#include "plot/axisticks.h"
#include "plot/logticks.h"
#include "text/fontclass.h"

#include <cmath>

namespace {

// Whether the screen's display list of a box holds anything the frame should be drawn over.
// Only a screen keeps display lists; the files got their frame when the box was placed.
bool holdsItems(PlotPuffer* layer) {
    return layer && layer->getCounter() > 0;
}

} // namespace

boxclass::boxclass(desk& d)
    : font(new fontclass(d)), sym(new symbol(d)), accuracyX(-1.0f), accuracyY(-1.0f),
      tickFactor(1.0f), tickLength(0.0f), unitX(0.0f), clipX1(0.0f), clipY1(0.0f), clipX2(0.0f),
      clipY2(0.0f), innerX1(0.0f), innerY1(0.0f), innerX2(0.0f), innerY2(0.0f), frameX1(0.0f),
      frameY1(0.0f), frameX2(0.0f), frameY2(0.0f),
      // Until dim there is nothing to tick: a frame drawn again draws no ticks.
      givenMin{}, givenMax{}, rangeGiven{}, rightScale(false), rightGiven(false), rightInUse(false),
      dimmed(false), theDesk(&d), tickside(TICKS_INSIDE), penWidth(1.0f), moduloY(0), moduloX(0),
      instance(desk::newBoxInstance()), fillX(1.0f), fillY(1.0f) {
    selectLayer();
    theDesk->setcolor(0);
    theDesk->setPlotPuffer(0);
}

boxclass::~boxclass() {
    if (*theDesk) {
        PlotPuffer* layer = theDesk->setPlotPuffer(instance + 1u);
        if (frameX1 != frameX2 && frameY1 != frameY2 && holdsItems(layer)) {
            // The data may have covered the frame in the screen's layers: it goes on top again,
            // on the screen alone, so that the files are the same with a screen or without.
            selectLayer();
            theDesk->pauseFiles();
            theDesk->setpenwidth(penWidth);
            theDesk->rec(frameX1, frameY1, frameX2, frameY2, 0);
            theDesk->resumeFiles();
        }
        theDesk->setPlotPuffer(0);
    }
    delete sym;
    delete font;
}

void boxclass::selectLayer() {
    theDesk->setPlotPuffer(instance + 1u);
}

void boxclass::returnToLayer() {
    theDesk->setPlotPuffer(theDesk->getEbene());
}

void boxclass::beginData() {
    selectLayer();
    theDesk->setviewport(clipX1, clipY1, clipX2, clipY2);
}

void boxclass::endData() {
    theDesk->resetviewport();
    returnToLayer();
}

float boxclass::bx(double x) const {
    return axisX.place(x, innerX1, innerX2);
}

float boxclass::by(double y) const {
    return yRange().place(y, innerY1, innerY2);
}

const velora::AxisRange& boxclass::yRange() const {
    return rightInUse && rightGiven ? axisRight : axisY;
}

velora::AxisRange& boxclass::rangeOf(Achse axis) {
    return axis == X_AXIS ? axisX : axis == Y_AXIS ? axisY : axisRight;
}

void boxclass::init(float x1, float y1, float x2, float y2, float fillX, float fillY) {
    this->fillX = fillX;
    this->fillY = fillY;
    if (x2 == 0) x2 = static_cast<float>(x1 + 35.0);
    if (y2 == 0) y2 = static_cast<float>(y1 + 21.0);
    selectLayer();
    theDesk->resetviewport();
    tickLength = static_cast<float>((static_cast<double>(y2) - y1) / 60.0);
    unitX = static_cast<float>((static_cast<double>(x2) - x1) / 50.0);
    penWidth = static_cast<float>(unitX * 0.3);
    theDesk->setpenwidth(penWidth);
    frameX1 = clipX1 = x1;
    frameY1 = clipY1 = y1;
    frameX2 = clipX2 = x2;
    frameY2 = clipY2 = y2;
    const double w = static_cast<double>(x2) - x1;
    const double h = static_cast<double>(y2) - y1;
    innerX1 = static_cast<float>(x1 + (1.0 - fillX) * w);
    innerX2 = static_cast<float>(x2 - (1.0 - fillX) * w);
    innerY1 = static_cast<float>(y1 + (1.0 - fillY) * h);
    innerY2 = static_cast<float>(y2 - (1.0 - fillY) * h);
    theDesk->rec(frameX1, frameY1, frameX2, frameY2, 0);
    theDesk->setviewportbegin();
    theDesk->pointBox(innerX1, innerY1, innerX2, innerY2, instance);
    returnToLayer();
}

void boxclass::dim(float xmin, float xmax, float ymin, float ymax, float xstep, float ystep,
                   float tickFactor, TICKSIDE side) {
    selectLayer();
    theDesk->resetviewport();
    theDesk->setpenwidth(0.0f);
    theDesk->setpenwidth(penWidth);
    this->tickFactor = tickFactor;
    takeRange(X_AXIS, xmin, xmax, xstep);
    takeRange(Y_AXIS, ymin, ymax, ystep);
    tickside = side;
    prepareAxis(X_AXIS);
    prepareAxis(Y_AXIS);
    dimmed = true;
    // The point window reads out the range as the axes show it, widened by an automatic step.
    const auto shown = [](const velora::AxisRange& r, bool high) {
        return static_cast<float>(r.isLog() ? (high ? r.high : r.low) : (high ? r.max : r.min));
    };
    theDesk->pointBoxDim(shown(axisX, false), shown(axisX, true), shown(axisY, false),
                         shown(axisY, true), instance);
    if (axisX.isLog() || axisY.isLog())
        theDesk->pointBoxScale(axisX.isLog(), axisY.isLog(), instance);
    drawTicksBySide();
    returnToLayer();
}

void boxclass::takeRange(Achse axis, float min, float max, float step) {
    velora::AxisRange& r = rangeOf(axis);
    double low = min, high = max;
    if (rangeGiven[axis]) {
        low = givenMin[axis];
        high = givenMax[axis];
        rangeGiven[axis] = false;
    }
    r.step = step;
    if (r.isLog()) {
        if (!velora::prepareLogAxis(r, low, high)) rangeError(axis);
        r.min = static_cast<float>(low);
        r.max = static_cast<float>(high);
        return;
    }
    // A range of NaN or infinity would give no ticks or never stop giving them.
    r.min = static_cast<float>(low);
    r.max = static_cast<float>(high);
    if (!(r.max > r.min) || !std::isfinite(r.min) || !std::isfinite(r.max)) rangeError(axis);
}

void boxclass::rangeError(Achse axis) {
    theDesk->errorHandel(axis == X_AXIS ? velora::errorRangeX : velora::errorRangeY);
    velora::endProcess();
}

void boxclass::prepareAxis(Achse axis) {
    velora::AxisRange& range = rangeOf(axis);
    float& min = range.min;
    float& max = range.max;
    float& step = range.step;
    if (step == -1.0f) return;
    if (range.kind == velora::ScaleKind::time) {
        // The chosen step is kept, as on a linear axis.
        const velora::TimeStep t = step == 0.0f
                                       ? velora::chooseTimeStep(static_cast<double>(max) - min)
                                       : velora::TimeStep{step, 0};
        range.stepSeconds = t.seconds;
        range.stepMonths = t.months;
        std::vector<velora::ScaleTick> ticks;
        if (!velora::timeTicks(timeFrame, min, max, t, ticks)) rangeError(axis);
        return;
    }
    if (range.isLog()) return;
    // The chosen step is kept: ticks drawn again later fall where the first ones did.
    if (step == 0.0f) velora::chooseTickStep(min, max, step);
    if (!std::isfinite(min) || !std::isfinite(max) || !std::isfinite(step) ||
        velora::tickCount(min, max, step) < 0)
        rangeError(axis);
}

void boxclass::drawTicks(Achse axis, bool outside) {
    selectLayer();
    const bool isX = axis == X_AXIS;
    const velora::AxisRange& range = rangeOf(axis);
    if (range.step == -1.0f) return;
    if (range.step == 0.0f && range.kind == velora::ScaleKind::linear) prepareAxis(axis);
    // A right scale takes the right side from the left one.
    const bool lowSide = axis != Y2_AXIS;
    const bool highSide = axis != Y_AXIS || !rightScale;
    if (range.kind != velora::ScaleKind::linear) {
        drawScaleTicks(range, isX, lowSide, highSide, outside);
        returnToLayer();
        return;
    }
    const float step = range.step;
    const float min = range.min;
    const float max = range.max;
    const double inner1 = isX ? innerX1 : innerY1;
    const double inner2 = isX ? innerX2 : innerY2;
    // Both axes take their length from the box's height.
    const float length = static_cast<float>(static_cast<double>(tickLength) * tickFactor);
    const double reach = outside ? -static_cast<double>(length) * 4.0 / 5.0 : length;
    const float low = isX ? frameY1 : frameX1;
    const float high = isX ? frameY2 : frameX2;
    const float lowEnd = static_cast<float>(low + reach);
    const float highEnd = static_cast<float>(high - reach);
    for (float v = min; v <= velora::tickLimit(max, step); v = velora::nextTick(v, step)) {
        const float p = static_cast<float>((inner2 - inner1) * (static_cast<double>(v) - min) /
                                               (static_cast<double>(max) - min) +
                                           inner1);
        if (isX) {
            theDesk->line(p, low, p, lowEnd, 0);
            theDesk->line(p, high, p, highEnd, 0);
        } else {
            if (lowSide) theDesk->line(low, p, lowEnd, p, 0);
            if (highSide) theDesk->line(high, p, highEnd, p, 0);
        }
    }
    returnToLayer();
}

void boxclass::calcx() {
    drawTicks(X_AXIS, false);
}

void boxclass::calcy() {
    drawTicks(Y_AXIS, false);
}

void boxclass::calcxout() {
    drawTicks(X_AXIS, true);
}

void boxclass::calcyout() {
    drawTicks(Y_AXIS, true);
}

void boxclass::drawTicksBySide() {
    if (tickside == TICKS_OUTSIDE) {
        calcxout();
        calcyout();
    } else {
        calcx();
        calcy();
        if (tickside == TICKS_BOTH) {
            calcxout();
            calcyout();
        }
    }
    if (rightGiven) drawRightTicks();
}

void boxclass::drawRightTicks() {
    if (tickside != TICKS_OUTSIDE) drawTicks(Y2_AXIS, false);
    if (tickside == TICKS_OUTSIDE || tickside == TICKS_BOTH) drawTicks(Y2_AXIS, true);
}

void boxclass::redrawFrame() {
    theDesk->setpenwidth(penWidth);
    theDesk->rec(frameX1, frameY1, frameX2, frameY2, 0);
    drawTicksBySide();
}
