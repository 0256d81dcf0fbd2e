#include "devices/raster/smoothstroke.h"

#include <algorithm>
#include <cmath>

namespace {

// sRGB byte to linear light, 0 ... 65535: ((c + 0.055) / 1.055)^2.4, c / 12.92 near black,
// written out so that every build has the same numbers (no library's pow behind them).
constexpr std::uint16_t linearOf[256] = {
    0,     20,    40,    60,    80,    99,    119,   139,   159,   179,   199,   219,   241,
    264,   288,   313,   340,   367,   396,   427,   458,   491,   526,   562,   599,   637,
    677,   718,   761,   805,   851,   898,   947,   997,   1048,  1101,  1156,  1212,  1270,
    1330,  1391,  1453,  1517,  1583,  1651,  1720,  1790,  1863,  1937,  2013,  2090,  2170,
    2250,  2333,  2418,  2504,  2592,  2681,  2773,  2866,  2961,  3058,  3157,  3258,  3360,
    3464,  3570,  3678,  3788,  3900,  4014,  4129,  4247,  4366,  4488,  4611,  4736,  4864,
    4993,  5124,  5257,  5392,  5530,  5669,  5810,  5953,  6099,  6246,  6395,  6547,  6700,
    6856,  7014,  7174,  7335,  7500,  7666,  7834,  8004,  8177,  8352,  8528,  8708,  8889,
    9072,  9258,  9445,  9635,  9828,  10022, 10219, 10417, 10619, 10822, 11028, 11235, 11446,
    11658, 11873, 12090, 12309, 12530, 12754, 12980, 13209, 13440, 13673, 13909, 14146, 14387,
    14629, 14874, 15122, 15371, 15623, 15878, 16135, 16394, 16656, 16920, 17187, 17456, 17727,
    18001, 18277, 18556, 18837, 19121, 19407, 19696, 19987, 20281, 20577, 20876, 21177, 21481,
    21787, 22096, 22407, 22721, 23038, 23357, 23678, 24002, 24329, 24658, 24990, 25325, 25662,
    26001, 26344, 26688, 27036, 27386, 27739, 28094, 28452, 28813, 29176, 29542, 29911, 30282,
    30656, 31033, 31412, 31794, 32179, 32567, 32957, 33350, 33745, 34143, 34544, 34948, 35355,
    35764, 36176, 36591, 37008, 37429, 37852, 38278, 38706, 39138, 39572, 40009, 40449, 40891,
    41337, 41785, 42236, 42690, 43147, 43606, 44069, 44534, 45002, 45473, 45947, 46423, 46903,
    47385, 47871, 48359, 48850, 49344, 49841, 50341, 50844, 51349, 51858, 52369, 52884, 53401,
    53921, 54445, 54971, 55500, 56032, 56567, 57105, 57646, 58190, 58737, 59287, 59840, 60396,
    60955, 61517, 62082, 62650, 63221, 63795, 64372, 64952, 65535};

// Linear light in steps of 4 back to the nearest sRGB byte.
constexpr int encodedSteps = 16384;

struct Encoding {
    std::uint8_t byteOf[encodedSteps];
    Encoding() {
        int b = 0;
        for (int i = 0; i < encodedSteps; ++i) {
            const int value = i * 4 + 2;
            while (b < 255 && value * 2 >= linearOf[b] + linearOf[b + 1])
                ++b;
            byteOf[i] = static_cast<std::uint8_t>(b);
        }
    }
};

const Encoding& encoding() {
    static const Encoding table;
    return table;
}

unsigned mixChannel(std::uint32_t under, std::uint32_t over, int shift, unsigned cover,
                    const Encoding& e) {
    const unsigned u = linearOf[(under >> shift) & 0xffu], o = linearOf[(over >> shift) & 0xffu];
    const unsigned mixed = (u * (255 - cover) + o * cover) / (255 * 4);
    return static_cast<unsigned>(e.byteOf[mixed]) << shift;
}

} // namespace

unsigned SmoothStroke::coverage(double distance, double penWidth) {
    const double inside = penWidth / 2 + 0.5 - distance;
    if (inside <= 0) return 0;
    if (inside >= 1) return 255;
    return static_cast<unsigned>(inside * 255 + 0.5);
}

std::uint32_t SmoothStroke::blend(std::uint32_t below, std::uint32_t over, unsigned cover) {
    if (cover >= 255) return over & 0xffffffu;
    const Encoding& e = encoding();
    return mixChannel(below, over, 16, cover, e) | mixChannel(below, over, 8, cover, e) |
           mixChannel(below, over, 0, cover, e);
}

void SmoothStroke::attach(std::uint32_t* target, int width, int height, int rowPitch) {
    touched.clear();
    pixels = target;
    columns = target ? width : 0;
    rows = target ? height : 0;
    pitch = rowPitch;
    const std::size_t count = static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows);
    covered.assign(count, 0);
    under.assign(count, 0);
    encoding();
}

void SmoothStroke::setPen(std::uint32_t penColour, int penWidth) {
    colour = penColour;
    width = penWidth;
    reachPixels = static_cast<int>(std::ceil(width / 2 + 0.5));
}

void SmoothStroke::end() {
    for (const std::uint32_t at : touched)
        covered[at] = 0;
    touched.clear();
}

void SmoothStroke::plot(int x, int y, unsigned cover) {
    const std::size_t at = static_cast<std::size_t>(y) * columns + x;
    if (cover <= covered[at]) return;
    std::uint32_t& pixel = pixels[static_cast<std::size_t>(y) * pitch + x];
    if (covered[at] == 0) {
        under[at] = pixel & 0xffffffu;
        touched.push_back(static_cast<std::uint32_t>(at));
    }
    covered[at] = static_cast<std::uint8_t>(cover);
    pixel = blend(under[at], colour, cover);
}

void SmoothStroke::segment(double x0, double y0, double x1, double y1) {
    if (!pixels) return;
    // Coverage ends this far from the segment.
    const double r = width / 2 + 0.5;
    const double dx = x1 - x0, dy = y1 - y0;
    const double length2 = dx * dx + dy * dy;
    const double length = std::sqrt(length2);
    const double left = std::min(x0, x1) - r, right = std::max(x0, x1) + r;
    const double top = std::max(std::min(y0, y1) - r, 0.0);
    const double bottom = std::min(std::max(y0, y1) + r, rows - 1.0);
    if (!(top <= bottom)) return;
    const int firstRow = static_cast<int>(std::ceil(top)), lastRow = static_cast<int>(bottom);
    for (int y = firstRow; y <= lastRow; ++y) {
        // The row's part of the band around the line, within the segment's box.
        double from = left, to = right;
        if (dy != 0) {
            const double centre = x0 + (y - y0) * dx / dy;
            const double half = r * length / std::fabs(dy);
            from = std::max(from, centre - half);
            to = std::min(to, centre + half);
        }
        from = std::max(from, 0.0);
        to = std::min(to, columns - 1.0);
        if (!(from <= to)) continue;
        for (int x = static_cast<int>(std::ceil(from)), last = static_cast<int>(to); x <= last;
             ++x) {
            double ex = x - x0, ey = y - y0;
            if (length2 > 0) {
                const double t = std::min(std::max((ex * dx + ey * dy) / length2, 0.0), 1.0);
                ex -= t * dx;
                ey -= t * dy;
            }
            const unsigned cover = coverage(std::sqrt(ex * ex + ey * ey), width);
            if (cover) plot(x, y, cover);
        }
    }
}
