// The segment geometry on its own: orientation, the intersection test with its borderline
// cases, and the crossing point.
#include "desk/segmentgeometry.h"

#include <gtest/gtest.h>

using velora::ccw;
using velora::intersect;
using velora::intersectx;
using velora::intersecty;

TEST(SegmentGeometry, OrientationOfThreePoints) {
    EXPECT_EQ(ccw(0, 0, 10, 0, 5, 1), 1);   // left of the direction
    EXPECT_EQ(ccw(0, 0, 10, 0, 5, -1), -1); // right of it
    // Collinear: on the segment, beyond its end, behind its start.
    EXPECT_EQ(ccw(0, 0, 10, 0, 5, 0), 0);
    EXPECT_EQ(ccw(0, 0, 10, 0, 10, 0), 0);
    EXPECT_EQ(ccw(0, 0, 10, 0, 0, 0), 0);
    EXPECT_EQ(ccw(0, 0, 10, 0, 15, 0), 1);
    EXPECT_EQ(ccw(0, 0, 10, 0, -5, 0), -1);
    EXPECT_EQ(ccw(0, 0, 0, 10, 0, -1), -1);
}

TEST(SegmentGeometry, OrientationComparesExactProducts) {
    // In single precision both products round to the same value; they differ in double.
    const float a = 16777215.0f; // 2^24 - 1
    EXPECT_EQ(ccw(0, 0, a, a - 1, a + 1, a), 1);
    EXPECT_EQ(ccw(0, 0, a + 1, a, a, a - 1), -1);
}

TEST(SegmentGeometry, CrossingAndTouchingSegmentsIntersect) {
    EXPECT_EQ(intersect(0, 0, 10, 10, 0, 10, 10, 0), -1);
    EXPECT_EQ(intersect(0, 0, 10, 10, 10, 10, 20, 0), -1); // a common end
    EXPECT_EQ(intersect(0, 5, 5, 5, 5, 0, 5, 10), -1);     // an end on the other segment
}

TEST(SegmentGeometry, ParallelCollinearAndDegenerateSegmentsDoNotIntersect) {
    EXPECT_EQ(intersect(0, 0, 10, 0, 0, 1, 10, 1), 0);
    EXPECT_EQ(intersect(0, 0, 10, 0, 5, 0, 15, 0), 0); // overlapping, collinear
    EXPECT_EQ(intersect(5, 5, 5, 5, 0, 0, 10, 10), 0); // zero length, on the other one
    EXPECT_EQ(intersect(0, 0, 10, 10, 20, 0, 11, 9), 0);
    EXPECT_EQ(intersect(0, 0, 4, 4, 10, 0, 0, 10), 0); // the lines cross beyond the first
}

TEST(SegmentGeometry, CrossingPointOfTheLines) {
    EXPECT_FLOAT_EQ(intersectx(-10, 50, 200, 50, 0, 0, 0, 100), 0.0f);
    EXPECT_FLOAT_EQ(intersecty(-10, 50, 200, 50, 0, 0, 0, 100), 50.0f);
    EXPECT_EQ(intersectx(-10, 50, 200, 50, 133.33f, 0, 133.33f, 100), 133.33f);
    EXPECT_FLOAT_EQ(intersectx(0, 0, 10, 20, 0, 10, 10, 10), 5.0f);
    EXPECT_FLOAT_EQ(intersecty(0, 0, 10, 20, 0, 10, 10, 10), 10.0f);
    EXPECT_FLOAT_EQ(intersectx(1, 3, 7, -3, 0, 0, 8, 0), 4.0f);
}
