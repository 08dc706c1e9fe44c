#!/usr/bin/python3
"""The sample page of every symbology, font type, variant that changes the face, and
size letter, written with zindra-encode --sample-page, rastered at 300 dpi by pdftoppm
and checked from the ink: every ink band of the page lies within one ladder row (so no
row touches another, its caption or the header), all ink stays inside the printable
area, and each ladder row, cropped alone, reads back with zbarimg and ZXingReader as
the data. Pages alternate between Letter and A4."""
import concurrent.futures
import os
import shutil
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

import numpy

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, os.pardir))
import decoders  # noqa: E402
from pgm import read_pgm, write_pgm  # noqa: E402

ENCODER = os.environ.get("ZINDRA_ENCODE", "")
DPI = 300
MARGIN = DPI // 4  # the printable area starts a quarter inch inside the paper
INK = 128          # a grey below this is ink
BAR_CODE_X = 1.25  # inches into the printable area: right of every caption, left of every bar code


def _both(zbar_type, zxing_format, text, zxing_text=None):
    return (((zbar_type, text),), (zxing_format, zxing_text or text))


def _gs1(data):
    # zxing-cpp names GS1-128 by its symbology identifier; both give FNC1 separators as GS.
    return ((("CODE-128", data),), ("Code128", data, "]C1"))


def _addon(zbar_main, addon, zxing_format, zxing_main):
    kind = "EAN-2" if len(addon) == 2 else "EAN-5"
    return ((("EAN-13", zbar_main), (kind, addon)), (zxing_format, f"{zxing_main} {addon}"))


ALL = "ABCDEF"
# (what, arguments, data, size letters, (zbar symbols, (zxing format, text))); expected
# texts worked out by hand (check digits on paper), as in the font scan suite.
PAGES = (
    ("i25", ("-s", "i25"), "1234567890", "BCDEF", _both("I2/5", "ITF", "1234567890")),
    ("i25 human", ("-s", "i25", "-t", "human"), "1234567890", "BCDEF",
     _both("I2/5", "ITF", "1234567890")),
    ("i25 bearer", ("-s", "i25", "-o"), "12345678", "BCDEF", _both("I2/5", "ITF", "12345678")),
    ("i25 bearer human", ("-s", "i25", "-o", "-t", "human"), "12345678", "BCDEF",
     _both("I2/5", "ITF", "12345678")),
    ("ITF-14", ("-s", "i25", "-t", "itf14"), "0012345678905", "BCDEF",
     _both("I2/5", "ITF", "00123456789050")),
    ("ITF-14 closed box", ("-s", "i25", "-t", "itf14", "-o"), "1540014128876", "BCDEF",
     _both("I2/5", "ITF", "15400141288763")),
    ("code39", ("-s", "code39", "-c"), "CODE39", ALL, _both("CODE-39", "Code39", "CODE39W")),
    ("code39 human", ("-s", "code39", "-c", "-t", "human"), "CODE39", ALL,
     _both("CODE-39", "Code39", "CODE39W")),
    ("code93", ("-s", "code93"), "TEST93", ALL, _both("CODE-93", "Code93", "TEST93")),
    # The sums print in text; the ladder must still read as the symbol alone.
    ("code93 human sums", ("-s", "code93", "-t", "human", "-S"), "TEST93", ALL,
     _both("CODE-93", "Code93", "TEST93")),
    ("code128 B", ("-s", "code128", "-v", "2"), "Zindra", ALL, _both("CODE-128", "Code128", "Zindra")),
    ("code128 A human sums", ("-s", "code128", "-v", "1", "-t", "human", "-S"), "ABC", ALL,
     _both("CODE-128", "Code128", "ABC")),
    ("code128 C", ("-s", "code128", "-v", "3"), "123456", ALL, _both("CODE-128", "Code128", "123456")),
    ("code128 C human", ("-s", "code128", "-v", "3", "-t", "human"), "123456", ALL,
     _both("CODE-128", "Code128", "123456")),
    ("SCC-14 human", ("-s", "code128", "-v", "4", "-o", "-t", "human"), "1061414100001", ALL,
     _both("CODE-128", "Code128", "0110614141000019")),
    ("SSCC-18 human", ("-s", "code128", "-v", "5", "-t", "human"), "00614141123456789", ALL,
     _both("CODE-128", "Code128", "00006141411234567890")),
    ("code128 Auto", ("-s", "code128", "-v", "auto"), "Hello 128", ALL,
     _both("CODE-128", "Code128", "Hello 128")),
    # (10) is of variable length and not last: an FNC1 ends it.
    ("GS1-128 human", ("-s", "code128", "-v", "gs1", "-t", "human"), "[10]AB-123[17]140704", ALL,
     _gs1("10AB-123\x1d17140704")),
    ("codabar", ("-s", "codabar"), "A40156B", ALL,
     ((("Codabar", "A40156B"),), ("Codabar", "40156"))),
    ("codabar human", ("-s", "codabar", "-t", "human"), "A40156B", ALL,
     ((("Codabar", "A40156B"),), ("Codabar", "40156"))),
    ("EAN-8", ("-s", "ean", "-v", "1"), "9638507", "ABCDE", _both("EAN-8", "EAN-8", "96385074")),
    ("EAN-13", ("-s", "ean", "-v", "2"), "400638133393", "ABCDE",
     _both("EAN-13", "EAN-13", "4006381333931")),
    ("Bookland", ("-s", "ean", "-v", "3", "-e", "90000"), "0-306-40615-2", "ABCDE",
     _addon("9780306406157", "90000", "EAN-13", "9780306406157")),
    ("UPC-A", ("-s", "upc"), "03600029145", "ABCDE",
     _both("EAN-13", "UPC-A", "0036000291452", "036000291452")),
    ("UPC-A 2 digits", ("-s", "upc", "-v", "2", "-e", "12"), "03600029145", "ABCDE",
     _addon("0036000291452", "12", "UPC-A", "036000291452")),
    ("UPC-A 5 digits", ("-s", "upc", "-v", "3", "-e", "51234"), "03600029145", "ABCDE",
     _addon("0036000291452", "51234", "UPC-A", "036000291452")),
    ("UPC-E", ("-s", "upc", "-t", "human"), "01234500006", "ABCDE",
     _both("EAN-13", "UPC-E", "0012345000065", "01234565")),
    ("UPC-E 2 digits", ("-s", "upc", "-t", "human", "-v", "2", "-e", "53"), "01234500006", "ABCDE",
     _addon("0012345000065", "53", "UPC-E", "01234565")),
    ("UPC-E 5 digits", ("-s", "upc", "-t", "human", "-v", "3", "-e", "52495"), "01234500006",
     "ABCDE", _addon("0012345000065", "52495", "UPC-E", "01234565")),
    # Neither decoder reads PostNet (the font suite measures its bars): ink only.
    ("PostNet", ("-s", "postnet"), "12345", "D", None),
)


def caption_tops(pdf):
    """The top of each "<n> points:" caption, in pixels, in page order."""
    words = subprocess.run(["pdftotext", "-bbox", pdf, "-"], capture_output=True, text=True,
                           check=True).stdout
    root = ElementTree.fromstring(words.replace("<!DOCTYPE", "<!--").replace("dtd\">", "dtd\"-->"))
    found = [w for w in root.iter() if w.tag.endswith("word")]
    return [round(float(a.get("yMin")) * DPI / 72) for a, b in zip(found, found[1:])
            if b.text == "points:"]


def ink_bands(ink_rows):
    """(first, last) of each run of raster rows that hold ink."""
    rows = numpy.flatnonzero(ink_rows)
    if rows.size == 0:
        return []
    breaks = numpy.flatnonzero(numpy.diff(rows) > 1)
    starts = numpy.concatenate(([rows[0]], rows[breaks + 1]))
    ends = numpy.concatenate((rows[breaks], [rows[-1]]))
    return list(zip(starts.tolist(), ends.tolist()))


def check_page(folder, number, page):
    """The complaints about one page, or an empty list."""
    what, args, data, letter, expected = page
    paper = "a4" if number % 2 else "letter"
    name = f"{what} {letter} on {paper}"
    pdf = os.path.join(folder, f"{number:03d}.pdf")
    done = subprocess.run([ENCODER, *args, "-z", letter, "--sample-page", pdf, "--paper", paper,
                           "--", data], capture_output=True, text=True, check=False)
    if done.returncode != 0:
        return [f"{name}: zindra-encode failed: {done.stderr}"]
    raster = os.path.join(folder, f"{number:03d}")
    subprocess.run(["pdftoppm", "-r", str(DPI), "-gray", "-singlefile", pdf, raster], check=True)
    image = read_pgm(raster + ".pgm")
    ink = image < INK
    complaints = []

    height, width = image.shape
    rows, columns = numpy.flatnonzero(ink.any(axis=1)), numpy.flatnonzero(ink.any(axis=0))
    # Ink on the last pixel of the printable area may be cut off there.
    if rows[0] <= MARGIN or rows[-1] >= height - MARGIN - 1 or columns[0] <= MARGIN \
            or columns[-1] >= width - MARGIN - 1:
        complaints.append(f"{name}: ink outside the printable area: rows {rows[0]}..{rows[-1]}, "
                          f"columns {columns[0]}..{columns[-1]} of {height} x {width}")

    tops = caption_tops(pdf)
    steps = 1 if what == "PostNet" else 6
    if len(tops) != steps:
        return complaints + [f"{name}: {len(tops)} ladder captions, expected {steps}"]
    # Each row runs from its top to the next row's top; nothing may cross a boundary.
    boundaries = [t - 1 for t in tops] + [height]
    for first, last in ink_bands(ink.any(axis=1)):
        for b in boundaries[:-1]:
            if first < b <= last:
                complaints.append(f"{name}: ink rows {first}..{last} run across the top of the "
                                  f"ladder row at {b}")

    if expected is None:
        return complaints
    left = MARGIN + int(BAR_CODE_X * DPI)
    crops = []
    for k in range(steps):
        row = image[boundaries[k]:boundaries[k + 1], left:]
        # Only as wide as the row's ink: the decoders' time grows with the picture.
        right = numpy.flatnonzero((row < INK).any(axis=0))[-1] + 1
        crop = numpy.pad(row[:, :right], 40, constant_values=255)
        crops.append(os.path.join(folder, f"{number:03d}-{k}.pgm"))
        write_pgm(crops[-1], crop)
    # A zxing-cpp expectation names the symbology identifier where it tells something.
    zbar_expected, zxing_expected = expected
    zbar, zxing = decoders.zbar(crops), decoders.zxing(crops)
    for k, crop in enumerate(crops):
        if [read[:2] for read in zbar[crop]] != sorted(zbar_expected):
            complaints.append(f"{name}, row {k}: zbarimg read {zbar[crop]}")
        if zxing_expected not in [read[:len(zxing_expected)] for read in zxing[crop]]:
            complaints.append(f"{name}, row {k}: ZXingReader read {zxing[crop]}")
    return complaints


class SamplePageScanTest(unittest.TestCase):
    def setUp(self):
        missing = [t for t in ("pdftoppm", "pdftotext", "zbarimg", "ZXingReader") if not shutil.which(t)]
        if missing and os.environ.get("CI"):
            self.fail(f"{', '.join(missing)} not installed (CI is set)")
        if missing:
            self.skipTest(f"{', '.join(missing)} not installed")

    def test_every_page_keeps_its_rows_apart_and_every_row_reads(self):
        runtime = tempfile.TemporaryDirectory(prefix="zindra-page-")
        self.addCleanup(runtime.cleanup)
        os.mkdir(os.path.join(runtime.name, "xdg"), 0o700)
        os.environ["XDG_RUNTIME_DIR"] = os.path.join(runtime.name, "xdg")
        pages = [(what, args, data, letter, expected)
                 for what, args, data, letters, expected in PAGES for letter in letters]
        with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
            results = pool.map(lambda n_page: check_page(runtime.name, *n_page), enumerate(pages))
            complaints = [c for r in results for c in r]
        print(f"\n{len(pages)} sample pages checked", flush=True)
        self.assertEqual([], complaints, "\n".join(complaints))


if __name__ == "__main__":
    unittest.main()
