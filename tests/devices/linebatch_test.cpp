// Lines on their way to a device: gathered into few calls, a dense column reduced to its
// extremes, and a batch cut anywhere (full, flushed, pen changed) going on from its last point,
// so that no segment is lost or drawn twice.
#include "devices/raster/linebatch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using Segment = std::pair<LinePoint, LinePoint>;

class RecordingSink : public LineSink {
public:
    void polylines(const LinePoint* points, const unsigned long* counts, int lines) override {
        ++calls;
        int at = 0, inCall = 0;
        for (int k = 0; k < lines; ++k) {
            EXPECT_GE(counts[k], 2ul);
            for (unsigned long i = 1; i < counts[k]; ++i)
                segments.push_back({points[at + i - 1], points[at + i]});
            at += static_cast<int>(counts[k]);
            inCall += static_cast<int>(counts[k]);
        }
        largestCall = std::max(largestCall, inCall);
    }
    int calls = 0;
    int largestCall = 0;
    std::vector<Segment> segments;
};

} // namespace

// Found by the comparisons of std::pair, which look for it beside LinePoint.
static bool operator==(const LinePoint& a, const LinePoint& b) {
    return a.x == b.x && a.y == b.y;
}

TEST(LineBatch, ManyPolylinesOfOnePenGoOutInOneCall) {
    RecordingSink sink;
    LineBatch batch(sink);
    // Twenty little crosses, as a symbol series draws them.
    for (int k = 0; k < 20; ++k) {
        batch.moveTo(10 * k, 0);
        batch.lineTo(10 * k + 4, 4);
        batch.moveTo(10 * k + 4, 0);
        batch.lineTo(10 * k, 4);
    }
    EXPECT_EQ(sink.calls, 0);
    EXPECT_FALSE(batch.empty());
    batch.flush();
    EXPECT_TRUE(batch.empty());
    EXPECT_EQ(sink.calls, 1);
    ASSERT_EQ(sink.segments.size(), 40u);
    EXPECT_TRUE((sink.segments[39] == Segment{LinePoint{194, 0}, LinePoint{190, 4}}));
    batch.flush(); // nothing waits: no call
    EXPECT_EQ(sink.calls, 1);
}

TEST(LineBatch, CutsAnywhereGoOnFromTheLastPoint) {
    // A zigzag with a new column at every point, so that nothing is reduced: every line must
    // arrive once, in order, however the batch is cut.
    for (int perCall : {2, 3, 16, LineBatch::maxPoints}) {
        RecordingSink sink;
        LineBatch batch(sink);
        batch.setPointsPerCall(perCall);
        std::vector<Segment> expected;
        LinePoint at{0, 0};
        batch.moveTo(0, 0);
        for (int i = 1; i <= 1000; ++i) {
            const LinePoint next{i, (i * 37) % 23};
            batch.lineTo(next.x, next.y);
            expected.push_back({at, next});
            at = next;
            if (i % 97 == 0) batch.flush(); // the window's thread, between two commands
        }
        batch.flush();
        EXPECT_LE(sink.largestCall, perCall);
        ASSERT_EQ(sink.segments.size(), expected.size()) << perCall;
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), sink.segments.begin(),
                               [](const Segment& a, const Segment& b) {
                                   return a.first == b.first && a.second == b.second;
                               }))
            << perCall;
    }
}

TEST(LineBatch, DenseColumnGoesOutAsItsExtremes) {
    RecordingSink sink;
    LineBatch batch(sink);
    batch.moveTo(5, 50);
    // A thousand points in column 6 between 20 and 90, then on to column 7.
    for (int i = 0; i < 1000; ++i)
        batch.lineTo(6, 20 + (i * 53) % 71);
    batch.lineTo(6, 40);
    batch.lineTo(7, 45);
    batch.flush();
    ASSERT_LE(sink.segments.size(), 5u);
    int low = 1000, high = -1;
    for (const Segment& s : sink.segments)
        if (s.first.x == 6 && s.second.x == 6) {
            low = std::min<int>(low, std::min(s.first.y, s.second.y));
            high = std::max<int>(high, std::max(s.first.y, s.second.y));
        }
    EXPECT_EQ(low, 20);
    EXPECT_EQ(high, 90);
    // The way on leaves the column at its last point.
    EXPECT_TRUE((sink.segments.back() == Segment{LinePoint{6, 40}, LinePoint{7, 45}}));
}
