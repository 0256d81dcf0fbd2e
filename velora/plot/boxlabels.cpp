// Tick labels and captions of a box: the decimals of each axis, the moduli, and the placement of
// the numbers beside the ticks and of the captions beside them.
#include "plot/boxclass.h"

#include "plot/axisticks.h"
#include "plot/tickformat.h"
#include "text/fontclass.h"

#include <cmath>
#include <cstring>

namespace {

// Room for one label text; a longer number is cut.
constexpr std::size_t workBufferSize = 50;

void copyLabel(char* work, const char* text) {
    std::strncpy(work, text, workBufferSize - 1);
    work[workBufferSize - 1] = '\0';
}

// The value a tick shows: with a modulus m >= 1 the whole part of v modulo m, keeping the sign
// of v (720 modulo 360 is 0).
float shownValue(float v, int modulus) {
    if (modulus < 1) return v;
    return static_cast<float>(std::fmod(std::trunc(static_cast<double>(v)), modulus));
}

} // namespace

void boxclass::setaccuracy(float ax, float ay) {
    accuracyX = ax;
    accuracyY = ay;
}

void boxclass::setAxisModulo(Achse a, int m) {
    if (a == X_AXIS) moduloX = m;
    if (a == Y_AXIS) moduloY = m;
}

char* boxclass::ftoa(float value, int digits) {
    return velora::tickText(value, digits);
}

char* boxclass::trimm(char* s) {
    return velora::skipBlanks(s);
}

void boxclass::label(const char* xtext, const char* ytext, float size, int ywidth, FONT captionFont,
                     FONT tickFont) {
    if (xtext && *xtext) labelx(xtext, size, captionFont, tickFont);
    if (ytext && *ytext) labely(ytext, size, ywidth, captionFont, tickFont);
    selectLayer();
    theDesk->setviewportbegin();
    returnToLayer();
}

void boxclass::labelx(const char* text, float size, FONT captionFont, FONT tickFont) {
    selectLayer();
    char work[workBufferSize] = {};
    const float hs = static_cast<float>(size * 1.5 * tickLength);
    const double h = font->getheight("X", 0, 1.0f);
    bool withDates = false;
    if (axisX.step != -1.0f && axisX.kind != velora::ScaleKind::linear) {
        scaleLabelsX(hs, tickFont, withDates);
    } else if (axisX.step != -1.0f) {
        const int digits = velora::labelDigits(accuracyX, axisX.step, true);
        // Centred on the tick, their middle 1.2 text heights below the frame.
        const float y = static_cast<float>(frameY1 - 1.2 * h * hs);
        for (float v = axisX.min; v <= velora::tickLimit(axisX.max, axisX.step);
             v = velora::nextTick(v, axisX.step)) {
            copyLabel(work, trimm(ftoa(shownValue(v, moduloX), digits)));
            font->hwrite(bx(v), y, work, 0, tickFont, hs, 0, 0);
        }
    }
    // Centred under the frame, its baseline 3.5 caption heights below it, and a line lower
    // below the dates of a time axis.
    const double h2 = font->getheight("X", 1, 1.0f);
    const double below = withDates ? 3.5 * h2 * hs + 1.2 * h * hs : 3.5 * h2 * hs;
    font->hwrite(static_cast<float>((static_cast<double>(frameX1) + frameX2) / 2.0),
                 static_cast<float>(frameY1 - below), text, 0, captionFont, hs, 0, 1);
    returnToLayer();
}

float boxclass::linearLabelsY(const velora::AxisRange& range, float x, float hAlign, float hs,
                              FONT tickFont, int digits, int modulo) {
    char work[workBufferSize] = {};
    float widest = 0.0f;
    for (float v = range.min; v <= velora::tickLimit(range.max, range.step);
         v = velora::nextTick(v, range.step)) {
        copyLabel(work, trimm(ftoa(shownValue(v, modulo), digits)));
        const float width = font->getlength(work, 0, 1.0f);
        if (width > widest) widest = width;
        font->hwrite(x, range.place(v, innerY1, innerY2), work, 0, tickFont, hs, hAlign, 0);
    }
    return widest;
}

void boxclass::labely(const char* text, float size, int ywidth, FONT captionFont, FONT tickFont) {
    selectLayer();
    const float hs = static_cast<float>(size * 1.5 * tickLength);
    const double h = font->getheight("X", 0, 1.0f);
    float widest = 0.0f;
    // Ending 0.7 text heights left of the frame, centred on the tick.
    const float x = static_cast<float>(frameX1 - 0.7 * h * hs);
    if (axisY.step != -1.0f && axisY.kind != velora::ScaleKind::linear)
        widest = scaleLabelsY(axisY, x, -1, hs, tickFont, accuracyY);
    else if (axisY.step != -1.0f)
        widest = linearLabelsY(axisY, x, -1, hs, tickFont,
                               velora::labelDigits(accuracyY, axisY.step, false), moduloY);
    const double h2 = font->getheight("X", 1, 1.0f);
    if (ywidth > 0) widest = static_cast<float>(font->getlength("0", 1, 1.0f) * ywidth);
    // Running upwards left of the widest label, centred on the frame's height.
    font->vwrite(static_cast<float>(frameX1 - (widest + 1.5 * h2) * hs),
                 static_cast<float>((static_cast<double>(frameY1) + frameY2) / 2.0), text, 0,
                 captionFont, hs, 0, 1);
    returnToLayer();
}

void boxclass::labelright(const char* text, float size, FONT captionFont, FONT tickFont) {
    if (!rightGiven) return;
    selectLayer();
    const float hs = static_cast<float>(size * 1.5 * tickLength);
    const double h = font->getheight("X", 0, 1.0f);
    float widest = 0.0f;
    // Starting 0.7 text heights right of the frame, centred on the tick.
    const float x = static_cast<float>(frameX2 + 0.7 * h * hs);
    if (axisRight.step != -1.0f && axisRight.kind != velora::ScaleKind::linear)
        widest = scaleLabelsY(axisRight, x, 1, hs, tickFont, -1.0f);
    else if (axisRight.step != -1.0f)
        widest = linearLabelsY(axisRight, x, 1, hs, tickFont,
                               velora::labelDigits(-1.0f, axisRight.step, false), 0);
    const double h2 = font->getheight("X", 1, 1.0f);
    // Running upwards right of the widest label, its top towards the labels.
    if (text && *text)
        font->vwrite(static_cast<float>(frameX2 + (widest + 1.5 * h2) * hs),
                     static_cast<float>((static_cast<double>(frameY1) + frameY2) / 2.0), text, 0,
                     captionFont, hs, 0, -1);
    returnToLayer();
}
