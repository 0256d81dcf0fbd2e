// Labels on contour lines: where along each line a label of its level goes, so that labels stay
// inside the frame and clear of each other, and the pieces of the lines that are left once the
// line is broken under every label. All in page units.
#pragma once

#include "common/api.h"

#include <vector>

namespace velora {

struct LabelBox {
    float x1, y1, x2, y2;
};

class VELORA_API ContourLabels {
public:
    // Labels must lie inside the rectangle given, as the frame's clip does.
    ContourLabels(float x1, float y1, float x2, float y2);

    // Places labels of the given size (the box around the text, centred on the line) along the
    // polyline: one for each `spacing` of its length, the first at the middle when it is
    // shorter, none on a line too short to show the line beside its label. A place where the
    // label would leave the frame or meet a label placed before is moved along the line, and
    // given up when no place near it is free. Returns the centres placed, as x, y pairs.
    std::vector<float> place(const float* x, const float* y, int n, float width, float height,
                             float spacing);

    const std::vector<LabelBox>& boxes() const { return placed; }

    // The pieces of the polyline outside every label box, each with at least two points, passed
    // to emit(x, y, count) in order.
    template <typename Emit> void cut(const float* x, const float* y, int n, Emit emit) const {
        pieceX.clear();
        pieceY.clear();
        for (int i = 0; i + 1 < n; ++i)
            cutSegment(x[i], y[i], x[i + 1], y[i + 1], emit);
        endPiece(emit);
    }

private:
    bool fits(const LabelBox& b) const;
    // Adds the parts of one segment that lie outside the boxes to the current piece; where the
    // segment enters a box the piece is passed on and a new one begins where it leaves.
    template <typename Emit>
    void cutSegment(float ax, float ay, float bx, float by, Emit& emit) const;
    template <typename Emit> void endPiece(Emit& emit) const;
    // The parts of the segment from a to b under the boxes, as sorted disjoint intervals of its
    // parameter (0 at a, 1 at b) in starts and ends.
    void insideIntervals(double ax, double ay, double bx, double by) const;

    float clipX1, clipY1, clipX2, clipY2;
    std::vector<LabelBox> placed;
    mutable std::vector<float> pieceX, pieceY;
    mutable std::vector<double> starts, ends;
};

template <typename Emit> void ContourLabels::endPiece(Emit& emit) const {
    if (pieceX.size() >= 2) emit(pieceX.data(), pieceY.data(), static_cast<int>(pieceX.size()));
    pieceX.clear();
    pieceY.clear();
}

template <typename Emit>
void ContourLabels::cutSegment(float ax, float ay, float bx, float by, Emit& emit) const {
    insideIntervals(ax, ay, bx, by);
    const auto addPoint = [&](double t) {
        pieceX.push_back(t <= 0.0   ? ax
                         : t >= 1.0 ? bx
                                    : static_cast<float>(ax + t * (bx - static_cast<double>(ax))));
        pieceY.push_back(t <= 0.0   ? ay
                         : t >= 1.0 ? by
                                    : static_cast<float>(ay + t * (by - static_cast<double>(ay))));
    };
    // A segment that starts under a box ends the piece that came up to it.
    if (!starts.empty() && starts[0] <= 0.0) endPiece(emit);
    // The parts outside lie before, between and after the merged intervals inside.
    double from = 0.0;
    for (std::size_t k = 0; k <= starts.size(); ++k) {
        const double to = k < starts.size() ? starts[k] : 1.0;
        if (to > from) {
            if (pieceX.empty() || from > 0.0) {
                endPiece(emit);
                addPoint(from);
            }
            addPoint(to);
            if (to < 1.0) endPiece(emit);
        }
        if (k < starts.size()) from = ends[k];
    }
}

} // namespace velora
