// Every plot symbol on one page: shapes 0 to 9 from left to right, 1 to 8 concentric outlines
// from top to bottom, each in a grey cell. Writes symbols.eps (or the name given) and the
// same drawing as an HPGL plot file beside it.
#include "velora.h"

int main(int argc, char** argv) {
    const char* name = argc > 1 ? argv[1] : "symbols";
    desk page;
    page.open(EPS | PLT, name);
    symbol marker(page);

    const float cell = 12.0f;
    const float left = (133.33f - 10 * cell) / 2;
    const float top = 100.0f - (100.0f - 8 * cell) / 2;
    for (int rings = 1; rings <= 8; ++rings) {
        for (int shape = 0; shape <= 9; ++shape) {
            const float x = left + shape * cell;
            const float y = top - rings * cell;
            page.rec(x, y, x + cell, y + cell, 13);
            // At scale 4 the largest outline is 10 units across.
            marker.put(x + cell / 2, y + cell / 2, ((rings - 1) << 4) | shape, 0, 4);
        }
    }
    page.close();
    return 0;
}
