// desk: the drawing surface. Page coordinates (133.33 x 100 units, y upwards), a viewport that
// clips every draw, the current colour, pen width and point, layers and the font path; every
// figure becomes moves and clipped draws sent to the devices of the selector it derives from.
#pragma once

#include "common/api.h"
#include "common/colour.h"
#include "devices/selector/deviceflags.h"
#include "devices/selector/deviceselect.h"

#include <iosfwd>
#include <memory>
#include <vector>

class bitmap;
class bitmap24;
class PlotPuffer;
class StringStack;

// COLOR (common/colour.h): a colour index, 0 black, 1 red, 2 green, 3 blue, 4 yellow, 5 cyan,
// 6 magenta, 7 black, 8 to 15 greys from dark to white; or a true colour of velora::rgb(). A
// negative colour given to a drawing call means the current colour.
namespace velora {
class PolygonClip;
}

class VELORA_API desk : public deviceselect {
public:
    // The start arguments of a Windows program; only `instance` is used (for the screen window).
    desk(HINSTANCE instance, HINSTANCE previous, char* commandLine, int showCommand);
    desk();
    // Deletes the devices (files are finished) without first closing a screen window.
    ~desk();
    desk(const desk&) = delete;
    desk& operator=(const desk&) = delete;

    // Opens the devices named by the flag bits (SCREEN, EPS, PLT, PDF, SVG, DOUBLESIZE, MAXIMIZE,
    // SMOOTH). `name` is the window title and the file name; `posSize` the placement text of
    // MakePosSize or null.
    void open(int device, const char* name, const char* posSize = nullptr);
    // Closes the screen window, waits for it, and finishes and deletes every device.
    void close();
    // 1 between open and close.
    operator int() const { return opened; }

    // "pos=(%04i,%04i) size=(%04u,%04u)" in one buffer shared by the library; the next call
    // overwrites it.
    static char* MakePosSize(int x, int y, int w, int h);
    // 2 on a page of double height, else 1.
    char isdoublesize() const { return (flags & DOUBLESIZE) ? 2 : 1; }

    void setcolor(int col);
    void setpenwidth(float w);
    float getpenwidth() const { return penwidth; }
    // The font file becomes dir + "/Velfont.bin"; an empty dir changes nothing.
    void setfontpath(const char* dir);
    const char* getfontpath() const { return fontpath; }

    // The current point moves to (x, y); the device pen follows only inside the viewport.
    void move(float x, float y);
    // A line from the current point to (x, y), clipped to the viewport.
    void draw(float x, float y, int col);
    // A dot: a stroke of zero length at (x, y), if inside the viewport.
    void pset(float x, float y, int col);
    void line(float x1, float y1, float x2, float y2, int col);
    void rec(float x1, float y1, float x2, float y2, int col);
    // An arrow from (x1, y1) to (x2, y2) with a head of the given size (at most 4).
    void vector(float x1, float y1, float x2, float y2, int col, float size);
    // Images stretched into the rectangle, not clipped.
    void showbmp(float x1, float y1, float x2, float y2, const char* name);
    void putbmp(float x1, float y1, float x2, float y2, bitmap& b);
    void putbmp(float x1, float y1, float x2, float y2, bitmap24& b);
    // Keeps a picture that a plot item made and placed for as long as a device may show it
    // again (the screen repaints, zooms and copies from its display list): until close.
    void keeppicture(std::unique_ptr<bitmap> picture);
    // Fills the polygon of `n` vertices (page units, closed from the last to the first) by the
    // non-zero winding rule, clipped to the viewport, in `col` at the fill opacity; the current
    // colour and point stay as they are. Fewer than three vertices, or one that is no finite
    // number, fill nothing.
    void fill(const float* x, const float* y, int n, int col);
    // The opacity of the fills that follow, from 0 (nothing) to 1 (covers; the start value).
    // A value outside is held to the range; NaN keeps the last one.
    void setfillopacity(float a);
    float getfillopacity() const { return fillopacity; }

    // Intersects the viewport with the rectangle; a rectangle with x1 >= x2 or y1 >= y2 is
    // ignored. Only resetviewport enlarges the viewport again.
    void setviewport(float x1, float y1, float x2, float y2);
    void resetviewport();
    // Clears the viewport on the screen; a file device is finished by it.
    void clearviewport(ClearFlag f);
    void frameviewport(int col);
    // The viewport's height in units of a single-size page.
    float getviewportheight() const;
    void setviewportbegin();

    unsigned int getEbene() const { return ebene; }
    // Appends a layer above the screen's highest one and selects it.
    void addEbene();
    // Selects display list n of the screen (null without a screen); `ebene` stays as it is.
    PlotPuffer* setPlotPuffer(unsigned int n);
    // 0, 1, 2, ... counted over the whole process, shared by all desks.
    static unsigned short newBoxInstance();
    void setdeskposition(int x, int y);

    // Draws an EPS file of the kind the library writes onto the desk: its paths, colours, pen
    // widths and pictures. The extension of the name's file part becomes ".eps"; pictures are
    // saved as tmp0.bmp, tmp1.bmp, ... (numbered over the whole process) in the working folder.
    void showeps(const char* name);

private:
    void initialise();
    bool inside(float x, float y) const {
        return vxmin <= x && x <= vxmax && vymin <= y && y <= vymax;
    }
    void selectColour(int col) { sp(col >= 0 ? col : color); }
    // The visible part of the segment p0-p1 as strokes, the pen left up at its last point. The
    // geometry behind it knows nothing of devices: desk/segmentgeometry.h.
    void drawClipped(float x0, float y0, float x1, float y1);

    // The EPS import (desk/epsreader.cpp, desk/epspicture.cpp). Its state lives only while a
    // file is read.
    struct EpsImport;
    void readEps(std::istream& in);
    // Split a definition line ("/m{moveto}def", "/width 64 def") into a label and a command of
    // at most 79 characters each.
    static void getLabel(char* label, const char* line);
    static void getCommand(char* command, const char* line);
    // Pushes the words of a line; 0 for a comment or an empty line, else 1.
    static int makeBuffer(StringStack& stack, const char* line);
    unsigned char getColorFromHSB(float h, float s, float b) const;
    // EPS points to page units, the inverse of the EPS writer's mapping of a single page.
    static float x_(double v);
    static float y_(double v);
    void interpretEps(EpsImport& state);
    void readEpsPicture(EpsImport& state, bool colour);

    int* epscolours;
    velora::PolygonClip* polygonClip;
    std::vector<std::unique_ptr<bitmap>> keptPictures;
    float fillopacity;
    int color;
    float penwidth;
    float curx, cury;
    float vxmin, vymin, vxmax, vymax;
    char* fontpath;
    unsigned short ebene;
    int opened;
};
