// deviceselect: the one place that knows which output devices are open. Every two-letter device
// command in page coordinates is forwarded to each open device: the EPS writer, the HPGL writer,
// the PDF and SVG writers and the screen window.
#pragma once

#include "common/api.h"
#include "devices/selector/deviceflags.h"

#include <vector>

class WinScr;
class postscript;
class corel;
class pdfwriter;
class svgwriter;
class bitmap;
class bitmap24;
class PlotPuffer;

class VELORA_API deviceselect {
public:
    explicit deviceselect(HINSTANCE instance);
    ~deviceselect();
    deviceselect(const deviceselect&) = delete;
    deviceselect& operator=(const deviceselect&) = delete;

    // Opens the devices named in `dev` that are not open yet. `name` is the window title and the
    // file name (its extension is replaced); `posSize` the window placement text, or null.
    void in(DEVICE dev, char name[], char* posSize);
    // Deletes the screen device and the file writers; files are finished.
    void cl();
    // As cl, but first closes the screen window and waits for its thread to end.
    void cl1();

    void pu();
    void pd();
    // A point that is NaN, infinite or beyond any device's reach is left out, and a line drawn
    // through it breaks there.
    void pa(float x, float y);
    // A width that is no usable number keeps the last one.
    void pw(float w);
    void sp(int col);
    // Fills the polygon (page units, closed) by the non-zero winding rule in `col` (a palette
    // index or a true colour) with opacity `alpha` (0 ... 255); the current colour, point and
    // pen stay. Fewer than three vertices or one that is no usable number fill nothing.
    void fp(const float* x, const float* y, int n, int col, unsigned alpha);
    void cr(float x1, float y1, float x2, float y2, ClearFlag f);
    void sb(float x1, float y1, float x2, float y2, char name[]);
    void pb(float x1, float y1, float x2, float y2, bitmap& b);
    void pb(float x1, float y1, float x2, float y2, bitmap24& b);
    void np();
    void cp();
    void st();
    void st_cp();

    // Services of the screen alone; without a screen they do nothing and answer 0 or null.
    void svb();
    PlotPuffer* spp(unsigned int n);
    unsigned int gsppe();
    void sdp(int x, int y);
    void pointBox(float x1, float y1, float x2, float y2, unsigned short id);
    void pointBoxDim(float x1, float y1, float x2, float y2, unsigned short id);
    // The point window's range is in decades where an axis is logarithmic.
    void pointBoxScale(bool logX, bool logY, unsigned short id);
    void errorHandel(unsigned short id);
    // The screen's whole page onto the clipboard (enhanced metafile and bitmap), or into a file
    // whose extension, ".png" or ".emf", picks the form. False without a screen, and when the
    // file cannot be written (then no part of it is left).
    bool copyscreen();
    bool savescreen(const char* name);

    // Between the two, commands reach the screen alone and the files are left as they are (a
    // plot box redraws its frame over its data on the screen so); the pen and its point are as
    // before the pause afterwards. in and cl end the pause.
    void pauseFiles();
    void resumeFiles();

protected:
    // Whether pw takes the width.
    static bool usableWidth(float w);

    DEVICE flags;
    float devx, devy;
    float xscale;
    float yscale;
    int pendown;
    WinScr* winscr;
    HINSTANCE instance;
    postscript* psfile;
    corel* pltfile;
    pdfwriter* pdffile;
    svgwriter* svgfile;

private:
    postscript* pausedPsfile;
    corel* pausedPltfile;
    pdfwriter* pausedPdffile;
    svgwriter* pausedSvgfile;
    bool paused;
    float pausedX, pausedY;
    int pausedPen;
    // A point was left out since the last one drawn to.
    bool lineBroken;
    // A fill's vertices in the plotter's or the screen's units.
    std::vector<float> unitsX, unitsY;

    void setdoublesize();
    void setmaximize();
    // The pen goes on drawing from (x, y) after a break in the line: a move on every device.
    void resumeLineAt(float x, float y);
    // Finishes and deletes the PDF and SVG writers.
    void endVectorFiles();
    void openScreen(char name[], char* posSize);
    // Places an 8-bit or 24-bit picture on every open device.
    template <class Picture> void placePicture(float x1, float y1, float x2, float y2, Picture& b);
};
