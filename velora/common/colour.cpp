#include "common/colour.h"

namespace velora {

namespace {

// Dark and light alternate, so that neighbouring series differ in grey as well.
const int seriesColours[10] = {
    rgb(0x33, 0x22, 0x88), // indigo
    rgb(0xdd, 0xcc, 0x77), // sand
    rgb(0x11, 0x77, 0x33), // green
    rgb(0xcc, 0x66, 0x77), // rose
    rgb(0x88, 0x22, 0x55), // wine
    rgb(0x88, 0xcc, 0xee), // cyan
    rgb(0x99, 0x99, 0x33), // olive
    rgb(0xaa, 0x44, 0x99), // purple
    rgb(0x44, 0xaa, 0x99), // teal
    rgb(0x00, 0x00, 0x00), // black, for the tenth
};

} // namespace

COLOR seriescolor(int i) {
    return seriesColours[((i % 10) + 10) % 10];
}

} // namespace velora
