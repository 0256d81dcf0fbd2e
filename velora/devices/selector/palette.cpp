#include "devices/selector/palette.h"

#include "common/colour.h"

namespace {

const PaletteColour paletteColours[Palette::colours] = {
    {0, 0, 0},       {255, 0, 0},     {0, 255, 0},     {0, 0, 255},
    {255, 255, 0},   {0, 255, 255},   {255, 0, 255},   {0, 0, 0},
    {28, 28, 28},    {60, 60, 60},    {92, 92, 92},    {124, 124, 124},
    {156, 156, 156}, {188, 188, 188}, {220, 220, 220}, {252, 252, 252}};

} // namespace

PaletteColour Palette::colour(unsigned index) {
    return paletteColours[clamp(index)];
}

PaletteColour Palette::of(unsigned given) {
    const int value = static_cast<int>(given);
    if (!velora::isTrueColour(value)) return colour(given);
    return {static_cast<unsigned char>(velora::redOf(value)),
            static_cast<unsigned char>(velora::greenOf(value)),
            static_cast<unsigned char>(velora::blueOf(value))};
}

int Palette::nearest(int colour) {
    if (!velora::isTrueColour(colour)) return colour;
    const PaletteColour c = of(static_cast<unsigned>(colour));
    int best = 0;
    long bestDistance = -1;
    for (unsigned i = 0; i < colours; ++i) {
        const PaletteColour p = paletteColours[i];
        const long dr = c.red - p.red, dg = c.green - p.green, db = c.blue - p.blue;
        const long distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = static_cast<int>(i);
            bestDistance = distance;
        }
    }
    return best;
}
