// corel: the HPGL plot file writer. Takes plotter units (72 per page unit, scaled by the device
// selector) and writes one line per command; images become the outline of their rectangle.
#pragma once

#include "common/api.h"
#include "common/outputfile.h"

class bitmap;
class bitmap24;

class VELORA_API corel {
public:
    // Creates the file (under the name with ".tmp" appended) and writes "SP1" and "PW0.3".
    explicit corel(char* name);
    // Writes the empty last line, closes the file and gives it its name.
    ~corel();
    corel(const corel&) = delete;
    corel& operator=(const corel&) = delete;

    void sp(int col);
    void pw(float w);
    void pu();
    void pd();
    void pa(float x, float y);
    void sb(float x1, float y1, float x2, float y2, char* name);
    void pb(float x1, float y1, float x2, float y2, bitmap& b);
    void pb(float x1, float y1, float x2, float y2, bitmap24& b);

private:
    void in(char* name);
    void cl();
    // The outline of an image rectangle, ending with the pen up at its first corner.
    void frame(float x1, float y1, float x2, float y2);

    velora::OutputFile out;
};
