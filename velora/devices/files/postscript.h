// postscript: the EPS file writer. Takes page coordinates, maps them to points (4 per unit from
// (35, 430)), keeps the bounding box, and patches it into the header when the file is finished.
#pragma once

#include "common/api.h"
#include "common/outputfile.h"
#include "devices/files/recentnumbertexts.h"

class bitmap;
class bitmap24;

class VELORA_API postscript {
public:
    // Creates the temporary file (name with ".eps" replaced by ".tmp") and writes the header.
    explicit postscript(char* name);
    // Writes the trailer, patches the bounding box and gives the file its final name.
    // Finishing the file may end the process; the end may unwind from here (see endprocess.h).
    ~postscript() noexcept(false);
    postscript(const postscript&) = delete;
    postscript& operator=(const postscript&) = delete;

    // Moves page y = 0 to the bottom of a page of double height.
    void setdoublesize();
    void moveto(float x, float y);
    void lineto(float x, float y);
    void pw(float w);
    // A palette index (0 ... 15) or a true colour; any other value is drawn as 15.
    void setColor(int col);
    // Fills the polygon in `col` with opacity `alpha` (0 ... 255), laid over white: EPS has no
    // transparency. Lines not yet stroked are stroked first, so that the fill lies over them as
    // on every other device; the colour and the point the next line starts from stay.
    void fill(const float* x, const float* y, int n, int col, unsigned alpha);
    void checkbb(float x, float y);
    void np();
    void cp();
    void st();
    void st_cp();
    void sb(float x1, float y1, float x2, float y2, char name[]);
    void pb(float x1, float y1, float x2, float y2, bitmap& b);
    void pb(float x1, float y1, float x2, float y2, bitmap24& b);

private:
    void in(char* name);
    void cl();
    // Writes a move (" m\r\n") or line (" l\r\n") to a point whose y is already shifted.
    void writePoint(float x, float y, const char* op);
    // Widens the box by the image rectangle and starts an image block: the picture comment,
    // size, placement and image operator. False, writing nothing, for an image without pixels.
    bool beginImage(float x1, float y1, float x2, float y2, int width, int height, bool colour);
    void endImage();
    void putHexRow(const unsigned char* bytes, std::size_t count);
    // "r g b setrgbcolor" of the colour laid over white with `alpha`.
    void putRgbColour(int col, unsigned alpha);

    float bbxmin, bbxmax, bbymin, bbymax;
    float yorigin;
    velora::OutputFile out;
    char* filename;
    float penwidth;
    float* hsb;
    float lastx, lasty;
    float yshift;
    // The sethsbcolor line of each colour, formatted once.
    char colourLines[16][40];
    unsigned char colourLineLengths[16];
    // Text alternates between its pen width and the plain one at every character.
    velora::RecentNumberTexts widthTexts;
    // PostScript has no current point after newpath and stroke; a line then starts with a move.
    bool hasCurrentPoint;
};
