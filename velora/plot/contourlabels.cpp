#include "plot/contourlabels.h"

#include <algorithm>
#include <cmath>

namespace velora {

ContourLabels::ContourLabels(float x1, float y1, float x2, float y2)
    : clipX1(std::min(x1, x2)), clipY1(std::min(y1, y2)), clipX2(std::max(x1, x2)),
      clipY2(std::max(y1, y2)) {}

bool ContourLabels::fits(const LabelBox& b) const {
    if (b.x1 < clipX1 || b.x2 > clipX2 || b.y1 < clipY1 || b.y2 > clipY2) return false;
    for (const LabelBox& other : placed)
        if (b.x1 < other.x2 && other.x1 < b.x2 && b.y1 < other.y2 && other.y1 < b.y2) return false;
    return true;
}

std::vector<float> ContourLabels::place(const float* x, const float* y, int n, float width,
                                        float height, float spacing) {
    std::vector<float> centres;
    if (n < 2 || !(width > 0.0f) || !(height > 0.0f)) return centres;
    // The length run up to each point.
    std::vector<double> run(static_cast<std::size_t>(n), 0.0);
    for (int i = 1; i < n; ++i)
        run[i] = run[i - 1] + std::hypot(static_cast<double>(x[i]) - x[i - 1],
                                         static_cast<double>(y[i]) - y[i - 1]);
    const double length = run[n - 1];
    // The line must show beside its label: at least a label's width on either side.
    if (!(length > 3.0 * width)) return centres;
    const int count =
        std::max(1, static_cast<int>(length / std::max<double>(spacing, 3.0 * width)));
    const double share = length / count;
    const auto pointAt = [&](double s, double& px, double& py) {
        const auto after = std::lower_bound(run.begin(), run.end(), s);
        const std::size_t i =
            std::max<std::size_t>(1, std::min<std::size_t>(after - run.begin(), n - 1));
        const double piece = run[i] - run[i - 1];
        const double t = piece > 0.0 ? (s - run[i - 1]) / piece : 0.0;
        px = x[i - 1] + t * (static_cast<double>(x[i]) - x[i - 1]);
        py = y[i - 1] + t * (static_cast<double>(y[i]) - y[i - 1]);
    };
    // From the middle of each share outwards, in steps of a label's width, within the share.
    for (int k = 0; k < count; ++k) {
        const double middle = (k + 0.5) * share;
        for (int step = 0; step * width <= share / 2; ++step) {
            bool done = false;
            for (int side : {1, -1}) {
                if (step == 0 && side < 0) continue;
                double px, py;
                pointAt(middle + side * step * static_cast<double>(width), px, py);
                const LabelBox b{
                    static_cast<float>(px - width / 2.0), static_cast<float>(py - height / 2.0),
                    static_cast<float>(px + width / 2.0), static_cast<float>(py + height / 2.0)};
                if (!fits(b)) continue;
                placed.push_back(b);
                centres.push_back(static_cast<float>(px));
                centres.push_back(static_cast<float>(py));
                done = true;
                break;
            }
            if (done) break;
        }
    }
    return centres;
}

void ContourLabels::insideIntervals(double ax, double ay, double bx, double by) const {
    starts.clear();
    ends.clear();
    const double dx = bx - ax, dy = by - ay;
    for (const LabelBox& b : placed) {
        if (std::max(ax, bx) < b.x1 || std::min(ax, bx) > b.x2 || std::max(ay, by) < b.y1 ||
            std::min(ay, by) > b.y2)
            continue;
        // Liang and Barsky: the parameters where the segment is inside all four edges.
        double t0 = 0.0, t1 = 1.0;
        const double p[4] = {-dx, dx, -dy, dy};
        const double q[4] = {ax - b.x1, b.x2 - ax, ay - b.y1, b.y2 - ay};
        bool inside = true;
        for (int e = 0; e < 4 && inside; ++e) {
            if (p[e] == 0.0) {
                inside = q[e] >= 0.0;
            } else {
                const double r = q[e] / p[e];
                if (p[e] < 0.0)
                    t0 = std::max(t0, r);
                else
                    t1 = std::min(t1, r);
                inside = t0 < t1;
            }
        }
        if (!inside) continue;
        // Kept sorted and merged as they come: there are few boxes on any one segment.
        std::size_t k = 0;
        while (k < starts.size() && ends[k] < t0)
            ++k;
        std::size_t last = k;
        while (last < starts.size() && starts[last] <= t1) {
            t0 = std::min(t0, starts[last]);
            t1 = std::max(t1, ends[last]);
            ++last;
        }
        starts.erase(starts.begin() + static_cast<std::ptrdiff_t>(k),
                     starts.begin() + static_cast<std::ptrdiff_t>(last));
        ends.erase(ends.begin() + static_cast<std::ptrdiff_t>(k),
                   ends.begin() + static_cast<std::ptrdiff_t>(last));
        starts.insert(starts.begin() + static_cast<std::ptrdiff_t>(k), t0);
        ends.insert(ends.begin() + static_cast<std::ptrdiff_t>(k), t1);
    }
}

} // namespace velora
