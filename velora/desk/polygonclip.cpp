#include "desk/polygonclip.h"

#include <cstddef>

namespace velora {

PolygonClip::Polygon PolygonClip::clip(const float* x, const float* y, int count, float xmin,
                                       float ymin, float xmax, float ymax) {
    bool inside = true;
    for (int i = 0; i < count && inside; ++i)
        inside = xmin <= x[i] && x[i] <= xmax && ymin <= y[i] && y[i] <= ymax;
    if (inside) return {x, y, count};
    fromX.assign(x, x + count);
    fromY.assign(y, y + count);
    cut(0, xmin, true);
    cut(0, xmax, false);
    cut(1, ymin, true);
    cut(1, ymax, false);
    return {fromX.data(), fromY.data(), static_cast<int>(fromX.size())};
}

void PolygonClip::cut(int axis, float limit, bool keepAbove) {
    toX.clear();
    toY.clear();
    const std::size_t n = fromX.size();
    if (n == 0) return;
    const std::vector<float>& along = axis == 0 ? fromX : fromY;
    const auto kept = [&](std::size_t i) {
        return keepAbove ? along[i] >= limit : along[i] <= limit;
    };
    std::size_t previous = n - 1;
    bool previousKept = kept(previous);
    for (std::size_t i = 0; i < n; ++i) {
        const bool nowKept = kept(i);
        if (nowKept != previousKept) {
            // Where the edge crosses the limit, worked out in double from the kept end's side.
            const double a0 = along[previous], a1 = along[i];
            const double t = (limit - a0) / (a1 - a0);
            const double cx =
                fromX[previous] + t * (static_cast<double>(fromX[i]) - fromX[previous]);
            const double cy =
                fromY[previous] + t * (static_cast<double>(fromY[i]) - fromY[previous]);
            toX.push_back(axis == 0 ? limit : static_cast<float>(cx));
            toY.push_back(axis == 1 ? limit : static_cast<float>(cy));
        }
        if (nowKept) {
            toX.push_back(fromX[i]);
            toY.push_back(fromY[i]);
        }
        previous = i;
        previousKept = nowKept;
    }
    fromX.swap(toX);
    fromY.swap(toY);
}

} // namespace velora
