#include "devices/displaylist/replaymapping.h"

#include <algorithm>
#include <cmath>

int ReplayMapping::totalWidth(int step) const {
    if (lens) {
        const double width = std::min((step + 1.0) * lensPen, 32.0);
        return width > 0.0 ? static_cast<int>(width) : 0;
    }
    return scaledWidth(std::max(step + penExtra, 0), penScale);
}

int ReplayMapping::scaledWidth(int width, float penScale) {
    if (penScale == 1.0f) return width;
    const double scaled = width * static_cast<double>(penScale);
    return scaled > 0.0 ? static_cast<int>(std::lround(std::min(scaled, 1e6))) : 0;
}

ReplayMapping ReplayMapping::window(float xscale, float yscale, float listScale, int penExtra,
                                    int scrollOffset, float penScale) {
    ReplayMapping mapping;
    mapping.fx = static_cast<double>(xscale) / listScale;
    mapping.fy = static_cast<double>(yscale) / listScale;
    mapping.off = scrollOffset;
    mapping.penExtra = penExtra;
    mapping.penScale = penScale;
    return mapping;
}

ReplayMapping ReplayMapping::zoom(float xscale, float yscale, float listScale, int magnification,
                                  int lensPen, int offX, int offY, int scrollOffset) {
    ReplayMapping mapping;
    mapping.fx = static_cast<double>(xscale) / listScale * magnification;
    mapping.fy = static_cast<double>(yscale) / listScale * magnification;
    mapping.dx = offX;
    mapping.dy = offY;
    mapping.off = static_cast<double>(scrollOffset) * magnification;
    mapping.lens = true;
    mapping.lensPen = lensPen;
    return mapping;
}
