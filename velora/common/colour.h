// Colours as every drawing call takes them: 0 ... 15 the palette (see desk.h), a negative value
// the current colour, and true colours made by rgb(). A true colour carries 0x01 in its top byte,
// so that it is never a palette index and never negative.
#pragma once

#include "common/api.h"

typedef int COLOR;

namespace velora {

constexpr int trueColourTag = 0x01000000;

// Each component is held to 0 ... 255.
constexpr COLOR rgb(int r, int g, int b) {
    const auto component = [](int v) { return v < 0 ? 0 : v > 255 ? 255 : v; };
    return trueColourTag | component(r) << 16 | component(g) << 8 | component(b);
}

constexpr bool isTrueColour(int colour) {
    return (colour & 0xff000000) == trueColourTag;
}

constexpr unsigned redOf(int colour) {
    return static_cast<unsigned>(colour) >> 16 & 0xffu;
}
constexpr unsigned greenOf(int colour) {
    return static_cast<unsigned>(colour) >> 8 & 0xffu;
}
constexpr unsigned blueOf(int colour) {
    return static_cast<unsigned>(colour) & 0xffu;
}

// One component laid over white with opacity `alpha` (0 ... 255): what a device without
// transparency fills with.
constexpr unsigned overWhite(unsigned component, unsigned alpha) {
    return alpha >= 255 ? component : (component * alpha + 255u * (255u - alpha) + 127u) / 255u;
}

// Ten colours for series 0, 1, 2, ... (then again from the first): Paul Tol's "muted" scheme,
// told apart by colour-blind readers and, in this order, by their greys too.
VELORA_API COLOR seriescolor(int i);

} // namespace velora
