// The scales of a box beyond the linear one: log and time axes, the time origin and zone, ranges
// beyond a float's, and the second y scale on the right with its ticks and labels.
#include "plot/boxclass.h"

#include "plot/logticks.h"
#include "plot/tickformat.h"
#include "text/fontclass.h"

#include <cmath>

namespace {

// Room for one label text.
constexpr int labelCapacity = 64;

// Minor ticks are half as long as major ones.
constexpr double minorTickShare = 0.5;

} // namespace

void boxclass::setscale(Achse a, SCALE s) {
    if (a == Z_AXIS) {
        if (s == LINEAR || s == LOG10) zLog = s == LOG10;
        return;
    }
    if (a < X_AXIS || a > Y2_AXIS || s < LINEAR || s > TIME) return;
    rangeOf(a).kind = static_cast<velora::ScaleKind>(s);
    if (a == Y2_AXIS) rightScale = true;
}

void boxclass::settimeorigin(double secondsSince1970) {
    if (std::isfinite(secondsSince1970)) timeFrame.origin = secondsSince1970;
}

void boxclass::settimezone(int minutes) {
    // No zone lies further than a day from UTC.
    if (minutes > -24 * 60 && minutes < 24 * 60) timeFrame.zoneMinutes = minutes;
}

void boxclass::setrange(Achse a, double min, double max) {
    if (a < X_AXIS || a > Y2_AXIS) return;
    givenMin[a] = min;
    givenMax[a] = max;
    rangeGiven[a] = true;
}

void boxclass::dimright(float ymin, float ymax, float ystep) {
    selectLayer();
    theDesk->resetviewport();
    takeRange(Y2_AXIS, ymin, ymax, ystep);
    prepareAxis(Y2_AXIS);
    rightScale = true;
    rightGiven = true;
    if (dimmed) {
        theDesk->setpenwidth(penWidth);
        drawRightTicks();
    }
    returnToLayer();
}

void boxclass::useright(bool on) {
    rightInUse = on;
}

velora::TimeStep boxclass::timeStepOf(const velora::AxisRange& range) const {
    return {range.stepSeconds, range.stepMonths};
}

void boxclass::scaleTicksOf(const velora::AxisRange& range, std::vector<velora::ScaleTick>& ticks) {
    if (range.isLog())
        velora::logTicks(range, ticks);
    else if (!velora::timeTicks(timeFrame, range.min, range.max, timeStepOf(range), ticks))
        ticks.clear();
}

void boxclass::drawScaleTicks(const velora::AxisRange& range, bool isX, bool lowSide, bool highSide,
                              bool outside) {
    std::vector<velora::ScaleTick> ticks;
    scaleTicksOf(range, ticks);
    const double inner1 = isX ? innerX1 : innerY1;
    const double inner2 = isX ? innerX2 : innerY2;
    const double length = static_cast<double>(tickLength) * tickFactor;
    const float low = isX ? frameY1 : frameX1;
    const float high = isX ? frameY2 : frameX2;
    for (const velora::ScaleTick& tick : ticks) {
        const double along = tick.major ? length : length * minorTickShare;
        const double reach = outside ? -along * 4.0 / 5.0 : along;
        const float lowEnd = static_cast<float>(low + reach);
        const float highEnd = static_cast<float>(high - reach);
        const float p = range.placeUnit(tick.value, inner1, inner2);
        if (isX) {
            if (lowSide) theDesk->line(p, low, p, lowEnd, 0);
            if (highSide) theDesk->line(p, high, p, highEnd, 0);
        } else {
            if (lowSide) theDesk->line(low, p, lowEnd, p, 0);
            if (highSide) theDesk->line(high, p, highEnd, p, 0);
        }
    }
}

void boxclass::scaleLabelsX(float hs, FONT tickFont, bool& withDates) {
    withDates = false;
    std::vector<velora::ScaleTick> ticks;
    scaleTicksOf(axisX, ticks);
    const double h = font->getheight("X", 0, 1.0f);
    const float y = static_cast<float>(frameY1 - 1.2 * h * hs);
    // The date line one label height further down.
    const float dateY = static_cast<float>(frameY1 - 2.4 * h * hs);
    char work[labelCapacity];
    double previous = std::nan("");
    for (const velora::ScaleTick& tick : ticks) {
        if (!tick.major) continue;
        const float x = axisX.placeUnit(tick.value, innerX1, innerX2);
        if (axisX.isLog()) {
            velora::logLabel(tick.value, accuracyX, work, labelCapacity);
            font->hwrite(x, y, work, 0, tickFont, hs, 0, 0);
            continue;
        }
        velora::timeLabel(timeFrame, tick.value, timeStepOf(axisX), work, labelCapacity);
        font->hwrite(x, y, work, 0, tickFont, hs, 0, 0);
        velora::dateLine(timeFrame, tick.value, previous, timeStepOf(axisX), work, labelCapacity);
        if (*work) {
            font->hwrite(x, dateY, work, 0, tickFont, hs, 0, 0);
            withDates = true;
        }
        previous = tick.value;
    }
}

float boxclass::scaleLabelsY(const velora::AxisRange& range, float x, float hAlign, float hs,
                             FONT tickFont, float accuracy) {
    std::vector<velora::ScaleTick> ticks;
    scaleTicksOf(range, ticks);
    char work[labelCapacity];
    float widest = 0.0f;
    for (const velora::ScaleTick& tick : ticks) {
        if (!tick.major) continue;
        if (range.isLog())
            velora::logLabel(tick.value, accuracy, work, labelCapacity);
        else
            velora::timeLabel(timeFrame, tick.value, timeStepOf(range), work, labelCapacity);
        const float width = font->getlength(work, 0, 1.0f);
        if (width > widest) widest = width;
        font->hwrite(x, range.placeUnit(tick.value, innerY1, innerY2), work, 0, tickFont, hs,
                     hAlign, 0);
    }
    return widest;
}
