// Contour labels: their places along a line, clear of the frame's edges and of each other, and
// the pieces of the lines that pass under them.
#include "plot/contourlabels.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The pieces a cut gives, as "x,y x,y | x,y ...".
std::string piecesOf(const velora::ContourLabels& labels, const std::vector<float>& x,
                     const std::vector<float>& y) {
    std::string text;
    labels.cut(x.data(), y.data(), static_cast<int>(x.size()),
               [&](const float* px, const float* py, int n) {
                   if (!text.empty()) text += " | ";
                   for (int i = 0; i < n; ++i) {
                       char point[40];
                       std::snprintf(point, sizeof point, "%s%g,%g", i ? " " : "", px[i], py[i]);
                       text += point;
                   }
               });
    return text;
}

} // namespace

TEST(ContourLabels, PlacesClearOfFrameAndEachOther) {
    velora::ContourLabels labels(0, 0, 100, 100);
    // 90 long: one label at the middle.
    const std::vector<float> x = {5, 95}, y = {50, 50};
    EXPECT_EQ(labels.place(x.data(), y.data(), 2, 10, 4, 100), (std::vector<float>{50, 50}));
    // The same line again: the middle is taken, the next free place a label's width on.
    EXPECT_EQ(labels.place(x.data(), y.data(), 2, 10, 4, 100), (std::vector<float>{60, 50}));
    // Too short to show beside its label, or running along the frame's edge: none.
    const std::vector<float> shortX = {0, 25}, edgeY = {1, 1};
    EXPECT_TRUE(labels.place(shortX.data(), y.data(), 2, 10, 4, 100).empty());
    EXPECT_TRUE(labels.place(x.data(), edgeY.data(), 2, 10, 4, 100).empty());
    // 180 long with labels 60 apart: three, in the middles of its thirds.
    velora::ContourLabels spaced(0, 0, 200, 100);
    const std::vector<float> longX = {10, 190};
    EXPECT_EQ(spaced.place(longX.data(), y.data(), 2, 10, 4, 60),
              (std::vector<float>{40, 50, 100, 50, 160, 50}));
}

TEST(ContourLabels, CutsLinesUnderEveryBox) {
    velora::ContourLabels labels(0, 0, 100, 100);
    const std::vector<float> x = {5, 95}, y = {50, 50};
    labels.place(x.data(), y.data(), 2, 10, 4, 100); // 45 ... 55 by 48 ... 52
    labels.place(x.data(), y.data(), 2, 10, 4, 100); // 55 ... 65
    // Through both boxes, which touch: one gap; a bend under the box is left out with it.
    EXPECT_EQ(piecesOf(labels, {0, 50, 100}, {50, 50, 50}), "0,50 45,50 | 65,50 100,50");
    EXPECT_EQ(piecesOf(labels, {40, 50, 50, 70}, {50, 51, 50, 50}), "40,50 45,50.5 | 65,50 70,50");
    // Starting and ending under a box, across it on a slant, and missing it.
    EXPECT_EQ(piecesOf(labels, {50, 50, 60}, {50, 60, 50}), "50,52 50,60 58,52");
    EXPECT_EQ(piecesOf(labels, {50, 50}, {40, 60}), "50,40 50,48 | 50,52 50,60");
    EXPECT_EQ(piecesOf(labels, {0, 100}, {0, 0}), "0,0 100,0");
    EXPECT_EQ(piecesOf(labels, {50, 52}, {50, 51}), "");
}
