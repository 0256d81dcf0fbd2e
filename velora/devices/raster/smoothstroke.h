// SmoothStroke: antialiased lines for the screen's page buffer. A line is the set of points
// within half the pen's width of its segments (round caps and joins); a pixel takes the pen in
// proportion to how far its centre lies inside that set's edge, by one pixel's width blurred,
// blended onto the page in linear light (sRGB decoded, mixed, encoded again), so that a grey
// edge on white looks as dark as the part of the pixel the line covers.
//
// The lines of one pen form one stroke: each pixel keeps what lay under it when the stroke first
// touched it and the largest coverage any of the stroke's segments gave it, and shows the pen
// over what lay under by that coverage. Where segments meet or cross, the pixel is not darkened
// twice; and since the coverage of a pixel depends only on its distance from the nearest segment,
// a stroke gives the same pixels however its lines are cut into pieces and in whatever order the
// pieces come. Live drawing sends a polyline in pieces cut where frames happen to be shown, a
// repaint sends it whole: both give the same page. The stroke ends (its record of the pixels is
// dropped, the pixels stay) when the pen changes or anything else is drawn.
#pragma once

#include "common/api.h"

#include <cstdint>
#include <vector>

class VELORA_API SmoothStroke {
public:
    // Draws into the pixels as RasterCanvas does; the stroke ends.
    void attach(std::uint32_t* pixels, int width, int height, int pitch);
    // The pen of the segments that follow (colour as RasterCanvas keeps it, width in pixels).
    // The caller ends the stroke when the pen differs.
    void setPen(std::uint32_t colour, int width);
    // How far from a segment the pen reaches, whole pixels: what a segment may change.
    int reach() const { return reachPixels; }
    // Draws the segment between the pixel centres (x0, y0) and (x1, y1), clipped to the pixels.
    void segment(double x0, double y0, double x1, double y1);
    void end();

    // The coverage (0 ... 255) of a pixel whose centre lies `distance` from the segment of a pen
    // `width` pixels wide.
    static unsigned coverage(double distance, double width);
    // `over` laid on `under` (both 0x00rrggbb) by `coverage` (0 ... 255), in linear light.
    static std::uint32_t blend(std::uint32_t under, std::uint32_t over, unsigned coverage);

private:
    void plot(int x, int y, unsigned cover);

    std::uint32_t* pixels = nullptr;
    int columns = 0;
    int rows = 0;
    int pitch = 0;
    std::uint32_t colour = 0;
    double width = 1;
    int reachPixels = 1;
    // By pixel (row after row, `columns` apart): the stroke's largest coverage so far and what
    // lay under it; `touched` lists the pixels whose coverage is not 0.
    std::vector<std::uint8_t> covered;
    std::vector<std::uint32_t> under;
    std::vector<std::uint32_t> touched;
};
