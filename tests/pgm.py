"""Grey rasters as the scan tests hand them between poppler and the decoders: binary
PGM (P5, 8 bits), read into and written from numpy arrays of rows."""
import re

import numpy

# Magic, width, height and largest grey, each after blanks or comment lines, then one
# blank: the pixels follow it and may themselves start with a blank's byte value.
_SKIP = rb"\s+(?:#[^\n]*\n\s*)*"
HEADER = re.compile(rb"P5" + _SKIP + rb"(\d+)" + _SKIP + rb"(\d+)" + _SKIP + rb"(\d+)\s")


def read_pgm(path):
    """The picture of `path` as a (height, width) array of greys, 0 black."""
    with open(path, "rb") as f:
        raw = f.read()
    header = HEADER.match(raw)
    assert header and header[3] == b"255", "%s is not an 8-bit binary PGM" % path
    width, height = int(header[1]), int(header[2])
    return numpy.frombuffer(raw, dtype=numpy.uint8, count=width * height,
                            offset=header.end()).reshape(height, width)


def write_pgm(path, image):
    with open(path, "wb") as f:
        f.write(b"P5\n%d %d\n255\n" % (image.shape[1], image.shape[0]) + image.tobytes())
