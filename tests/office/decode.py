"""A PDF's pages rasterised with poppler and read with zbar and zxing-cpp,
through the font tests' readers (add-ons switched on)."""

import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "fonts"))
from harness import zbar, zxing  # noqa: E402

# Narrow bars of two dots or more at the sheet's point size.
DPI = 600
STRIP_DOTS = 2 * DPI


def decode_pages(pdf, folder):
    """[(zbar's [(type, text)], zxing's [(format, text, symbology identifier)])], one a
    page."""
    prefix = os.path.join(folder, "page")
    # Each page holds one cell at its top: the strip across the top is enough.
    subprocess.run(["pdftoppm", "-r", str(DPI), "-gray", "-png", "-H", str(STRIP_DOTS), pdf, prefix],
                   check=True)
    pages = sorted((p for p in os.listdir(folder) if p.startswith("page-") and p.endswith(".png")),
                   key=lambda name: int(name[5:-4]))
    read = []
    for page in pages:
        path = os.path.join(folder, page)
        read.append((sorted((kind, text) for kind, text, _ in zbar(path)),
                     sorted((kind, data.decode("latin-1"), identifier)
                            for kind, data, identifier in zxing(path))))
    return read
