"""Reads the 8-bit greyscale PNG files that zindra-encode writes, without any imaging library."""
import struct
import zlib

SIGNATURE = b"\x89PNG\r\n\x1a\n"


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def _unfilter(kind, row, previous):
    out = bytearray(row)
    for i in range(len(out)):
        left = out[i - 1] if i else 0
        up = previous[i]
        upper_left = previous[i - 1] if i else 0
        predictor = (0, left, up, (left + up) // 2, _paeth(left, up, upper_left))[kind]
        out[i] = (out[i] + predictor) & 0xFF
    return out


def read_grey(path):
    """The image as a list of rows of grey levels 0 (black) to 255 (white)."""
    with open(path, "rb") as f:
        data = f.read()
    if not data.startswith(SIGNATURE):
        raise ValueError(f"{path}: not a PNG file")
    pos, header, compressed = len(SIGNATURE), None, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            compressed += body
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if (depth, colour, interlace) != (8, 0, 0):
        raise ValueError(f"{path}: expected 8-bit greyscale without interlacing")
    raw = zlib.decompress(compressed)
    rows, previous = [], bytearray(width)
    for y in range(height):
        start = y * (width + 1)
        previous = _unfilter(raw[start], raw[start + 1:start + 1 + width], previous)
        rows.append(previous)
    return rows
