"""Finds Velora's shared library and declares the C interface's calls to ctypes."""

import ctypes
import os
import sys

_c_float, _c_double, _c_int = ctypes.c_float, ctypes.c_double, ctypes.c_int
_text = ctypes.c_char_p
_floats = ctypes.POINTER(ctypes.c_float)
_doubles = ctypes.POINTER(ctypes.c_double)
_bytes = ctypes.POINTER(ctypes.c_ubyte)


class LegendEntryStruct(ctypes.Structure):
    _fields_ = [("text", ctypes.c_char_p), ("colour", ctypes.c_int), ("dash", ctypes.c_float),
                ("marker", ctypes.c_int), ("patch", ctypes.c_float)]


# The argument codes of the table below: f float, d double, i int, s text, F float array,
# D double array, B bytes, P a handle, L legend entries, R a float to write back.
_codes = {"f": _c_float, "d": _c_double, "i": _c_int, "s": _text, "F": _floats, "D": _doubles,
          "B": _bytes, "P": ctypes.c_void_p, "L": ctypes.POINTER(LegendEntryStruct),
          "R": _floats}

_calls = """
desk_free P; desk_open Pis; desk_close P; desk_setcolor Pi; desk_setpenwidth Pf;
desk_getpenwidth PR; desk_setfontpath Ps; desk_move Pff; desk_draw Pffi; desk_pset Pffi;
desk_line Pffffi; desk_rec Pffffi; desk_vector Pffffif; desk_fill PFFii; desk_setfillopacity Pf;
desk_setviewport Pffff; desk_resetviewport P; desk_clearviewport Pi; desk_frameviewport Pi;
desk_showbmp Pffffs; desk_putbmp_8 PffffBiiB; desk_putbmp_24 PffffBii; desk_showeps Ps;
desk_copyscreen P; desk_savescreen Ps;
box_free P; box_init Pffffff; box_dim Pfffffffi; box_setscale Pii; box_settimeorigin Pd;
box_settimezone Pi; box_setrange Pidd; box_dimright Pfff; box_labelright Psfii; box_useright Pi;
box_setaccuracy Pff; box_setAxisModulo Pii; box_label Pssfiii;
box_showpoints_d PDDiiif; box_showpoints_f PFFiiif; box_showerrorbars_d PDDDiiif;
box_showerrorbars_f PFFFiiif; box_showhistogram_d PDDii; box_showhistogram_f PFFii;
box_connectpoints_d PDDiif; box_connectpoints_f PFFiif; box_fillbetween_d PDDDii;
box_fillbetween_f PFFFii; box_fillto_d PDDidi; box_fillto_f PFFidi; box_showbars_d PDDiii;
box_showbars_f PFFiii; box_showvectors_d PDDiif; box_showvectors_f PFFiif;
box_line Pffffif; box_vector Pffffif; box_pset Pffi; box_rec Pffffi; box_setsymbol Pffiif;
box_hwrite Pffsiifff; box_vwrite Pffsiifff; box_legend PLiif; box_legendat PLiddf;
box_showmap_d PddddDiiddi; box_showmap_f PddddFiiddi; box_setinvalidcolor Pi;
box_colorbar Pddisfii;
box_showmap_table_d PddddDiiddB; box_showmap_table_f PddddFiiddB; box_colorbar_table PddBsfii; box_contour_d PDiiddddDiiff; box_contour_f PFiiddddFiiff;
box_showbmp Pffffs; box_clear Pi;
text_free P; text_hwrite Pffsiifff; text_vwrite Pffsiifff; text_getlength PsifR
"""


def _library_path():
    given = os.environ.get("VELORA_LIBRARY")
    if given:
        return given
    names = ["velora.dll"] if sys.platform == "win32" else ["libvelora.so"]
    here = os.path.dirname(os.path.abspath(__file__))
    for folder in (here, os.path.dirname(here)):
        for name in names:
            candidate = os.path.join(folder, name)
            if os.path.exists(candidate):
                return candidate
    raise OSError("velora: the library is neither beside the package (%s) nor named by "
                  "VELORA_LIBRARY" % " or ".join(names))


def load():
    library = ctypes.CDLL(_library_path())
    for declaration in _calls.replace("\n", " ").split(";"):
        name, arguments = declaration.split()
        function = getattr(library, "velora_" + name)
        function.argtypes = [_codes[code] for code in arguments]
        function.restype = _c_int
    for name in ("desk_new", "box_new", "text_new"):
        function = getattr(library, "velora_" + name)
        function.restype = ctypes.c_void_p
    library.velora_desk_new.argtypes = []
    library.velora_box_new.argtypes = [ctypes.c_void_p]
    library.velora_text_new.argtypes = [ctypes.c_void_p]
    library.velora_last_error.argtypes = []
    library.velora_last_error.restype = ctypes.c_char_p
    library.velora_rgb.argtypes = [_c_int, _c_int, _c_int]
    library.velora_rgb.restype = _c_int
    library.velora_seriescolor.argtypes = [_c_int]
    library.velora_seriescolor.restype = _c_int
    return library
