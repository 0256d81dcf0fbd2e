// Single items in a box's data coordinates (a point, a rectangle, a symbol, text, a bitmap) and
// the clearing of the box, after which frame and ticks are drawn again.
#include "plot/boxclass.h"

#include "text/fontclass.h"

void boxclass::pset(float x, float y, int c) {
    beginData();
    theDesk->pset(bx(x), by(y), c);
    endData();
}

void boxclass::rec(float x1, float y1, float x2, float y2, COLOR c) {
    beginData();
    theDesk->rec(bx(x1), by(y1), bx(x2), by(y2), c);
    endData();
}

void boxclass::setsymbol(float x, float y, COLOR c, SYMBOL s, float scale) {
    beginData();
    sym->put(bx(x), by(y), s, c, scale);
    endData();
}

// The renderer's unit follows the viewport's height, here the box's: text scales with the box.
void boxclass::hwrite(float x, float y, const char* text, COLOR c, int font, float size,
                      float hAlign, float vAlign) {
    beginData();
    this->font->hwrite(bx(x), by(y), text, c, font, static_cast<float>(2.0 * size), hAlign, vAlign);
    endData();
}

void boxclass::vwrite(float x, float y, const char* text, COLOR c, int font, float size,
                      float hAlign, float vAlign) {
    beginData();
    this->font->vwrite(bx(x), by(y), text, c, font, static_cast<float>(2.0 * size), hAlign, vAlign);
    endData();
}

void boxclass::showbmp(float x1, float y1, float x2, float y2, const char* file) {
    beginData();
    theDesk->showbmp(bx(x1), by(y1), bx(x2), by(y2), file);
    theDesk->resetviewport();
    // The picture covers frame and ticks; the pen stays at the frame's width.
    redrawFrame();
    returnToLayer();
}

void boxclass::clear(ClearFlag f) {
    mapReusable = true;
    beginData();
    if (f == CLEAR_AND_EMPTY) f = CLEAR_TO_VIEWPORT;
    theDesk->clearviewport(f);
    theDesk->resetviewport();
    if (f == CUT_TO_VIEWPORT) {
        returnToLayer();
        return;
    }
    const float w = theDesk->getpenwidth();
    redrawFrame();
    theDesk->setpenwidth(w);
    returnToLayer();
}
