// The box itself: construction, placement, the data range and its mapping, the ticks and the
// frame, and the layer bracket every drawing of a box goes through.
#include "plot/boxclass.h"

#include "common/endprocess.h"
#include "devices/errortexts.h"
#include "devices/plotpuffer.h"
#include "plot/axisticks.h"
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
      frameY1(0.0f), frameX2(0.0f), frameY2(0.0f), xmin(0.0f), ymin(0.0f), xmax(1.0f), ymax(1.0f),
      // Until dim there is nothing to tick: a frame drawn again draws no ticks.
      xstep(-1.0f), ystep(-1.0f), theDesk(&d), tickside(TICKS_INSIDE), penWidth(1.0f), moduloY(0),
      moduloX(0), instance(desk::newBoxInstance()), fillX(1.0f), fillY(1.0f) {
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
    return static_cast<float>(innerX1 + (static_cast<double>(innerX2) - innerX1) * (x - xmin) /
                                            (static_cast<double>(xmax) - xmin));
}

float boxclass::by(double y) const {
    return static_cast<float>(innerY1 + (static_cast<double>(innerY2) - innerY1) * (y - ymin) /
                                            (static_cast<double>(ymax) - ymin));
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
    // A range of NaN or infinity would give no ticks or never stop giving them.
    if (!(xmax > xmin) || !std::isfinite(xmin) || !std::isfinite(xmax)) rangeError(X_AXIS);
    if (!(ymax > ymin) || !std::isfinite(ymin) || !std::isfinite(ymax)) rangeError(Y_AXIS);
    theDesk->pointBoxDim(xmin, xmax, ymin, ymax, instance);
    this->xmin = xmin;
    this->xmax = xmax;
    this->ymin = ymin;
    this->ymax = ymax;
    this->xstep = xstep;
    this->ystep = ystep;
    tickside = side;
    prepareAxis(X_AXIS);
    prepareAxis(Y_AXIS);
    drawTicksBySide();
    returnToLayer();
}

void boxclass::rangeError(Achse axis) {
    theDesk->errorHandel(axis == X_AXIS ? velora::errorRangeX : velora::errorRangeY);
    velora::endProcess();
}

void boxclass::prepareAxis(Achse axis) {
    float& min = axis == X_AXIS ? xmin : ymin;
    float& max = axis == X_AXIS ? xmax : ymax;
    float& step = axis == X_AXIS ? xstep : ystep;
    if (step == -1.0f) return;
    // The chosen step is kept: ticks drawn again later fall where the first ones did.
    if (step == 0.0f) velora::chooseTickStep(min, max, step);
    if (!std::isfinite(min) || !std::isfinite(max) || !std::isfinite(step) ||
        velora::tickCount(min, max, step) < 0)
        rangeError(axis);
}

void boxclass::drawTicks(Achse axis, bool outside) {
    selectLayer();
    const bool isX = axis == X_AXIS;
    const float step = isX ? xstep : ystep;
    if (step == -1.0f) return;
    if (step == 0.0f) prepareAxis(axis);
    const float min = isX ? xmin : ymin;
    const float max = isX ? xmax : ymax;
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
            theDesk->line(low, p, lowEnd, p, 0);
            theDesk->line(high, p, highEnd, p, 0);
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
        return;
    }
    calcx();
    calcy();
    if (tickside == TICKS_BOTH) {
        calcxout();
        calcyout();
    }
}

void boxclass::redrawFrame() {
    theDesk->setpenwidth(penWidth);
    theDesk->rec(frameX1, frameY1, frameX2, frameY2, 0);
    drawTicksBySide();
}
