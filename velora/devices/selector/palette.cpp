#include "devices/selector/palette.h"

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
