// corel: the HPGL plot file writer. Takes plotter units (72 per page unit, scaled by the device
// selector) and writes one line per command; images become the outline of their rectangle.
#pragma once

#include "common/api.h"
#include "common/outputfile.h"

#include <vector>

class bitmap;
class bitmap24;

class VELORA_API corel {
public:
    // Creates the file (under the name with ".tmp" appended) and writes "SP1" and "PW0.3".
    explicit corel(char* name);
    // Writes the empty last line, closes the file and gives it its name.
    // Finishing the file may end the process; the end may unwind from here (see endprocess.h).
    ~corel() noexcept(false);
    corel(const corel&) = delete;
    corel& operator=(const corel&) = delete;

    // A true colour takes the pen of the nearest palette colour.
    void sp(int col);
    void pw(float w);
    void pu();
    void pd();
    void pa(float x, float y);
    void sb(float x1, float y1, float x2, float y2, char* name);
    void pb(float x1, float y1, float x2, float y2, bitmap& b);
    void pb(float x1, float y1, float x2, float y2, bitmap24& b);
    // What a pen plotter can draw of a filled polygon (plotter units): its outline, then
    // horizontal hatch lines inside it by the non-zero rule, in the pen of `col`, one pen width
    // apart at full opacity and proportionally further apart below it. The pen ends up, and the
    // current pen is selected again.
    void fill(const float* x, const float* y, int n, int col, unsigned alpha);

private:
    void in(char* name);
    void cl();
    // The outline of an image rectangle, ending with the pen up at its first corner.
    void frame(float x1, float y1, float x2, float y2);

    void selectPen(int pen);
    // The hatch line at height `row` over the active edges: the spans inside by the non-zero
    // rule.
    void hatchRow(double row);

    velora::OutputFile out;
    int pen = 0;
    float penWidth = 0.3f;
    struct Crossing {
        double x;
        int winding;
    };
    // An edge that is not horizontal, from its lower end (inclusive) to its upper (exclusive).
    struct HatchEdge {
        double low, high, xAtLow, slope;
        int winding;
    };
    std::vector<HatchEdge> edges;
    std::vector<const HatchEdge*> active;
    std::vector<Crossing> crossings;
};
