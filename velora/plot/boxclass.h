// boxclass: a plot box on a desk. A frame, a plotting area onto which a data range is mapped
// linearly, ticks on all four sides, tick labels and captions, and the data series drawn into it
// (points, error bars, histograms, solid and dashed polylines, arrows, text, bitmaps). Each box
// records into a screen layer of its own, number instance + 1.
#pragma once

#include "common/api.h"
#include "desk/desk.h"
#include "devices/selector/deviceflags.h"
#include "plot/axisscale.h"
#include "plot/colormaps.h"
#include "plot/legend.h"
#include "plot/symbol.h"
#include "plot/timeticks.h"
#include "text/fontflags.h"

#include <vector>

class fontclass;

class VELORA_API boxclass {
public:
    // Where the ticks stand; any value but 2 and 3 puts them inside.
    enum TICKSIDES { TICKS_INSIDE = 0, TICKS_OUTSIDE = 2, TICKS_BOTH = 3 };
    typedef int TICKSIDE;
    // Y2_AXIS is the second y scale, on the right side of the frame.
    enum ACHSEN { X_AXIS = 0, Y_AXIS = 1, Y2_AXIS = 2, Z_AXIS = 3 };
    typedef int Achse;
    // LOG10 maps the decimal logarithm of the values; TIME maps seconds since the time origin
    // linearly and ticks and labels them as clock times and dates.
    enum SCALES { LINEAR = 0, LOG10 = 1, TIME = 2 };
    typedef int SCALE;
    // Where legend puts the legend, inside the frame.
    enum LEGENDCORNERS {
        LEGEND_UPPER_RIGHT = 0,
        LEGEND_UPPER_LEFT = 1,
        LEGEND_LOWER_LEFT = 2,
        LEGEND_LOWER_RIGHT = 3
    };

    // A box on the desk, with its own text renderer and symbol drawer; init and dim come next.
    explicit boxclass(desk& d);
    // On a screen, draws the frame once more over the data; frees the renderer and the symbols.
    ~boxclass();
    // A box owns its renderer and symbol drawer.
    boxclass(const boxclass&) = delete;
    boxclass& operator=(const boxclass&) = delete;

    // Places the frame (x2 = 0 gives a width of 35, y2 = 0 a height of 21) and draws it. The
    // plotting area is the frame inset by (1 - fillX) of its width on the left and on the right
    // and by (1 - fillY) of its height below and above.
    void init(float x1, float y1, float x2, float y2, float fillX, float fillY);
    // Sets the data range and draws the ticks. A step of 0 is chosen automatically (and widens
    // the range to whole steps), -1 draws no ticks and no tick labels. tickFactor scales the
    // tick length. An empty or infinite range, or more than 10,000 ticks on an axis, ends the
    // process after error 4098 (x) or 4099 (y).
    void dim(float xmin, float xmax, float ymin, float ymax, float xstep, float ystep,
             float tickFactor, TICKSIDE side);
    // The scale of an axis, set before dim; it holds until changed. A log axis takes its range
    // in data units (1e-3 .. 1e4); its step 0 chooses major ticks at every decade or every 2nd,
    // 5th, 10th ... decade and widens the range to whole decades, a positive step gives the
    // decades between major ticks. A bound <= 0 ends the process after the range error.
    // Setting the Y2_AXIS scale announces a right scale: the left one then ticks the left side
    // alone.
    void setscale(Achse a, SCALE s);
    // The time origin of time axes, in seconds since 1970 (UTC), and the zone in which their
    // times are shown, in minutes east of UTC. The machine's own zone is never read.
    void settimeorigin(double secondsSince1970);
    void settimezone(int minutes);
    // A range beyond a float's (a log axis from 1e-300 to 1e300) for axis a: the next dim takes
    // it instead of its own bounds for that axis.
    void setrange(Achse a, double min, double max);
    // The right scale: its ticks on the right side of the frame (the left scale keeps the left
    // side; given before dim, the left scale no longer ticks the right side too), its labels and
    // caption beside them, read upwards. useright makes the following series and items use it.
    void dimright(float ymin, float ymax, float ystep);
    void labelright(const char* text, float size, FONT captionFont, FONT tickFont);
    void useright(bool on);
    // Decimals of the tick labels: an accuracy between 0 and 1 (0.01: two decimals); any other
    // value takes them from the tick step. Used by the next label.
    void setaccuracy(float ax, float ay);
    // Tick labels of the axis modulo m (360: 0, 90, 180, 270, 0, ...); 0 shows them as they are.
    void setAxisModulo(Achse a, int m);
    // Tick labels and the caption of each axis whose caption is not empty. size scales the text
    // with the box's height; ywidth > 0 reserves room for that many digits left of the y axis,
    // so that the captions of boxes above each other line up.
    void label(const char* xtext, const char* ytext, float size, int ywidth, FONT captionFont,
               FONT tickFont);
    operator desk*() { return theDesk; }

    // Data series. Coordinates are data values; n <= 0 draws nothing.
    void showpoints(const int* x, const int* y, int n, COLOR c, SYMBOL s, float scale);
    void showpoints(const float* x, const float* y, int n, COLOR c, SYMBOL s, float scale);
    void showpoints(const double* x, const double* y, int n, COLOR c, SYMBOL s, float scale);
    void showpoints(const long double* x, const long double* y, int n, COLOR c, SYMBOL s,
                    float scale);
    // Bars of +-err around each point: s = 8 horizontal, s = 9 vertical, each end with a cross
    // stroke; any other s puts its symbol on the point twice.
    void showerrorbars(const int* x, const int* y, const int* err, int n, SYMBOL s, COLOR c,
                       float scale);
    void showerrorbars(const float* x, const float* y, const float* err, int n, SYMBOL s, COLOR c,
                       float scale);
    void showerrorbars(const double* x, const double* y, const double* err, int n, SYMBOL s,
                       COLOR c, float scale);
    void showerrorbars(const long double* x, const long double* y, const long double* err, int n,
                       SYMBOL s, COLOR c, float scale);
    // One outline of bars standing on the lower end of the y range: x[i] is the left edge of
    // bar i, y[i] its height; the last bar is as wide as the others on average.
    void showhistogram(const int* x, const int* y, int n, COLOR c);
    void showhistogram(const float* x, const float* y, int n, COLOR c);
    void showhistogram(const double* x, const double* y, int n, COLOR c);
    void showhistogram(const long double* x, const long double* y, int n, COLOR c);
    // A polyline: dash 1 solid; 0 < dash < 1 dashed with periods of 10 * dash tick lengths, of
    // which the part dash is drawn. A dash of 0 or below draws solid.
    void connectpoints(const int* x, const int* y, int n, COLOR c, float dash);
    void connectpoints(const float* x, const float* y, int n, COLOR c, float dash);
    void connectpoints(const double* x, const double* y, int n, COLOR c, float dash);
    void connectpoints(const long double* x, const long double* y, int n, COLOR c, float dash);
    // Filled areas, in the desk's fill opacity; a point whose values are not finite (or not on
    // a log axis) breaks the area into pieces. fillbetween fills the band between two curves
    // (a confidence band), fillto the area between a curve and the level `base`.
    void fillbetween(const int* x, const int* ylow, const int* yhigh, int n, COLOR c);
    void fillbetween(const float* x, const float* ylow, const float* yhigh, int n, COLOR c);
    void fillbetween(const double* x, const double* ylow, const double* yhigh, int n, COLOR c);
    void fillto(const int* x, const int* y, int n, double base, COLOR c);
    void fillto(const float* x, const float* y, int n, double base, COLOR c);
    void fillto(const double* x, const double* y, int n, double base, COLOR c);
    // The bars of showhistogram, each filled in `fill`, with the histogram's outline in `line`.
    void showbars(const int* x, const int* y, int n, COLOR fill, COLOR line);
    void showbars(const float* x, const float* y, int n, COLOR fill, COLOR line);
    void showbars(const double* x, const double* y, int n, COLOR fill, COLOR line);
    // Arrows from each point to the next, heads of size tick lengths.
    void showvectors(const float* x, const float* y, int n, COLOR c, float size);

    // Single items.
    void line(float x1, float y1, float x2, float y2, COLOR c, float dash);
    void vector(float x1, float y1, float x2, float y2, COLOR c, float size);
    void pset(float x, float y, int c);
    void rec(float x1, float y1, float x2, float y2, COLOR c);
    void setsymbol(float x, float y, COLOR c, SYMBOL s, float scale);
    // Text at a data point, at twice the size given (see fontclass::hwrite for the rest).
    void hwrite(float x, float y, const char* text, COLOR c, int font, float size, float hAlign,
                float vAlign);
    void vwrite(float x, float y, const char* text, COLOR c, int font, float size, float hAlign,
                float vAlign);
    // A legend of n entries on a white patch with a thin frame, in a corner of the frame (one
    // of LEGENDCORNERS) or with its upper left corner at the data point (x, y); size as for
    // hwrite. Its size follows from the texts' lengths.
    void legend(const LegendEntry* entries, int n, int corner = LEGEND_UPPER_RIGHT,
                float size = 0.9f);
    void legendat(const LegendEntry* entries, int n, double x, double y, float size = 0.9f);
    // boxmaps.cpp. ny rows of nx values (row 0 at y1) as cells covering the data rectangle
    // (x1, y1) - (x2, y2), coloured through the map: linear between zmin and zmax (the finite
    // values' range when they are equal), in decades after setscale(Z_AXIS, LOG10). Values that
    // are not finite take the invalid colour (white unless set). Frame and ticks are drawn again
    // over it; the desk keeps the picture until it is closed.
    void showmap(double x1, double y1, double x2, double y2, const float* z, int nx, int ny,
                 double zmin, double zmax, COLORMAPS map = MAP_VIRIDIS);
    void showmap(double x1, double y1, double x2, double y2, const double* z, int nx, int ny,
                 double zmin, double zmax, COLORMAPS map = MAP_VIRIDIS);
    void showmap(double x1, double y1, double x2, double y2, const float* z, int nx, int ny,
                 double zmin, double zmax, const velora::ColourMap& map);
    void showmap(double x1, double y1, double x2, double y2, const double* z, int nx, int ny,
                 double zmin, double zmax, const velora::ColourMap& map);
    void setinvalidcolor(COLOR c);
    // The map's colours from zmin to zmax as a bar beside the right edge of the frame, with
    // ticks and labels at round values and the caption read upwards beside them.
    void colorbar(double zmin, double zmax, COLORMAPS map, const char* caption, float size = 0.5f,
                  FONT captionFont = FONT_ROMAN, FONT tickFont = FONT_SANS);
    void colorbar(double zmin, double zmax, const velora::ColourMap& map, const char* caption,
                  float size = 0.5f, FONT captionFont = FONT_ROMAN, FONT tickFont = FONT_SANS);
    // The contour lines of a grid placed as showmap places it (each value at the centre of its
    // cell), at the levels given, or at 5 to 10 round levels when nlevels <= 0. With a label
    // size (as a label's size) each line long enough carries its level, the line broken under it.
    void contour(const float* z, int nx, int ny, double x1, double y1, double x2, double y2,
                 const float* levels, int nlevels, COLOR c, float dash, float labelSize = 0.0f);
    void contour(const double* z, int nx, int ny, double x1, double y1, double x2, double y2,
                 const double* levels, int nlevels, COLOR c, float dash, float labelSize = 0.0f);
    // A BMP file stretched over a data rectangle; frame and ticks are drawn again over it.
    void showbmp(float x1, float y1, float x2, float y2, const char* file);
    // Clears the box (on a file device this finishes the file) and, unless f is 2, draws frame
    // and ticks again.
    void clear(ClearFlag f);

private:
    float bx(double x) const;
    float by(double y) const;
    // The bracket around every drawing: the box's layer, for data also its clip rectangle.
    void selectLayer();
    void returnToLayer();
    void beginData();
    void endData();

    void calcx();
    void calcy();
    void calcxout();
    void calcyout();
    // The ticks of one axis, inside or outside the frame.
    void drawTicks(Achse axis, bool outside);
    // The ticks of a log or time axis on the low and/or the high side of the frame.
    void drawScaleTicks(const velora::AxisRange& range, bool isX, bool lowSide, bool highSide,
                        bool outside);
    void scaleTicksOf(const velora::AxisRange& range, std::vector<velora::ScaleTick>& ticks);
    velora::AxisRange& rangeOf(Achse axis);
    const velora::AxisRange& yRange() const;
    velora::TimeStep timeStepOf(const velora::AxisRange& range) const;
    // Checks one axis's range as dim takes it, for its scale; ends the process if it cannot be
    // drawn.
    void takeRange(Achse axis, float min, float max, float step);
    void tellScreenTheScales();
    // The labels of a log or time axis.
    // The labels of a log or time axis at label size hs; the y labels return the widest one's
    // length at size 1.
    void scaleLabelsX(float hs, FONT tickFont, bool& withDates);
    float scaleLabelsY(const velora::AxisRange& range, float x, float hAlign, float hs,
                       FONT tickFont, float accuracy);
    // The labels of a linear y scale, at x with hAlign; returns the widest as above.
    float linearLabelsY(const velora::AxisRange& range, float x, float hAlign, float hs,
                        FONT tickFont, int digits, int modulo);
    void drawRightTicks();
    void drawTicksBySide();
    // Chooses an automatic step and checks that the axis can be drawn; ends the process if not.
    void prepareAxis(Achse axis);
    // Reports error 4098 or 4099 and ends the process.
    [[noreturn]] void rangeError(Achse axis);
    void redrawFrame();

    void labelx(const char* text, float size, FONT captionFont, FONT tickFont);
    void labely(const char* text, float size, int ywidth, FONT captionFont, FONT tickFont);
    char* ftoa(float value, int digits);
    char* trimm(char* s);

    // The series for every element type.
    template <typename T>
    void pointsOf(const T* x, const T* y, int n, COLOR c, SYMBOL s, float scale);
    template <typename T>
    void errorBarsOf(const T* x, const T* y, const T* err, int n, SYMBOL s, COLOR c, float scale);
    template <typename T> void histogramOf(const T* x, const T* y, int n, COLOR c);
    // Where the bars of a histogram stand, in page units: n + 1 edges, n tops and the base.
    struct BarPlaces {
        std::vector<float> edges, tops;
        float base = 0.0f;
    };
    template <typename T> void barPlaces(const T* x, const T* y, int n, BarPlaces& bars) const;
    template <typename T> void barsOf(const T* x, const T* y, int n, COLOR fill, COLOR line);
    template <typename T>
    void bandOf(const T* x, const T* ylow, const T* yhigh, double base, int n, COLOR c);
    // A polyline in page units as connectpoints draws one, at the pen width it is given.
    void strokeInPage(const float* x, const float* y, int n, COLOR c, float dash);
    // boxlegend.cpp: the legend with its upper left corner at (left, top), page units; with
    // `fromRight`/`fromBottom` the point is its right or lower edge instead.
    void legendAt(const LegendEntry* entries, int n, float left, float top, bool fromRight,
                  bool fromBottom, float size);
    template <typename T>
    void mapOf(double x1, double y1, double x2, double y2, const T* z, int nx, int ny, double zmin,
               double zmax, const velora::ColourMap& map);
    template <typename T>
    void contourOf(const T* z, int nx, int ny, double x1, double y1, double x2, double y2,
                   const T* levels, int nlevels, COLOR c, float dash, float labelSize);
    template <typename T> void polylineOf(const T* x, const T* y, int n, COLOR c, float dash);

    fontclass* font;
    symbol* sym;
    float accuracyX;
    float accuracyY;
    float tickFactor;
    float tickLength;
    float unitX;
    float clipX1, clipY1, clipX2, clipY2;
    float innerX1, innerY1, innerX2, innerY2;
    float frameX1, frameY1, frameX2, frameY2;
    velora::AxisRange axisX, axisY, axisRight;
    // The range setrange gave for the next dim, per axis.
    double givenMin[3], givenMax[3];
    bool rangeGiven[3];
    velora::TimeFrame timeFrame;
    // A right scale was announced or given; the series use it; dim has drawn the ticks.
    bool rightScale, rightGiven, rightInUse, dimmed;
    desk* theDesk;
    TICKSIDE tickside;
    float penWidth;
    int moduloY;
    int moduloX;
    unsigned short instance;
    float fillX, fillY;
    // The colour scale of the maps: decades when true.
    bool zLog = false;
    COLOR invalidColour = velora::rgb(255, 255, 255);
    // The picture of the last map (the desk keeps it), and whether a clear has taken it off the
    // screen's list since.
    bitmap* mapPicture = nullptr;
    bool mapReusable = false;
};
