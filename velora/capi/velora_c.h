/* Velora's C interface: the desk, the plot box and the text renderer for every compiler and every
 * language that loads a DLL (Visual C++, Python's ctypes, C#, LabVIEW, MATLAB, Julia). The C++
 * classes stay as they are; these calls forward to them and write exactly the same files.
 *
 * Every call but the constructors returns a status, VELORA_OK (0) on success. Where the C++
 * library ends the process (a file that cannot be written, a range a box cannot draw, a missing
 * font file), a call here returns VELORA_FAILED instead and the program goes on: the unfinished
 * files are removed as the C++ library removes them, and the desk can still be closed and freed.
 * velora_last_error() then gives the message the library would have printed. An end removes the
 * unfinished files of every desk open at that moment; closing another desk whose files were
 * removed so returns VELORA_FAILED too.
 *
 * One thread at a time: the whole interface (every handle) is used by one thread at a time, since
 * the ending of a call and the messages the library prints are the process's, not a handle's.
 * The screen window runs on a thread of its own and needs nothing from the caller.
 *
 * Colours: 0 ... 15 the palette (0 black, 1 red, 2 green, 3 blue, 4 yellow, 5 cyan, 6 magenta,
 * 7 black, 8 ... 15 greys to white), velora_rgb() a true colour, a negative value the current
 * colour. Coordinates of the desk are page units (133.33 x 100, y upwards); a box's are data. */
#ifndef VELORA_C_H
#define VELORA_C_H

#ifdef _WIN32
#define VELORA_CALL __cdecl
#if defined(VELORA_BUILDING_LIBRARY)
#define VELORA_C_API __declspec(dllexport)
#else
#define VELORA_C_API __declspec(dllimport)
#endif
#else
#define VELORA_CALL
#define VELORA_C_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef struct velora_desk velora_desk;
typedef struct velora_box velora_box;
typedef struct velora_text velora_text;

enum velora_status {
    VELORA_OK = 0,
    VELORA_FAILED = 1,  /* the library ended the call with a message */
    VELORA_INVALID = 2, /* a null handle, a null array, an argument out of its range */
    VELORA_CLOSED = 3   /* a drawing call on a desk that is not open, or freed */
};

/* The devices of velora_desk_open; combine them with |. */
enum velora_devices {
    VELORA_SCREEN = 0x0001,
    VELORA_EPS = 0x0002,
    VELORA_PLT = 0x0004,
    VELORA_PDF = 0x0008,
    VELORA_SVG = 0x0010,
    VELORA_DOUBLESIZE = 0x1000,
    VELORA_MAXIMIZE = 0x2000,
    VELORA_SMOOTH = 0x4000
};

/* The message of the last call that did not return VELORA_OK on this thread, "" before any. */
VELORA_C_API const char* VELORA_CALL velora_last_error(void);
VELORA_C_API int VELORA_CALL velora_rgb(int r, int g, int b);
VELORA_C_API int VELORA_CALL velora_seriescolor(int i);

/* The desk. New and free never fail; free closes an open desk first (its status is close's). */
VELORA_C_API velora_desk* VELORA_CALL velora_desk_new(void);
VELORA_C_API int VELORA_CALL velora_desk_free(velora_desk* d);
/* `name` is the window title and the files' name, the extension replaced per device. */
VELORA_C_API int VELORA_CALL velora_desk_open(velora_desk* d, int devices, const char* name);
VELORA_C_API int VELORA_CALL velora_desk_close(velora_desk* d);
VELORA_C_API int VELORA_CALL velora_desk_setcolor(velora_desk* d, int colour);
VELORA_C_API int VELORA_CALL velora_desk_setpenwidth(velora_desk* d, float width);
VELORA_C_API int VELORA_CALL velora_desk_getpenwidth(velora_desk* d, float* width);
/* The font file becomes dir + "/Velfont.bin"; set it before the boxes and renderers are made. */
VELORA_C_API int VELORA_CALL velora_desk_setfontpath(velora_desk* d, const char* dir);
VELORA_C_API int VELORA_CALL velora_desk_move(velora_desk* d, float x, float y);
VELORA_C_API int VELORA_CALL velora_desk_draw(velora_desk* d, float x, float y, int colour);
VELORA_C_API int VELORA_CALL velora_desk_pset(velora_desk* d, float x, float y, int colour);
VELORA_C_API int VELORA_CALL velora_desk_line(velora_desk* d, float x1, float y1, float x2,
                                              float y2, int colour);
VELORA_C_API int VELORA_CALL velora_desk_rec(velora_desk* d, float x1, float y1, float x2, float y2,
                                             int colour);
VELORA_C_API int VELORA_CALL velora_desk_vector(velora_desk* d, float x1, float y1, float x2,
                                                float y2, int colour, float size);
VELORA_C_API int VELORA_CALL velora_desk_fill(velora_desk* d, const float* x, const float* y, int n,
                                              int colour);
VELORA_C_API int VELORA_CALL velora_desk_setfillopacity(velora_desk* d, float opacity);
VELORA_C_API int VELORA_CALL velora_desk_setviewport(velora_desk* d, float x1, float y1, float x2,
                                                     float y2);
VELORA_C_API int VELORA_CALL velora_desk_resetviewport(velora_desk* d);
/* flag: 0 clear and empty the screen's layer, 1 clear to the viewport mark, 2 cut only. */
VELORA_C_API int VELORA_CALL velora_desk_clearviewport(velora_desk* d, int flag);
VELORA_C_API int VELORA_CALL velora_desk_frameviewport(velora_desk* d, int colour);
/* A BMP file (8 or 24 bits) stretched into the rectangle. */
VELORA_C_API int VELORA_CALL velora_desk_showbmp(velora_desk* d, float x1, float y1, float x2,
                                                 float y2, const char* file);
/* Pictures from memory, rows from the bottom up: `width` bytes a row (a multiple of 8) with a
 * palette of 256 red, green, blue triples (null: greys), or 3 * width bytes red, green, blue a
 * row. The desk keeps a copy until it is closed. */
VELORA_C_API int VELORA_CALL velora_desk_putbmp_8(velora_desk* d, float x1, float y1, float x2,
                                                  float y2, const unsigned char* pixels, int width,
                                                  int height, const unsigned char* palette);
VELORA_C_API int VELORA_CALL velora_desk_putbmp_24(velora_desk* d, float x1, float y1, float x2,
                                                   float y2, const unsigned char* pixels, int width,
                                                   int height);
/* Draws an EPS file of the kind the library writes onto the desk. */
VELORA_C_API int VELORA_CALL velora_desk_showeps(velora_desk* d, const char* file);
/* The screen's page onto the clipboard, or into a ".png" or ".emf" file. VELORA_FAILED without
 * a screen or when the file cannot be written. */
VELORA_C_API int VELORA_CALL velora_desk_copyscreen(velora_desk* d);
VELORA_C_API int VELORA_CALL velora_desk_savescreen(velora_desk* d, const char* file);

/* A plot box on an open desk; null (with the message) if it cannot be made. */
VELORA_C_API velora_box* VELORA_CALL velora_box_new(velora_desk* d);
VELORA_C_API int VELORA_CALL velora_box_free(velora_box* b);
VELORA_C_API int VELORA_CALL velora_box_init(velora_box* b, float x1, float y1, float x2, float y2,
                                             float fillx, float filly);
VELORA_C_API int VELORA_CALL velora_box_dim(velora_box* b, float xmin, float xmax, float ymin,
                                            float ymax, float xstep, float ystep, float tickfactor,
                                            int side);
/* axis 0 x, 1 y, 2 right y, 3 the colour scale; scale 0 linear, 1 log10, 2 time. */
VELORA_C_API int VELORA_CALL velora_box_setscale(velora_box* b, int axis, int scale);
VELORA_C_API int VELORA_CALL velora_box_settimeorigin(velora_box* b, double seconds_since_1970);
VELORA_C_API int VELORA_CALL velora_box_settimezone(velora_box* b, int minutes);
VELORA_C_API int VELORA_CALL velora_box_setrange(velora_box* b, int axis, double min, double max);
VELORA_C_API int VELORA_CALL velora_box_dimright(velora_box* b, float ymin, float ymax,
                                                 float ystep);
VELORA_C_API int VELORA_CALL velora_box_labelright(velora_box* b, const char* text, float size,
                                                   int captionfont, int tickfont);
VELORA_C_API int VELORA_CALL velora_box_useright(velora_box* b, int on);
VELORA_C_API int VELORA_CALL velora_box_setaccuracy(velora_box* b, float ax, float ay);
VELORA_C_API int VELORA_CALL velora_box_setAxisModulo(velora_box* b, int axis, int modulo);
VELORA_C_API int VELORA_CALL velora_box_label(velora_box* b, const char* xtext, const char* ytext,
                                              float size, int ywidth, int captionfont,
                                              int tickfont);

/* The series, for double (_d) and float (_f) arrays of n values. */
VELORA_C_API int VELORA_CALL velora_box_showpoints_d(velora_box* b, const double* x,
                                                     const double* y, int n, int colour, int symbol,
                                                     float scale);
VELORA_C_API int VELORA_CALL velora_box_showpoints_f(velora_box* b, const float* x, const float* y,
                                                     int n, int colour, int symbol, float scale);
VELORA_C_API int VELORA_CALL velora_box_showerrorbars_d(velora_box* b, const double* x,
                                                        const double* y, const double* err, int n,
                                                        int symbol, int colour, float scale);
VELORA_C_API int VELORA_CALL velora_box_showerrorbars_f(velora_box* b, const float* x,
                                                        const float* y, const float* err, int n,
                                                        int symbol, int colour, float scale);
VELORA_C_API int VELORA_CALL velora_box_showhistogram_d(velora_box* b, const double* x,
                                                        const double* y, int n, int colour);
VELORA_C_API int VELORA_CALL velora_box_showhistogram_f(velora_box* b, const float* x,
                                                        const float* y, int n, int colour);
VELORA_C_API int VELORA_CALL velora_box_connectpoints_d(velora_box* b, const double* x,
                                                        const double* y, int n, int colour,
                                                        float dash);
VELORA_C_API int VELORA_CALL velora_box_connectpoints_f(velora_box* b, const float* x,
                                                        const float* y, int n, int colour,
                                                        float dash);
VELORA_C_API int VELORA_CALL velora_box_fillbetween_d(velora_box* b, const double* x,
                                                      const double* ylow, const double* yhigh,
                                                      int n, int colour);
VELORA_C_API int VELORA_CALL velora_box_fillbetween_f(velora_box* b, const float* x,
                                                      const float* ylow, const float* yhigh, int n,
                                                      int colour);
VELORA_C_API int VELORA_CALL velora_box_fillto_d(velora_box* b, const double* x, const double* y,
                                                 int n, double base, int colour);
VELORA_C_API int VELORA_CALL velora_box_fillto_f(velora_box* b, const float* x, const float* y,
                                                 int n, double base, int colour);
VELORA_C_API int VELORA_CALL velora_box_showbars_d(velora_box* b, const double* x, const double* y,
                                                   int n, int fill, int line);
VELORA_C_API int VELORA_CALL velora_box_showbars_f(velora_box* b, const float* x, const float* y,
                                                   int n, int fill, int line);
VELORA_C_API int VELORA_CALL velora_box_showvectors_d(velora_box* b, const double* x,
                                                      const double* y, int n, int colour,
                                                      float size);
VELORA_C_API int VELORA_CALL velora_box_showvectors_f(velora_box* b, const float* x, const float* y,
                                                      int n, int colour, float size);

/* Single items. */
VELORA_C_API int VELORA_CALL velora_box_line(velora_box* b, float x1, float y1, float x2, float y2,
                                             int colour, float dash);
VELORA_C_API int VELORA_CALL velora_box_vector(velora_box* b, float x1, float y1, float x2,
                                               float y2, int colour, float size);
VELORA_C_API int VELORA_CALL velora_box_pset(velora_box* b, float x, float y, int colour);
VELORA_C_API int VELORA_CALL velora_box_rec(velora_box* b, float x1, float y1, float x2, float y2,
                                            int colour);
VELORA_C_API int VELORA_CALL velora_box_setsymbol(velora_box* b, float x, float y, int colour,
                                                  int symbol, float scale);
VELORA_C_API int VELORA_CALL velora_box_hwrite(velora_box* b, float x, float y, const char* text,
                                               int colour, int font, float size, float halign,
                                               float valign);
VELORA_C_API int VELORA_CALL velora_box_vwrite(velora_box* b, float x, float y, const char* text,
                                               int colour, int font, float size, float halign,
                                               float valign);

/* One line of a legend: a line sample (dash 1 solid, 0 < dash < 1 dashed, below 0 none), a
 * marker (-1 none), a filled patch at an opacity (0 none), and its text. */
typedef struct velora_legend_entry {
    const char* text;
    int colour;
    float dash;
    int marker;
    float patch;
} velora_legend_entry;
/* corner 0 upper right, 1 upper left, 2 lower left, 3 lower right; size as for hwrite. */
VELORA_C_API int VELORA_CALL velora_box_legend(velora_box* b, const velora_legend_entry* entries,
                                               int n, int corner, float size);
VELORA_C_API int VELORA_CALL velora_box_legendat(velora_box* b, const velora_legend_entry* entries,
                                                 int n, double x, double y, float size);

/* Maps of ny rows of nx values (row 0 at y1); map 0 viridis, 1 magma, 2 cividis, 3 grey,
 * 4 coolwarm, 5 turbo. */
VELORA_C_API int VELORA_CALL velora_box_showmap_d(velora_box* b, double x1, double y1, double x2,
                                                  double y2, const double* z, int nx, int ny,
                                                  double zmin, double zmax, int map);
VELORA_C_API int VELORA_CALL velora_box_showmap_f(velora_box* b, double x1, double y1, double x2,
                                                  double y2, const float* z, int nx, int ny,
                                                  double zmin, double zmax, int map);
/* The same with a client's map: 256 red, green, blue triples (768 bytes). */
VELORA_C_API int VELORA_CALL velora_box_showmap_table_d(velora_box* b, double x1, double y1,
                                                        double x2, double y2, const double* z,
                                                        int nx, int ny, double zmin, double zmax,
                                                        const unsigned char* table);
VELORA_C_API int VELORA_CALL velora_box_showmap_table_f(velora_box* b, double x1, double y1,
                                                        double x2, double y2, const float* z,
                                                        int nx, int ny, double zmin, double zmax,
                                                        const unsigned char* table);
VELORA_C_API int VELORA_CALL velora_box_setinvalidcolor(velora_box* b, int colour);
VELORA_C_API int VELORA_CALL velora_box_colorbar(velora_box* b, double zmin, double zmax, int map,
                                                 const char* caption, float size, int captionfont,
                                                 int tickfont);
VELORA_C_API int VELORA_CALL velora_box_colorbar_table(velora_box* b, double zmin, double zmax,
                                                       const unsigned char* table,
                                                       const char* caption, float size,
                                                       int captionfont, int tickfont);
VELORA_C_API int VELORA_CALL velora_box_contour_d(velora_box* b, const double* z, int nx, int ny,
                                                  double x1, double y1, double x2, double y2,
                                                  const double* levels, int nlevels, int colour,
                                                  float dash, float labelsize);
VELORA_C_API int VELORA_CALL velora_box_contour_f(velora_box* b, const float* z, int nx, int ny,
                                                  double x1, double y1, double x2, double y2,
                                                  const float* levels, int nlevels, int colour,
                                                  float dash, float labelsize);
VELORA_C_API int VELORA_CALL velora_box_showbmp(velora_box* b, float x1, float y1, float x2,
                                                float y2, const char* file);
VELORA_C_API int VELORA_CALL velora_box_clear(velora_box* b, int flag);

/* A text renderer on an open desk; null (with the message) if the font file cannot be read. */
VELORA_C_API velora_text* VELORA_CALL velora_text_new(velora_desk* d);
VELORA_C_API int VELORA_CALL velora_text_free(velora_text* t);
VELORA_C_API int VELORA_CALL velora_text_hwrite(velora_text* t, float x, float y, const char* text,
                                                int colour, int font, float size, float halign,
                                                float valign);
VELORA_C_API int VELORA_CALL velora_text_vwrite(velora_text* t, float x, float y, const char* text,
                                                int colour, int font, float size, float halign,
                                                float valign);
VELORA_C_API int VELORA_CALL velora_text_getlength(velora_text* t, const char* text, int font,
                                                   float size, float* length);

#ifdef __cplusplus
}
#endif

#endif
