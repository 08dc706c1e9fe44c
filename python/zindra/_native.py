"""libzindra as ctypes sees it: the library loaded once, its structs and the
prototypes of the functions this package calls.

ctypes rather than a compiled extension: the C interface is a handful of
functions and two plain structs, so one pure-Python package (Architecture
all) serves every Python 3 the system has, with nothing to rebuild when
Debian moves to the next interpreter. The structs below mirror
<zindra/zindra.h> field for field; the library's soname pins that layout.
"""

import ctypes
import os

SONAME = "libzindra.so.0"


class Request(ctypes.Structure):
    """zindra_request."""

    _fields_ = [
        ("data", ctypes.c_char_p),
        ("data_length", ctypes.c_size_t),
        ("symbology", ctypes.c_int),
        ("variant", ctypes.c_int),
        ("font_type", ctypes.c_int),
        ("size", ctypes.c_char),
        ("checksum", ctypes.c_int),
        ("option2", ctypes.c_int),
        ("sums", ctypes.c_int),
        ("point_size", ctypes.c_char_p),
        ("extra", ctypes.c_char_p),
        ("extra_length", ctypes.c_size_t),
    ]


class Result(ctypes.Structure):
    """zindra_result."""

    _fields_ = [
        ("ok", ctypes.c_int),
        # The two texts that may hold NUL characters are read by their
        # lengths, so ctypes must not cut them at the first.
        ("error", ctypes.c_void_p),
        ("data_text", ctypes.c_void_p),
        ("font_string", ctypes.c_char_p),
        ("sums_text", ctypes.c_char_p),
        ("bar_text_out", ctypes.c_char_p),
        ("sample_text", ctypes.c_char_p),
        ("human_text", ctypes.c_char_p),
        ("face", ctypes.c_char_p),
        ("warning", ctypes.c_char_p),
        ("sample_size", ctypes.c_int),
        ("output_text_size", ctypes.c_int),
        ("x_dimension_mm", ctypes.c_double),
        ("width_mm", ctypes.c_double),
        ("height_mm", ctypes.c_double),
        ("magnification_percent", ctypes.c_double),
        ("error_length", ctypes.c_size_t),
        ("data_text_length", ctypes.c_size_t),
        ("data_warning", ctypes.c_char_p),
    ]


class Face(ctypes.Structure):
    """zindra_face."""

    _fields_ = [
        ("name", ctypes.c_char_p),
        ("symbology", ctypes.c_int),
        ("size", ctypes.c_char),
        ("human_readable", ctypes.c_int),
        ("module_em", ctypes.c_double),
        ("quiet_zone_modules", ctypes.c_double),
        ("min_x_mm", ctypes.c_double),
        ("max_x_mm", ctypes.c_double),
        ("bar_modules", ctypes.c_double),
        ("bearer_modules", ctypes.c_double),
        ("text_drop_modules", ctypes.c_double),
        ("guard_descent_modules", ctypes.c_double),
        ("height_em", ctypes.c_double),
    ]


# Functions that hand back text the caller must free are declared as
# returning c_void_p, so that the pointer survives for zindra_free().
_PROTOTYPES = {
    "zindra_version": (ctypes.c_char_p, []),
    "zindra_encode": (ctypes.c_void_p, [ctypes.c_char_p]),
    "zindra_free": (None, [ctypes.c_void_p]),
    "zindra_request_init": (None, [ctypes.POINTER(Request)]),
    "zindra_request_set": (ctypes.c_void_p,
                           [ctypes.POINTER(Request), ctypes.c_char_p, ctypes.c_char_p]),
    "zindra_symbology_name": (ctypes.c_char_p, [ctypes.c_int]),
    "zindra_make": (ctypes.POINTER(Result), [ctypes.POINTER(Request)]),
    "zindra_result_free": (None, [ctypes.POINTER(Result)]),
    "zindra_face_count": (ctypes.c_int, []),
    "zindra_face_at": (ctypes.c_int, [ctypes.c_int, ctypes.POINTER(Face)]),
}


def _load() -> ctypes.CDLL:
    # ZINDRA_LIBRARY names a library file to use instead of the installed
    # one: the tests point it at the build tree's.
    path = os.environ.get("ZINDRA_LIBRARY") or SONAME
    try:
        library = ctypes.CDLL(path)
    except OSError as error:
        raise ImportError(f"zindra needs {SONAME} (package libzindra0): {error}") from error
    for name, (restype, argtypes) in _PROTOTYPES.items():
        function = getattr(library, name)
        function.restype = restype
        function.argtypes = argtypes
    return library


lib = _load()

