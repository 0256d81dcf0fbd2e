"""Velora for Python: the desk, its plot boxes and its text over the library's C interface.

    import numpy as np, velora
    t = np.linspace(0, 10, 500)
    with velora.Desk("figure", pdf=True, svg=True) as page:
        box = page.box(20, 15, 120, 90)
        box.dim(0, 10, -1, 1)
        box.label("t // s", "u // V")
        box.connectpoints(t, np.sin(t), color=3)

The calls keep the C++ names and argument order; colours, dashes, symbols and scales are
keywords. A failing call raises velora.Error with the library's message. NumPy arrays of
contiguous doubles (or, all of a call, of floats) are handed over without copying; any other
numbers are converted once. One thread at a time uses the library.
"""

import ctypes
import os

import numpy as np

from . import _library

__all__ = ["Desk", "Box", "Text", "Error", "LegendEntry", "rgb", "seriescolor"]

# Devices, clear modes, axes and scales, fonts, symbols, colour maps and legend corners.
SCREEN, EPS, PLT, PDF, SVG, DOUBLESIZE, MAXIMIZE, SMOOTH = (0x1, 0x2, 0x4, 0x8, 0x10, 0x1000,
                                                            0x2000, 0x4000)
CLEAR_AND_EMPTY, CLEAR_TO_VIEWPORT, CUT_TO_VIEWPORT = 0, 1, 2
X_AXIS, Y_AXIS, Y2_AXIS, Z_AXIS = 0, 1, 2, 3
LINEAR, LOG10, TIME = 0, 1, 2
TICKS_INSIDE, TICKS_OUTSIDE, TICKS_BOTH = 0, 2, 3
FONT_SANS, FONT_ROMAN, FONT_GREEK, FONT_THIN, FONT_BOLD = 0, 1, 2, 16, 32
SYMBOL_FILLED = 0x100
MAP_VIRIDIS, MAP_MAGMA, MAP_CIVIDIS, MAP_GREY, MAP_COOLWARM, MAP_TURBO = range(6)
LEGEND_UPPER_RIGHT, LEGEND_UPPER_LEFT, LEGEND_LOWER_LEFT, LEGEND_LOWER_RIGHT = range(4)

_lib = _library.load()


class Error(Exception):
    """A call the library could not complete; the message is the library's."""


def _last_error():
    # The library's messages are in UTF-8 or, some of its older ones, in the Windows code page.
    message = _lib.velora_last_error()
    try:
        return message.decode("utf-8")
    except UnicodeDecodeError:
        return message.decode("cp1252", "replace")


def _check(status):
    if status != 0:
        raise Error(_last_error())


def _default_font_folder():
    """VELORA_FONT_DIR, else the folder of an installed library's Velfont.bin near the package."""
    given = os.environ.get("VELORA_FONT_DIR")
    if given:
        return given
    here = os.path.dirname(os.path.abspath(__file__))
    beside = os.path.dirname(here)
    for folder in (here, beside, os.path.join(os.path.dirname(beside), "lib")):
        if os.path.exists(os.path.join(folder, "Velfont.bin")):
            return folder
    return None


def _encoded(text):
    if not isinstance(text, (str, bytes)):
        raise TypeError("velora: a text is a str, not %s" % type(text).__name__)
    return text.encode("utf-8") if isinstance(text, str) else text


def rgb(r, g, b):
    """A true colour every colour argument takes."""
    return _lib.velora_rgb(r, g, b)


def seriescolor(i):
    """The colour of series i of a colour cycle for many series."""
    return _lib.velora_seriescolor(i)


def _numbers(values, name):
    array = np.asarray(values)
    if array.dtype.kind not in "iuf":
        raise TypeError("velora: %s holds %s, not numbers" % (name, array.dtype))
    if array.ndim != 1:
        raise ValueError("velora: %s has %d dimensions, not 1" % (name, array.ndim))
    return array


def _series(named):
    """The arrays of one call as C arrays of one element type, the suffix of that type, and n."""
    arrays = [(name, _numbers(values, name)) for name, values in named]
    n = len(arrays[0][1])
    for name, array in arrays:
        if len(array) != n:
            raise ValueError("velora: %s has %d values, %s %d" % (name, len(array),
                                                                arrays[0][0], n))
    if n > 0x7FFFFFFF:
        raise ValueError("velora: more values than a series takes")
    if all(array.dtype == np.float32 for _, array in arrays):
        kept = [np.ascontiguousarray(array) for _, array in arrays]
        return kept, [a.ctypes.data_as(_library._floats) for a in kept], "_f", n
    kept = [np.ascontiguousarray(array, dtype=np.float64) for _, array in arrays]
    return kept, [a.ctypes.data_as(_library._doubles) for a in kept], "_d", n


def _grid(values, name):
    array = np.asarray(values)
    if array.dtype.kind not in "iuf":
        raise TypeError("velora: %s holds %s, not numbers" % (name, array.dtype))
    if array.ndim != 2:
        raise ValueError("velora: %s has %d dimensions, not 2 (rows of values)" % (name,
                                                                                  array.ndim))
    return array


def _map_table(map):
    """A client's colour map as 768 contiguous bytes, or None for one of the MAP_ values."""
    if isinstance(map, (int, np.integer)):
        return None
    table = np.asarray(map)
    if table.dtype.kind not in "iuf":
        raise TypeError("velora: a colour map is a MAP_ value or a table of numbers")
    if table.size != 768:
        raise ValueError("velora: a colour map's table holds 256 red, green, blue triples")
    return np.ascontiguousarray(np.clip(table, 0, 255), dtype=np.uint8).reshape(-1)


class LegendEntry:
    """One line of a legend: a line sample, a marker and/or a filled patch, and its text."""

    def __init__(self, text, color=0, dash=-1.0, marker=-1, patch=0.0):
        self.text, self.color, self.dash, self.marker, self.patch = text, color, dash, marker, patch

    @classmethod
    def line(cls, text, color=0, dash=1.0):
        return cls(text, color, dash=dash)

    @classmethod
    def points(cls, text, color=0, symbol=0x15):
        return cls(text, color, marker=symbol)

    @classmethod
    def area(cls, text, color=0, opacity=1.0):
        return cls(text, color, patch=opacity)


class Desk:
    """The drawing surface, open on the devices given as keywords until close (or the end of a
    with block). Its files are name plus the device's extension."""

    def __init__(self, name, eps=False, plt=False, pdf=False, svg=False, screen=False,
                 fontpath=None, doublesize=False, maximize=False, smooth=False):
        self._handle = _lib.velora_desk_new()
        if not self._handle:
            raise Error("velora: no desk could be made")
        self.name = name
        self._svg = bool(svg)
        self._open = False
        if fontpath is None:
            fontpath = _default_font_folder()
        if fontpath is not None:
            _check(_lib.velora_desk_setfontpath(self._handle, _encoded(fontpath)))
        devices = ((SCREEN if screen else 0) | (EPS if eps else 0) | (PLT if plt else 0) |
                   (PDF if pdf else 0) | (SVG if svg else 0) | (DOUBLESIZE if doublesize else 0) |
                   (MAXIMIZE if maximize else 0) | (SMOOTH if smooth else 0))
        _check(_lib.velora_desk_open(self._handle, devices, _encoded(name)))
        self._open = True

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        self.close()
        return False

    def __del__(self):
        handle, self._handle = getattr(self, "_handle", None), None
        if handle:
            _lib.velora_desk_free(handle)

    def close(self):
        """Finishes the files and closes the window; a desk closed once stays closed."""
        if self._open:
            self._open = False
            _check(_lib.velora_desk_close(self._handle))

    def _repr_svg_(self):
        """A finished SVG file shows itself in a notebook."""
        path = self.name + ".svg"
        if self._open or not self._svg or not os.path.exists(path):
            return None
        with open(path, encoding="utf-8") as svg:
            return svg.read()

    def box(self, x1, y1, x2, y2, fillx=1.0, filly=1.0):
        """A plot box placed at (x1, y1) - (x2, y2) on the page."""
        return Box(self, x1, y1, x2, y2, fillx, filly)

    def text(self):
        return Text(self)

    def setcolor(self, color):
        _check(_lib.velora_desk_setcolor(self._handle, color))

    def setpenwidth(self, width):
        _check(_lib.velora_desk_setpenwidth(self._handle, width))

    def getpenwidth(self):
        width = ctypes.c_float()
        _check(_lib.velora_desk_getpenwidth(self._handle, ctypes.byref(width)))
        return width.value

    def move(self, x, y):
        _check(_lib.velora_desk_move(self._handle, x, y))

    def draw(self, x, y, color=-1):
        _check(_lib.velora_desk_draw(self._handle, x, y, color))

    def pset(self, x, y, color=-1):
        _check(_lib.velora_desk_pset(self._handle, x, y, color))

    def line(self, x1, y1, x2, y2, color=-1):
        _check(_lib.velora_desk_line(self._handle, x1, y1, x2, y2, color))

    def rec(self, x1, y1, x2, y2, color=-1):
        _check(_lib.velora_desk_rec(self._handle, x1, y1, x2, y2, color))

    def vector(self, x1, y1, x2, y2, color=-1, size=1.0):
        _check(_lib.velora_desk_vector(self._handle, x1, y1, x2, y2, color, size))

    def fill(self, x, y, color=-1):
        """Fills the polygon of the vertices (page units) by the non-zero winding rule."""
        _, (cx, cy), suffix, n = _series([("x", np.asarray(x, dtype=np.float32)),
                                          ("y", np.asarray(y, dtype=np.float32))])
        _check(_lib.velora_desk_fill(self._handle, cx, cy, n, color))

    def setfillopacity(self, opacity):
        _check(_lib.velora_desk_setfillopacity(self._handle, opacity))

    def setviewport(self, x1, y1, x2, y2):
        _check(_lib.velora_desk_setviewport(self._handle, x1, y1, x2, y2))

    def resetviewport(self):
        _check(_lib.velora_desk_resetviewport(self._handle))

    def clearviewport(self, flag=CLEAR_AND_EMPTY):
        _check(_lib.velora_desk_clearviewport(self._handle, flag))

    def frameviewport(self, color=-1):
        _check(_lib.velora_desk_frameviewport(self._handle, color))

    def showbmp(self, x1, y1, x2, y2, file):
        _check(_lib.velora_desk_showbmp(self._handle, x1, y1, x2, y2, _encoded(file)))

    def putbmp(self, x1, y1, x2, y2, pixels, palette=None):
        """A picture from memory, rows from the bottom up: height x width bytes (with a palette
        of 256 x 3 bytes, or greys) or height x width x 3 bytes red, green, blue; the width a
        multiple of 8."""
        picture = np.ascontiguousarray(pixels, dtype=np.uint8)
        bytes_of = _library._bytes
        if picture.ndim == 2:
            table = None
            if palette is not None:
                table = np.ascontiguousarray(palette, dtype=np.uint8)
                if table.size != 768:
                    raise ValueError("velora: a palette holds 256 red, green, blue triples")
                table = table.ctypes.data_as(bytes_of)
            _check(_lib.velora_desk_putbmp_8(self._handle, x1, y1, x2, y2,
                                             picture.ctypes.data_as(bytes_of), picture.shape[1],
                                             picture.shape[0], table))
        elif picture.ndim == 3 and picture.shape[2] == 3:
            _check(_lib.velora_desk_putbmp_24(self._handle, x1, y1, x2, y2,
                                              picture.ctypes.data_as(bytes_of), picture.shape[1],
                                              picture.shape[0]))
        else:
            raise ValueError("velora: a picture is height x width or height x width x 3")

    def showeps(self, file):
        _check(_lib.velora_desk_showeps(self._handle, _encoded(file)))

    def copyscreen(self):
        _check(_lib.velora_desk_copyscreen(self._handle))

    def savescreen(self, file):
        _check(_lib.velora_desk_savescreen(self._handle, _encoded(file)))


class _OnDesk:
    """A box or a renderer: made on an open desk, freed with the object."""

    _free = None

    def __init__(self, desk, make):
        self.desk = desk  # the desk lives at least as long
        self._handle = make(desk._handle)
        if not self._handle:
            raise Error(_last_error())

    def __del__(self):
        handle, self._handle = getattr(self, "_handle", None), None
        if handle:
            type(self)._free(handle)


class Box(_OnDesk):
    """A plot box: a frame, ticks, labels and the data series drawn into it, in data values."""

    _free = staticmethod(lambda handle: _lib.velora_box_free(handle))

    def __init__(self, desk, x1, y1, x2, y2, fillx=1.0, filly=1.0):
        super().__init__(desk, _lib.velora_box_new)
        self.init(x1, y1, x2, y2, fillx, filly)

    def _call(self, name, *arguments):
        _check(getattr(_lib, "velora_box_" + name)(self._handle, *arguments))

    def _series(self, name, named, *arguments):
        kept, pointers, suffix, n = _series(named)
        self._call(name + suffix, *pointers, n, *arguments)

    def init(self, x1, y1, x2, y2, fillx=1.0, filly=1.0):
        self._call("init", x1, y1, x2, y2, fillx, filly)

    def dim(self, xmin, xmax, ymin, ymax, xstep=0.0, ystep=0.0, tickfactor=1.0,
            side=TICKS_INSIDE):
        self._call("dim", xmin, xmax, ymin, ymax, xstep, ystep, tickfactor, side)

    def setscale(self, axis, scale):
        self._call("setscale", axis, scale)

    def settimeorigin(self, seconds_since_1970):
        self._call("settimeorigin", seconds_since_1970)

    def settimezone(self, minutes):
        self._call("settimezone", minutes)

    def setrange(self, axis, lowest, highest):
        self._call("setrange", axis, lowest, highest)

    def dimright(self, ymin, ymax, ystep=0.0):
        self._call("dimright", ymin, ymax, ystep)

    def labelright(self, text, size=1.0, captionfont=FONT_ROMAN, tickfont=FONT_SANS):
        self._call("labelright", _encoded(text), size, captionfont, tickfont)

    def useright(self, on=True):
        self._call("useright", 1 if on else 0)

    def setaccuracy(self, ax, ay):
        self._call("setaccuracy", ax, ay)

    def setAxisModulo(self, axis, modulo):
        self._call("setAxisModulo", axis, modulo)

    def label(self, xtext, ytext, size=1.0, ywidth=0, captionfont=FONT_ROMAN,
              tickfont=FONT_SANS):
        self._call("label", _encoded(xtext), _encoded(ytext), size, ywidth, captionfont,
                   tickfont)

    def showpoints(self, x, y, color=0, symbol=0x15, scale=1.0):
        self._series("showpoints", [("x", x), ("y", y)], color, symbol, scale)

    def showerrorbars(self, x, y, err, symbol=9, color=0, scale=1.0):
        self._series("showerrorbars", [("x", x), ("y", y), ("err", err)], symbol, color, scale)

    def showhistogram(self, x, y, color=0):
        self._series("showhistogram", [("x", x), ("y", y)], color)

    def connectpoints(self, x, y, color=0, dash=1.0):
        self._series("connectpoints", [("x", x), ("y", y)], color, dash)

    def fillbetween(self, x, ylow, yhigh, color=0):
        self._series("fillbetween", [("x", x), ("ylow", ylow), ("yhigh", yhigh)], color)

    def fillto(self, x, y, base=0.0, color=0):
        self._series("fillto", [("x", x), ("y", y)], base, color)

    def showbars(self, x, y, fill=8, line=0):
        self._series("showbars", [("x", x), ("y", y)], fill, line)

    def showvectors(self, x, y, color=0, size=1.0):
        self._series("showvectors", [("x", x), ("y", y)], color, size)

    def line(self, x1, y1, x2, y2, color=0, dash=1.0):
        self._call("line", x1, y1, x2, y2, color, dash)

    def vector(self, x1, y1, x2, y2, color=0, size=1.0):
        self._call("vector", x1, y1, x2, y2, color, size)

    def pset(self, x, y, color=0):
        self._call("pset", x, y, color)

    def rec(self, x1, y1, x2, y2, color=0):
        self._call("rec", x1, y1, x2, y2, color)

    def setsymbol(self, x, y, color=0, symbol=0x15, scale=1.0):
        self._call("setsymbol", x, y, color, symbol, scale)

    def hwrite(self, x, y, text, color=0, font=FONT_SANS, size=1.0, halign=1.0, valign=1.0):
        self._call("hwrite", x, y, _encoded(text), color, font, size, halign, valign)

    def vwrite(self, x, y, text, color=0, font=FONT_SANS, size=1.0, halign=1.0, valign=1.0):
        self._call("vwrite", x, y, _encoded(text), color, font, size, halign, valign)

    @staticmethod
    def _entries(entries):
        entries = list(entries)
        table = (_library.LegendEntryStruct * max(len(entries), 1))()
        for slot, entry in zip(table, entries):
            if not isinstance(entry, LegendEntry):
                raise TypeError("velora: a legend takes LegendEntry values")
            slot.text, slot.colour, slot.dash = _encoded(entry.text), entry.color, entry.dash
            slot.marker, slot.patch = entry.marker, entry.patch
        return table, len(entries)

    def legend(self, entries, corner=LEGEND_UPPER_RIGHT, size=0.9):
        table, n = self._entries(entries)
        self._call("legend", table, n, corner, size)

    def legendat(self, entries, x, y, size=0.9):
        table, n = self._entries(entries)
        self._call("legendat", table, n, x, y, size)

    def showmap(self, x1, y1, x2, y2, z, zmin=0.0, zmax=0.0, map=MAP_VIRIDIS):
        """z: rows of values (row 0 at y1) through the colour map between zmin and zmax (the
        finite values' range when they are equal). map: one of the MAP_ values, or a table of
        256 red, green, blue triples (0 ... 255)."""
        grid = _grid(z, "z")
        ny, nx = grid.shape
        table = _map_table(map)
        suffix = "_table" if table is not None else ""
        last = table.ctypes.data_as(_library._bytes) if table is not None else map
        if grid.dtype == np.float32:
            grid = np.ascontiguousarray(grid)
            self._call("showmap" + suffix + "_f", x1, y1, x2, y2,
                       grid.ctypes.data_as(_library._floats), nx, ny, zmin, zmax, last)
        else:
            grid = np.ascontiguousarray(grid, dtype=np.float64)
            self._call("showmap" + suffix + "_d", x1, y1, x2, y2,
                       grid.ctypes.data_as(_library._doubles), nx, ny, zmin, zmax, last)

    def setinvalidcolor(self, color):
        self._call("setinvalidcolor", color)

    def colorbar(self, zmin, zmax, map=MAP_VIRIDIS, caption="", size=0.5,
                 captionfont=FONT_ROMAN, tickfont=FONT_SANS):
        table = _map_table(map)
        if table is not None:
            self._call("colorbar_table", zmin, zmax, table.ctypes.data_as(_library._bytes),
                       _encoded(caption), size, captionfont, tickfont)
        else:
            self._call("colorbar", zmin, zmax, map, _encoded(caption), size, captionfont,
                       tickfont)

    def contour(self, z, x1, y1, x2, y2, levels=None, color=0, dash=1.0, labelsize=0.0):
        """Contour lines of the grid placed as showmap places it; no levels: 5 to 10 round ones."""
        grid = np.ascontiguousarray(_grid(z, "z"), dtype=np.float64)
        ny, nx = grid.shape
        chosen = np.zeros(0) if levels is None else _numbers(levels, "levels")
        chosen = np.ascontiguousarray(chosen, dtype=np.float64)
        self._call("contour_d", grid.ctypes.data_as(_library._doubles), nx, ny, x1, y1, x2, y2,
                   chosen.ctypes.data_as(_library._doubles), len(chosen), color, dash, labelsize)

    def showbmp(self, x1, y1, x2, y2, file):
        self._call("showbmp", x1, y1, x2, y2, _encoded(file))

    def clear(self, flag=CLEAR_TO_VIEWPORT):
        self._call("clear", flag)


class Text(_OnDesk):
    """Stroke-font text on the desk, in page units."""

    _free = staticmethod(lambda handle: _lib.velora_text_free(handle))

    def __init__(self, desk):
        super().__init__(desk, _lib.velora_text_new)

    def hwrite(self, x, y, text, color=0, font=FONT_SANS, size=1.0, halign=1.0, valign=1.0):
        _check(_lib.velora_text_hwrite(self._handle, x, y, _encoded(text), color, font, size,
                                       halign, valign))

    def vwrite(self, x, y, text, color=0, font=FONT_SANS, size=1.0, halign=1.0, valign=1.0):
        _check(_lib.velora_text_vwrite(self._handle, x, y, _encoded(text), color, font, size,
                                       halign, valign))

    def getlength(self, text, font=FONT_SANS, size=1.0):
        length = ctypes.c_float()
        _check(_lib.velora_text_getlength(self._handle, _encoded(text), font, size,
                                          ctypes.byref(length)))
        return length.value
