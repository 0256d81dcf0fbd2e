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
    const int digits = velora::labelDigits(accuracyX, xstep, true);
    if (xstep != -1.0f) {
        // Centred on the tick, their middle 1.2 text heights below the frame.
        const float y = static_cast<float>(frameY1 - 1.2 * h * hs);
        for (float v = xmin; v <= velora::tickLimit(xmax, xstep); v = velora::nextTick(v, xstep)) {
            copyLabel(work, trimm(ftoa(shownValue(v, moduloX), digits)));
            font->hwrite(bx(v), y, work, 0, tickFont, hs, 0, 0);
        }
    }
    // Centred under the frame, its baseline 3.5 caption heights below it.
    const double h2 = font->getheight("X", 1, 1.0f);
    font->hwrite(static_cast<float>((static_cast<double>(frameX1) + frameX2) / 2.0),
                 static_cast<float>(frameY1 - 3.5 * h2 * hs), text, 0, captionFont, hs, 0, 1);
    returnToLayer();
}

void boxclass::labely(const char* text, float size, int ywidth, FONT captionFont, FONT tickFont) {
    selectLayer();
    char work[workBufferSize] = {};
    const float hs = static_cast<float>(size * 1.5 * tickLength);
    const double h = font->getheight("X", 0, 1.0f);
    const int digits = velora::labelDigits(accuracyY, ystep, false);
    float widest = 0.0f;
    if (ystep != -1.0f) {
        // Ending 0.7 text heights left of the frame, centred on the tick.
        const float x = static_cast<float>(frameX1 - 0.7 * h * hs);
        for (float v = ymin; v <= velora::tickLimit(ymax, ystep); v = velora::nextTick(v, ystep)) {
            copyLabel(work, trimm(ftoa(shownValue(v, moduloY), digits)));
            const float width = font->getlength(work, 0, 1.0f);
            if (width > widest) widest = width;
            font->hwrite(x, by(v), work, 0, tickFont, hs, -1, 0);
        }
    }
    const double h2 = font->getheight("X", 1, 1.0f);
    if (ywidth > 0) widest = static_cast<float>(font->getlength("0", 1, 1.0f) * ywidth);
    // Running upwards left of the widest label, centred on the frame's height.
    font->vwrite(static_cast<float>(frameX1 - (widest + 1.5 * h2) * hs),
                 static_cast<float>((static_cast<double>(frameY1) + frameY2) / 2.0), text, 0,
                 captionFont, hs, 0, 1);
    returnToLayer();
}
